// Times a whole selection of many entries (65,535 by default) under Wine:
// faximport.exe is started from a host window and driven from this process,
// once with a CSV file and once with a speed-dial export, both generated
// here. Each step is set against a bare list box in this process that
// receives the same texts by LB_ADDSTRING, measured in the same run, so the
// figures say how far each step is from the cost of merely filling a list.
//
// Usage: selection_bench [entries [runs]]   (65,535 entries, 5 runs)
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "testkit/child_process.h"
#include "testkit/dialog_contract.h"
#include "testkit/dialog_driver.h"
#include "testkit/file_bytes.h"
#include "testkit/test_host.h"
#include "testkit/window_search.h"

using namespace testkit;

namespace {

using namespace contract;

constexpr std::size_t kPlainRecordBytes = 62;
constexpr std::size_t kSpeedDialRecordBytes = 184;

constexpr char kWorkFolder[] = "C:\\faximport-bench";
// Bare list box fills before and after each import.
constexpr int kBaselineFills = 3;
// Entries of the small import whose times stand for the steps' fixed costs.
constexpr int kSmallCount = 10;

// Sends a click and waits for the program to finish handling it.
void ClickAndWait(HWND dialog, int id)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), SMTO_NORMAL, kStepTimeoutMs, &answer))
        throw DriveError("button " + std::to_string(id) + " was not handled in time");
}

int Count(HWND dialog, int listId)
{
    return ListCount(dialog, listId);
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// ---- The bare list box ----------------------------------------------------

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A visible, unsorted, extended-selection list box like the dialogs' lists,
// in a window of this process, filled with texts in this process the fastest
// way a list box allows: drawing off and room for every item reserved first.
// (With drawing on, Wine updates the scroll bar on the display for every
// item: 4,000 texts take about half a minute, which is no fair measure.)
double FillBareList(const std::vector<std::string>& texts)
{
    static ATOM frameClass = 0;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!frameClass) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = FrameProc;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "SelectionBenchFrame";
        frameClass = RegisterClassA(&windowClass);
    }
    HWND frame = CreateWindowA("SelectionBenchFrame", "bare list box", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 360,
                               nullptr, nullptr, instance, nullptr);
    HWND list = CreateWindowA(
        "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_EXTENDEDSEL | LBS_USETABSTOPS | LBS_NOTIFY,
        10, 10, 300, 280, frame, nullptr, instance, nullptr);
    Expect(frame && list, "cannot create the bare list box");
    UpdateWindow(frame);
    PumpMessages();

    Stopwatch clock;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, texts.size(), 0);
    for (const std::string& text : texts)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    const double seconds = clock.Seconds();

    Expect(SendMessageA(list, LB_GETCOUNT, 0, 0) == static_cast<LRESULT>(texts.size()),
           "the bare list box did not take every text");
    DestroyWindow(frame);
    PumpMessages();
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> BareListFills(const std::vector<std::string>& texts)
{
    std::vector<double> seconds;
    for (int fill = 0; fill < kBaselineFills; ++fill)
        seconds.push_back(FillBareList(texts));
    return seconds;
}

// ---- Input files ------------------------------------------------------------

std::string PersonName(int i)
{
    return Format("Person %05d", i);
}

std::string FaxNumber(int i)
{
    return Format("555%07d", i);
}

struct DataSet {
    std::string title;
    std::string fileName;
    std::string fileText;
    bool speedDial;
    // What the selected list holds after "To ->" with everything selected,
    // in its order: the baseline's texts.
    std::vector<std::string> selectedTexts;
};

DataSet CsvData(int count)
{
    DataSet data{"CSV", "bench.csv", "Name,Fax\r\n", false, {}};
    for (int i = 0; i < count; ++i) {
        data.fileText += PersonName(i) + "," + FaxNumber(i) + "\r\n";
        data.selectedTexts.push_back(PersonName(i) + " [" + FaxNumber(i) + "]");
    }
    return data;
}

