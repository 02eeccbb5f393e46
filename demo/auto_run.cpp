#include "auto_run.h"

#include <cstdio>
#include <set>

#include "export_report.h"
#include "testkit/child_process.h"
#include "testkit/dialog_contract.h"
#include "testkit/dialog_driver.h"
#include "testkit/file_bytes.h"
#include "testkit/screenshot.h"

using namespace contract;
using namespace testkit;

namespace {

// How many different people the scripted run picks.
constexpr std::size_t kPeopleToPick = 5;

class ScriptedRun {
public:
    ScriptedRun(TestHost& host, const ScriptedRunPaths& paths) : host_(host), paths_(paths) {}

    void Run()
    {
        RemoveFile(paths_.exportFile);
        if (!host_.MakeForeground())
            throw DriveError("the host window did not become the foreground window");
        program_.Start(paths_.program, paths_.exportFile);
        Step("Data type dialog: CSV with automatic field search");
        ChooseDataType();
        Step("File chooser: " + paths_.csv);
        ChooseCsvFile();
        Step("Selection dialog: picking a few recipients");
        PickRecipients();
        Step("Confirmation dialog");
        Confirm();
        if (!program_.WaitForExit())
            throw DriveError("faximport did not end");
        host_.WaitForCommand(1022);
    }

private:
    void Step(const std::string& what) { std::printf("* %s\n", what.c_str()); }

    HWND Expect(HWND window, const char* what)
    {
        if (!window) {
            MessageBoxInfo box = WaitForMessage(program_.Id(), 0);
            if (box.window)
                throw DriveError(std::string("no ") + what + "; faximport says: " + box.text);
            throw DriveError(std::string("no ") + what);
        }
        return window;
    }

    void Shot(HWND window, const std::string& name)
    {
        // Give the dialog time to paint before its screen area is copied.
        TrySend(window, WM_NULL, 0, 0);
        Sleep(400);
        const std::string path = paths_.screenshots + "\\" + name + ".bmp";
        if (SaveWindowBitmap(window, path))
            std::printf("  screenshot %s\n", path.c_str());
        else
            std::printf("  (no screenshot %s)\n", path.c_str());
    }

    void ChooseDataType()
    {
        DialogQuery query;
        query.processId = program_.Id();
        query.caption = "Import Fax Recipient Data";
        query.requiredControl = kKindCombo;
        HWND dialog = Expect(WaitForDialog(query), "data type dialog");
        ComboChoose(dialog, kKindCombo, "Comma Separated Values (CSV)");
        SetChecked(dialog, kAutoSearchCheck, true);
        Shot(dialog, "1-data-type");
        PostClick(dialog, IDOK);
    }

    void ChooseCsvFile()
    {
        HWND chooser = Expect(WaitForFileChooser(program_.Id(), "Import CSV File"), "file chooser");
        EnterFileName(chooser, paths_.csv);
        Shot(chooser, "2-file-chooser");
        PostClick(chooser, IDOK);
        WaitUntilClosed(chooser);
    }

    // Takes the first entries that have a fax number, one per person.
    void PickRecipients()
    {
        DialogQuery query;
        query.processId = program_.Id();
        query.caption = "CSV Import - ";
        query.captionIsPrefix = true;
        query.requiredControl = kSourceList;
        HWND dialog = Expect(WaitForDialog(query), "selection dialog");
        const std::vector<std::string> items = ListItems(dialog, kSourceList);
        ListClearSelection(dialog, kSourceList);
        std::set<std::string> people;
        for (std::size_t i = 0; i < items.size() && people.size() < kPeopleToPick; ++i) {
            const std::string& text = items[i];
            const std::size_t bracket = text.rfind(" [");
            if (bracket == std::string::npos || text.compare(bracket, std::string::npos, " []") == 0)
                continue;
            if (people.insert(text.substr(0, bracket)).second)
                ListSelect(dialog, kSourceList, static_cast<int>(i));
        }
        SendClick(dialog, kAddButton);
        Shot(dialog, "3-selection");
        PostClick(dialog, IDOK);
    }

    void Confirm()
    {
        DialogQuery query;
        query.processId = program_.Id();
        query.caption = "Import Fax Recipient Data - Confirmation";
        query.requiredControl = kEntryList;
        HWND dialog = Expect(WaitForDialog(query), "confirmation dialog");
        Shot(dialog, "4-confirmation");
        PostClick(dialog, IDOK);
    }

    TestHost& host_;
    const ScriptedRunPaths& paths_;
    ChildProcess program_;
};

} // namespace

int RunScriptedImport(TestHost& host, const ScriptedRunPaths& paths)
{
    const std::size_t commandsBefore = host.Commands().size();
    int status = 0;
    try {
        ScriptedRun(host, paths).Run();
    } catch (const std::exception& error) {
        std::printf("The scripted run stopped: %s\n", error.what());
        status = 1;
    }
    std::vector<ReceivedCommand> commands = host.Commands();
    commands.erase(commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(commandsBefore));
    const std::string report = DescribeRun(paths.exportFile, commands, host.IsEnabled());
    std::printf("\n%s", report.c_str());
    host.SetOutputText(report);
    Sleep(300);
    if (SaveWindowBitmap(host.Window(), paths.screenshots + "\\5-host.bmp"))
        std::printf("  screenshot %s\n", (paths.screenshots + "\\5-host.bmp").c_str());
    if (!FileExists(paths.exportFile))
        status = 1;
    std::fflush(stdout);
    return status;
}