// Speed-dial numbers in shuffled file order, so that the sorted number list
// does not receive them in its own order.
DataSet SpeedDialData(int count)
{
    DataSet data{"Speed dial", "bench-speed.csv", "*,1,0,2\r\n", true, {}};
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::mt19937 shuffle(20240611);
    std::shuffle(order.begin(), order.end(), shuffle);
    for (int i : order)
        data.fileText += Format("%05d", i) + ",X," + FaxNumber(i) + "," + PersonName(i) + "\r\n";
    data.fileText += "*\r\n";
    for (int i = 0; i < count; ++i)
        data.selectedTexts.push_back(Format("%05d", i) + "\t" + PersonName(i) + " [" + FaxNumber(i) + "]");
    return data;
}

// ---- The least a launch costs ----------------------------------------------

constexpr char kMessageBoxOption[] = "--message-box";

// This program started again with kMessageBoxOption shows one message box
// and ends: the time from its start to the box on the screen is what Wine
// takes to bring up any program with a dialog.
double LaunchMessageBoxProgram()
{
    char path[MAX_PATH] = {};
    Expect(GetModuleFileNameA(nullptr, path, MAX_PATH) > 0, "cannot find the benchmark's own path");
    ChildProcess program;
    Stopwatch launch;
    program.Start(path, kMessageBoxOption);
    HWND box = nullptr;
    WaitFor([&] { return (box = FindMessageBox(program.Id())) != nullptr; }, "the message box program");
    const double seconds = launch.Seconds();
    PostClick(box, IDOK);
    Expect(program.WaitForExit(), "the message box program did not end");
    return seconds;
}

// ---- One import -------------------------------------------------------------

enum Step {
    kLaunchToFilled,   // (1) process start to the selection dialog with its list filled
    kLaunchToDataType, //     of that: process start to the data type dialog
    kDataTypeToFile,   //     of that: OK in the data type dialog to the file chooser
    kFileToFilled,     //     of that: from OK in the file chooser
    kToSelected,       // (2) select all + "To ->" until the selected list holds all
    kDeleteAll,        //     Delete with every line selected
    kDeleteHalf,       //     Delete with the first half of the lines selected
    kOkToConfirmation, // (3) OK to the confirmation with its list filled
    kOkToExport,       // (4) OK to the export file written
    kExportToExit,     //     then: the export file written to the program's end
    kStepCount
};

const char* const kStepNames[kStepCount] = {
    "(1) launch to selection dialog with its list filled",
    "    of that, launch to the data type dialog",
    "    of that, OK there to the file chooser",
    "    of that, OK in the file chooser to the list filled",
    "(2) select all + To -> until the selected list holds all",
    "    Delete with all lines selected",
    "    Delete with the first half of the lines selected",
    "(3) OK to the confirmation with its list filled",
    "(4) OK to the export file written",
    "    then, the export file written to the program's end",
};

using Figures = std::array<double, kStepCount>; // seconds

Figures RunImport(const DataSet& data, int count)
{
    const std::string inputPath = std::string(kWorkFolder) + "\\" + data.fileName;
    const std::string exportPath = std::string(kWorkFolder) + "\\export.dat";
    Expect(WriteFileBytes(inputPath, data.fileText), "cannot write " + inputPath);
    Expect(RemoveFile(exportPath), "cannot remove an old " + exportPath);

    HostOptions options;
    options.title = "Fax Host"; // no control 1008: no entry cap
    TestHost host(options);
    Expect(host.MakeForeground(), "the host window did not become the foreground window");

    Figures figures{};
    ChildProcess program;
    Stopwatch launch;
    program.Start(OwnDirectory() + "faximport.exe", exportPath);
    const DWORD id = program.Id();

    DialogQuery dataType;
    dataType.processId = id;
    dataType.caption = kDataTypeCaption;
    dataType.requiredControl = kKindCombo;
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(dataType)) != nullptr; }, "the data type dialog");
    figures[kLaunchToDataType] = launch.Seconds();
    ComboChoose(dialog, kKindCombo, data.speedDial ? kSpeedDialItem : kCsvItem);
    if (!data.speedDial)
        SetChecked(dialog, kAutoSearchCheck, true); // no field mapping dialog
    Stopwatch step;
    PostClick(dialog, IDOK);

    DialogQuery chooserQuery;
    chooserQuery.processId = id;
    chooserQuery.caption = data.speedDial ? kSpeedDialChooserTitle : kCsvChooserTitle;
    WaitFor([&] { return FindDialog(chooserQuery) != nullptr; }, "the file chooser");
    figures[kDataTypeToFile] = step.Seconds();
    HWND chooser = WaitForFileChooser(id, chooserQuery.caption);
    Expect(chooser != nullptr, "no file chooser");
    EnterFileName(chooser, inputPath);
    step.Restart();
    PostClick(chooser, IDOK);

    std::vector<int> selectionControls = {kSourceList, kSelectedList};
    if (data.speedDial)
        selectionControls.push_back(kViewDetailsButton);
    HWND selection = nullptr;
    const int absentControl = data.speedDial ? 0 : kViewDetailsButton;
    WaitFor([&] { return (selection = FindDialogWithControls(id, selectionControls, absentControl)); },
            "the selection dialog");
    figures[kFileToFilled] = step.Seconds();
    figures[kLaunchToFilled] = launch.Seconds();
    Expect(Count(selection, kSourceList) == count, "the source list does not hold every entry");

    HWND source = Control(selection, kSourceList);
    HWND selected = Control(selection, kSelectedList);
    auto selectAllAndAdd = [&] {
        Send(source, LB_SETSEL, TRUE, -1);
        ClickAndWait(selection, kAddButton);
    };

    step.Restart();
    selectAllAndAdd();
    figures[kToSelected] = step.Seconds();
    Expect(Count(selection, kSelectedList) == count, "the selected list does not hold every entry");

    // Delete everything, then add it back.
    Send(selected, LB_SETSEL, TRUE, -1);
    step.Restart();
    ClickAndWait(selection, kDeleteButton);
    figures[kDeleteAll] = step.Seconds();
    Expect(Count(selection, kSelectedList) == 0, "Delete left lines behind");
    selectAllAndAdd();
    Expect(Count(selection, kSelectedList) == count, "the selected list was not filled again");

    // Delete the first half: every line of the second half moves up, then
    // add them back (at the end).
    const int half = count / 2;
    Send(selected, LB_SETSEL, FALSE, -1);
    Send(selected, LB_SELITEMRANGEEX, 0, half - 1);
    step.Restart();
    ClickAndWait(selection, kDeleteButton);
    figures[kDeleteHalf] = step.Seconds();
    Expect(Count(selection, kSelectedList) == count - half, "Delete did not remove the first half");
    selectAllAndAdd();
    Expect(Count(selection, kSelectedList) == count, "the selected list was not filled again");

    step.Restart();
    PostClick(selection, IDOK);
    HWND confirmation = nullptr;
    WaitFor(
        [&] {
            return (confirmation = FindDialogWithControls(id, {kEntryList, kRejectedLabel}));
        },
        "the confirmation");
    figures[kOkToConfirmation] = step.Seconds();
    Expect(Count(confirmation, kEntryList) == count, "the confirmation does not list every entry");

    const long long exportBytes =
        2 + static_cast<long long>(count) *
                static_cast<long long>(data.speedDial ? kSpeedDialRecordBytes : kPlainRecordBytes);
    step.Restart();
    PostClick(confirmation, IDOK);
    WaitFor([&] { return FileSize(exportPath) == exportBytes; }, "the export file");
    figures[kOkToExport] = step.Seconds();

    step.Restart();
    Expect(program.WaitForExit(), "faximport did not end");
    figures[kExportToExit] = step.Seconds();
    const int command = data.speedDial ? kSpeedDialExportCommand : kPlainExportCommand;
    Expect(host.WaitForCommand(command), "the host got no command");
    return figures;
}

const char* WineVersion()
{
    using GetVersionFn = const char*(CDECL*)();
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    FARPROC proc = ntdll ? GetProcAddress(ntdll, "wine_get_version") : nullptr;
    // Through a plain function pointer type: GetProcAddress knows no signatures.
    auto get = reinterpret_cast<GetVersionFn>(reinterpret_cast<void (*)()>(proc));
    return get ? get() : "not Wine";
}

struct Run {
    double baseline;    // seconds
    double emptyLaunch; // seconds to start a program that only shows a message box
    Figures figures;    // with all the entries
    Figures small;      // the same steps with a handful of entries
};

// Medians over the runs of each step's time as a ratio to the baseline of its
// own run, whole and less the time the step takes with a handful of entries
// (process start, dialogs coming and going), with the range of the former.
void Report(const DataSet& data, int smallCount, const std::vector<Run>& runs)
{
    std::vector<double> baselines;
    for (const Run& run : runs)
        baselines.push_back(run.baseline);
    std::printf("\n%s: baseline, a bare list box filled with the %zu texts: %.3f s (median)\n", data.title.c_str(),
                data.selectedTexts.size(), Median(baselines));
    std::printf("  %-58s %6s  %-12s %7s  %s\n", "step", "ratio", "range", "less", "median time");
    std::printf("  %-58s %6s  %-12s %7s\n", "", "", "", Format("%d-entry", smallCount).c_str());
    for (int step = 0; step < kStepCount; ++step) {
        const std::size_t at = static_cast<std::size_t>(step);
        std::vector<double> ratios;
        std::vector<double> growth;
        std::vector<double> seconds;
        for (const Run& run : runs) {
            ratios.push_back(run.figures[at] / run.baseline);
            growth.push_back((run.figures[at] - run.small[at]) / run.baseline);
            seconds.push_back(run.figures[at]);
        }
        const auto range = std::minmax_element(ratios.begin(), ratios.end());
        std::printf("  %-58s %6.2f  %5.2f-%-6.2f %7.2f  %.3f s\n", kStepNames[step], Median(ratios), *range.first,
                    *range.second, Median(growth), Median(seconds));
    }
    std::vector<double> launchRatios;
    std::vector<double> launchSeconds;
    for (const Run& run : runs) {
        launchRatios.push_back(run.emptyLaunch / run.baseline);
        launchSeconds.push_back(run.emptyLaunch);
    }
    const auto range = std::minmax_element(launchRatios.begin(), launchRatios.end());
    std::printf("  %-58s %6.2f  %5.2f-%-6.2f %7s  %.3f s\n", "for comparison: launch of a program with one message box",
                Median(launchRatios), *range.first, *range.second, "", Median(launchSeconds));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == kMessageBoxOption) {
        MessageBoxA(nullptr, "Launched.", "selection_bench", MB_OK);
        return 0;
    }
    const int count = argc > 1 ? std::atoi(argv[1]) : 65535;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (count < 2 || count > 65535 || runs < 1) {
        std::fprintf(stderr, "usage: selection_bench [entries, 2 to 65535 [runs]]\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("faximport selection benchmark: %d entries, %d runs, Wine %s\n", count, runs, WineVersion());
    std::printf("Each step's time as a ratio to the baseline of its run: a bare list box in this\n"
                "process receiving the same texts by LB_ADDSTRING (drawing off, room reserved).\n");

    try {
        Expect(EnsureDirectory(kWorkFolder), std::string("cannot create ") + kWorkFolder);
        const std::vector<DataSet> dataSets = {CsvData(count), SpeedDialData(count)};
        const std::vector<DataSet> smallSets = {CsvData(kSmallCount), SpeedDialData(kSmallCount)};
        // One small import of each kind first, so that what Wine does once
        // per session (loading the file chooser's parts, say) is not timed.
        for (const DataSet& data : smallSets)
            RunImport(data, kSmallCount);
        LaunchMessageBoxProgram();
        std::vector<std::vector<Run>> results(dataSets.size());
        for (int run = 0; run < runs; ++run) {
            for (std::size_t set = 0; set < dataSets.size(); ++set) {
                // The machine may be busier at one moment than at another:
                // the baseline is taken before and after the import.
                std::vector<double> fills = BareListFills(dataSets[set].selectedTexts);
                const Figures figures = RunImport(dataSets[set], count);
                const std::vector<double> after = BareListFills(dataSets[set].selectedTexts);
                fills.insert(fills.end(), after.begin(), after.end());
                const Figures small = RunImport(smallSets[set], kSmallCount);
                const double emptyLaunch = LaunchMessageBoxProgram();
                results[set].push_back({Median(fills), emptyLaunch, figures, small});
            }
        }
        for (std::size_t set = 0; set < dataSets.size(); ++set)
            Report(dataSets[set], kSmallCount, results[set]);
    } catch (const DriveError& error) {
        std::fprintf(stderr, "selection_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
