// Address-book imports through the platform's libraries: the MAPI32.DLL and
// WAB doubles built beside faximport.exe serve a book written by each test,
// answer the address dialog with a pre-arranged pick and log the calls that
// matter. Wine's own mapi32 and a disabled mapi32 cover the failing starts.
// Every test puts the profile entry and registry values it changes back.
#include "import_run.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>

#include "addrbook/win32/wab_param_size.h"
#include "faximport_version.h"
#include "framework/handles.h"
#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

constexpr char kMapiItem[] = "MS Messaging System Address Book";
constexpr char kWabItem[] = "Windows Address Book (WAB)";
constexpr char kWabChooserTitle[] = "Import WAB File";
constexpr char kWabErrorCaption[] = "WAB Import Error";
constexpr char kMapiErrorCaption[] = "Start MAPI Subsystem Error";
constexpr char kMapiMissingText[] = "A required .DLL file, MAPI32.DLL, was not found.";
constexpr char kRejectedFromSelection[] = "Rejected from selection:";
constexpr char kCapText[] = "*Only the first 50 fax entries will be imported.";

// WABOpen as the program must call it for the WAB file named file ("" for
// the default one), with the four-field size of this build's WAB_PARAM.
std::string ExpectedWabOpenCall(const std::string& file)
{
    return "WABOpen cbSize=" + std::to_string(kFourFieldWabParamSize) + " hwnd=0 file=\"" + file +
           "\" flags=0 reserved=0";
}

constexpr char kWabDouble[] = "wab_double.dll";
constexpr char kWabWithoutOpen[] = "wab_without_open.dll";

// The address dialog as the program must ask for it, owned by window.
std::string ExpectedAddressCall(HWND window)
{
    return "Address ui=" + std::to_string(reinterpret_cast<ULONG_PTR>(window)) +
           " container=0/null flags=1 reserved=null help=0/null callbacks=null caption=\"Address Book\""
           " newEntry=\"Used for message only, not for fax import\" wells=\"Selected Recipients\""
           " fields=1 focus=0 title=\"To\" type=1 restrictions=null list=null";
}

constexpr char kWabClosedCleanly[] = "WAB object released: objects left 0, buffers left 0, bad frees 0";
constexpr char kMapiClosedCleanly[] = "MAPIUninitialize: objects left 0, buffers left 0, bad frees 0";

// The [Mail] MAPIX profile entry, the registered WAB library and the
// program's mapi32 override, as they were before the test.
class PlatformSettings {
public:
    PlatformSettings()
    {
        char value[64] = {};
        // A default no real entry has tells a missing entry from an empty one.
        GetProfileStringA("Mail", "MAPIX", "\x01", value, sizeof value);
        mapixPresent_ = std::string(value) != "\x01";
        mapix_ = value;
        wabPathPresent_ = ReadValue(HKEY_LOCAL_MACHINE, kWabKey, "", wabPath_);
        overridePresent_ = ReadValue(HKEY_CURRENT_USER, kOverrideKey, "mapi32", override_);
    }

    ~PlatformSettings()
    {
        SetMapix(mapixPresent_ ? mapix_.c_str() : nullptr);
        WriteValue(HKEY_LOCAL_MACHINE, kWabKey, "", wabPathPresent_ ? wabPath_.c_str() : nullptr);
        WriteValue(HKEY_CURRENT_USER, kOverrideKey, "mapi32", overridePresent_ ? override_.c_str() : nullptr);
    }

    PlatformSettings(const PlatformSettings&) = delete;
    PlatformSettings& operator=(const PlatformSettings&) = delete;

    // nullptr removes the entry.
    static void SetMapix(const char* value) { WriteProfileStringA("Mail", "MAPIX", value); }
    // nullptr removes the value: the program then tries WAB32.DLL.
    static bool SetWabLibrary(const char* path, DWORD type = REG_SZ)
    {
        return WriteValue(HKEY_LOCAL_MACHINE, kWabKey, "", path, type);
    }
    // "native" loads MAPI32.DLL from the program's folder, "" disables it,
    // nullptr leaves Wine's own.
    static bool SetMapiOverride(const char* value)
    {
        return WriteValue(HKEY_CURRENT_USER, kOverrideKey, "mapi32", value);
    }

private:
    static constexpr char kWabKey[] = "Software\\Microsoft\\WAB\\DLLPath";
    static constexpr char kOverrideKey[] = "Software\\Wine\\AppDefaults\\faximport.exe\\DllOverrides";

    static bool ReadValue(HKEY root, const char* keyName, const char* valueName, std::string& text)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        char buffer[512] = {};
        DWORD size = sizeof buffer - 1;
        const bool found =
            RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        text = buffer;
        return found;
    }

    static bool WriteValue(HKEY root, const char* keyName, const char* valueName, const char* text, DWORD type = REG_SZ)
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root, keyName, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        LONG status = ERROR_SUCCESS;
        if (text != nullptr) {
            status = RegSetValueExA(key, valueName, 0, type, reinterpret_cast<const BYTE*>(text),
                                    static_cast<DWORD>(std::strlen(text) + 1));
        } else {
            status = RegDeleteValueA(key, valueName);
            if (status == ERROR_FILE_NOT_FOUND)
                status = ERROR_SUCCESS;
        }
        RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }

    bool mapixPresent_ = false;
    std::string mapix_;
    bool wabPathPresent_ = false;
    std::string wabPath_;
    bool overridePresent_ = false;
    std::string override_;
};

bool ProgressNoticeShown(DWORD processId)
{
    return FindProgressNotice(processId) != nullptr;
}

// The two events of the doubles' "pause" switch: the program's walk holds in
// its first person's read until Resume, so what the test does meanwhile
// happens while the walk is known to run, on any machine load.
class ReadPause {
public:
    ReadPause()
        : name_("faximport-e2e-pause-" + std::to_string(GetCurrentProcessId())),
          reading_(CreateEventA(nullptr, TRUE, FALSE, (name_ + "-reading").c_str())),
          go_(CreateEventA(nullptr, TRUE, FALSE, (name_ + "-go").c_str()))
    {
    }

    // The line of the book that sets the switch.
    std::string BookLine() const { return "set\tpause\t" + name_ + "\n"; }
    bool WaitUntilReading() const { return WaitForSingleObject(reading_.get(), kDefaultTimeoutMs) == WAIT_OBJECT_0; }
    void Resume() const { SetEvent(go_.get()); }

private:
    std::string name_;
    UniqueHandle reading_;
    UniqueHandle go_;
};

class AddressBookRun : public ImportRun {
protected:
    void SetUp() override
    {
        ImportRun::SetUp();
        if (HasFatalFailure())
            return;
        settings_ = std::make_unique<PlatformSettings>();
        // A clean start: no MAPI, no registered WAB, Wine's own mapi32.
        PlatformSettings::SetMapix(nullptr);
        ASSERT_TRUE(PlatformSettings::SetWabLibrary(nullptr));
        ASSERT_TRUE(PlatformSettings::SetMapiOverride(nullptr));
        // The doubles in faximport's process find their book and log here.
        SetEnvironmentVariableA("FAXIMPORT_TEST_BOOK", WorkPath("book.txt").c_str());
        SetEnvironmentVariableA("FAXIMPORT_TEST_LOG", WorkPath("calls.log").c_str());
    }

    void TearDown() override
    {
        program_.Kill();
        SetEnvironmentVariableA("FAXIMPORT_TEST_BOOK", nullptr);
        SetEnvironmentVariableA("FAXIMPORT_TEST_LOG", nullptr);
        settings_.reset();
    }

    void WriteBook(const std::string& text) { WriteWorkFile("book.txt", text); }

    static void UseMapiDouble()
    {
        PlatformSettings::SetMapix("1");
        ASSERT_TRUE(PlatformSettings::SetMapiOverride("native"));
    }

    static void UseWabLibrary(const char* fileName)
    {
        ASSERT_TRUE(PlatformSettings::SetWabLibrary((OwnDirectory() + fileName).c_str()));
    }

    // Starts the program on exportPath and picks this source in the data
    // type dialog.
    void StartWithSource(const std::string& exportPath, const char* item, bool defaultWab = true)
    {
        Start(exportPath);
        ASSERT_FALSE(HasFatalFailure());
        ChooseSource(item, defaultWab);
    }

    // In the data type dialog: this source; for the WAB, the default file
    // or a file to choose. Then OK.
    void ChooseSource(const char* item, bool defaultWab = true) { ChooseDataType(item, kDefaultWabCheck, defaultWab); }

    // The confirmation, with the host still out of use although the address
    // dialog and the logon (both owned by the host) enabled it on closing,
    // and the progress notice gone.
    HWND WaitForAddressBookConfirmation()
    {
        HWND confirmation = WaitForConfirmation();
        if (confirmation) {
            EXPECT_FALSE(host_->IsEnabled()) << "the host became usable while the import runs";
            EXPECT_FALSE(ProgressNoticeShown(ProgramId())) << "the progress notice outlived the extraction";
        }
        return confirmation;
    }

    // The lines the doubles logged during the run.
    std::vector<std::string> Calls() const
    {
        std::string text;
        ReadFileBytes(WorkPath("calls.log"), text);
        std::vector<std::string> lines;
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        return lines;
    }

    std::string HostValue() const { return std::to_string(reinterpret_cast<ULONG_PTR>(host_->Window())); }

    // The run's last calls: the address book closed with nothing left over,
    // then its library freed.
    void ExpectClosedAtEnd(const char* closedLine, const char* freedLine) const
    {
        const std::vector<std::string> calls = Calls();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[calls.size() - 2], closedLine);
        EXPECT_EQ(calls.back(), freedLine);
    }

    std::unique_ptr<PlatformSettings> settings_;
};

// Persons with one, three and no usable numbers, numbers that need cleaning,
// and picked entries the walk cannot use: a person the address book cannot
// open, an entry without identifier, one without object type and a container.
constexpr char kMixedBook[] = "person\tann\tAnn Lee\t555-0101\t-\t-\n"
                              "person\tbob\tBob Stone\t+49 (30) 123-45\t555-0202\t555-0203\n"
                              "person\tcy\tCy [HQ] Dyer\t-\tn/a\t-\n"
                              "person\tdee\tDee Moss\t-\t-\t-\n"
                              "person\teve\tEve Hart\t , []\t-\t-\n"
                              "pick\tann bob cy dee eve ghost:6 -:6 ann:- box:3\n";

const std::vector<Entry> kMixedEntries = {{"Ann Lee", "555-0101"},
                                          {"Bob Stone", "+49(30)123-45"},
                                          {"Bob Stone", "555-0202"},
                                          {"Bob Stone", "555-0203"},
                                          {"Cy (HQ) Dyer", "N/A"}};

TEST_F(AddressBookRun, MapiAddressBookImportsPickedPersonsAndClosesEverything)
{
    UseMapiDouble();
    // A warning from OpenAddressBook still gives a usable address book.
    WriteBook(std::string(kMixedBook) + "set\tOpenAddressBook\twarning\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "5 fax entries will be imported:");
    EXPECT_EQ(ListItems(confirmation, kEntryList), ConfirmLines(kMixedEntries));
    // Nine entries examined; Dee and Eve have no usable number, and the four
    // unusable picks count as rejected too.
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"9", "6", "5", kRejectedFromSelection, ""}));
    ConfirmAndExpectExport(confirmation, exportPath, kMixedEntries);

    const std::string host = HostValue();
    const std::vector<std::string> expectedCalls = {
        "MAPI32 loaded",
        "MAPIInitialize init=null",
        "MAPILogonEx ui=" + host + " profile=null password=null flags=0x8021",
        "OpenAddressBook ui=" + host + " iid=null flags=0",
        ExpectedAddressCall(host_->Window()),
        "Logoff ui=" + host + " flags=2 reserved=0",
        "session released",
        kMapiClosedCleanly,
        "MAPI32 freed",
    };
    EXPECT_EQ(Calls(), expectedCalls);
}

TEST_F(AddressBookRun, EntriesAreTakenForWhatTheyOpenAs)
{
    UseMapiDouble();
    // Persons whose properties call them distribution lists, picked and as
    // a list's member: read as the persons they open as, each object
    // released once.
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\n"
              "person\tbob\tBob Stone\t555-0202\t-\t-\n"
              "list\tteam\tTeam\tbob:8\n"
              "pick\tann:8 team\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());
    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    const std::vector<Entry> expected = {{"Ann Lee", "555-0101"}, {"Bob Stone", "555-0202"}};
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"2", "0", "2", kRejectedFromSelection, ""}));
    ConfirmAndExpectExport(confirmation, exportPath, expected);
    const std::vector<std::string> calls = Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), kMapiClosedCleanly), calls.end());
}

TEST_F(AddressBookRun, MapiLogonFailureEndsSessionWithoutMessageOfItsOwn)
{
    UseMapiDouble();
    WriteBook(std::string(kMixedBook) + "set\tlogon\tfail\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());
    ExpectNoEntryHandBack(exportPath);

    const std::vector<std::string> expectedCalls = {
        "MAPI32 loaded",
        "MAPIInitialize init=null",
        "MAPILogonEx ui=" + HostValue() + " profile=null password=null flags=0x8021",
        kMapiClosedCleanly,
        "MAPI32 freed",
    };
    EXPECT_EQ(Calls(), expectedCalls);
}

TEST_F(AddressBookRun, MapiInitializeFailureEndsWithoutLogonOrUninitialize)
{
    UseMapiDouble();
    WriteBook(std::string(kMixedBook) + "set\tMAPIInitialize\tfail\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());
    ExpectNoEntryHandBack(exportPath);

    const std::vector<std::string> expectedCalls = {"MAPI32 loaded", "MAPIInitialize init=null", "MAPI32 freed"};
    EXPECT_EQ(Calls(), expectedCalls);
}

TEST_F(AddressBookRun, FailedAddressDialogFreesTheListItReturned)
{
    UseMapiDouble();
    WriteBook(std::string(kMixedBook) + "set\tAddress\tfail\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());
    ExpectNoEntryHandBack(exportPath);

    ExpectClosedAtEnd(kMapiClosedCleanly, "MAPI32 freed");
}

TEST_F(AddressBookRun, EmptyPickFromDefaultWabImportsNothing)
{
    UseWabLibrary(kWabDouble);
    // OK in the address dialog with nobody picked: a list with no entries.
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\npick\t\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());
    ExpectNoEntryHandBack(exportPath);

    ExpectClosedAtEnd(kWabClosedCleanly, "WAB library freed");
}

TEST_F(AddressBookRun, FaultInsideTheProgramStillHandsTheHostBack)
{
    UseWabLibrary(kWabDouble);
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\npick\tann\nset\tAddress\tcrash\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    ASSERT_TRUE(program_.WaitForExit()) << "faximport did not end after the fault";
    EXPECT_EQ(program_.ExitCode(), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_TRUE(host_->IsEnabled()) << "the host window was left disabled";
    EXPECT_TRUE(host_->WaitForCommand(kPlainExportCommand)) << "no command reached the host";
    const std::vector<ReceivedCommand> expected = {{kPlainExportCommand, 0, 0}};
    EXPECT_EQ(host_->Commands(), expected);
    EXPECT_FALSE(FileExists(exportPath));
}

TEST_F(AddressBookRun, WinesOwnMapiFailsLogonSilently)
{
    PlatformSettings::SetMapix("1");
    WriteBook(kMixedBook);
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());
    ExpectNoEntryHandBack(exportPath);
    EXPECT_EQ(Calls(), std::vector<std::string>()) << "the MAPI32.DLL double was loaded instead of Wine's";
}

TEST_F(AddressBookRun, MissingMapiLibraryIsReportedBeforeNoEntryWarning)
{
    PlatformSettings::SetMapix("1");
    ASSERT_TRUE(PlatformSettings::SetMapiOverride(""));
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());

    ExpectMessage(kMapiErrorCaption, kMapiMissingText);
    ExpectNoEntryHandBack(exportPath);
}

// Below HKLM, where installed Office and Click-to-Run keep the keys of the
// Office versions.
constexpr char kOfficeKey[] = "Software\\Microsoft\\Office";
constexpr char kClickToRunOfficeKey[] =
    "Software\\Microsoft\\Office\\ClickToRun\\REGISTRY\\MACHINE\\Software\\Microsoft\\Office";

// Outlook's Bitness values for a program of this test's bitness (faximport
// is built alike) and for one of the other, and the other's release package.
constexpr bool kTest64Bit = sizeof(void*) == 8;
constexpr const char* kOwnBitness = kTest64Bit ? "x64" : "x86";
constexpr const char* kOtherBitness = kTest64Bit ? "x86" : "x64";
const std::string kOtherPackage =
    std::string("faximport-") + FAXIMPORT_RELEASE_VERSION + (kTest64Bit ? "-x86.zip" : "-x64.zip");

// Outlook's Bitness value under <officeKey>\<version>\Outlook in the 64-bit
// registry view, for one test. That Outlook key must not exist yet; the keys
// created for it are deleted again, deepest first, when this goes.
class OutlookBitnessValue {
public:
    OutlookBitnessValue(const std::string& officeKey, const char* version, const char* bitness)
    {
        const std::string path = officeKey + "\\" + version + "\\Outlook";
        for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
            const std::string level = path.substr(0, end);
            if (!created_.empty() || !KeyExists(level))
                created_.push_back(level);
            if (end == std::string::npos)
                break;
        }
        HKEY opened = nullptr;
        if (created_.empty() ||
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                            &opened, nullptr) != ERROR_SUCCESS)
            return;
        const UniqueRegistryKey key(opened);
        written_ = RegSetValueExA(key.get(), "Bitness", 0, REG_SZ, reinterpret_cast<const BYTE*>(bitness),
                                  static_cast<DWORD>(std::strlen(bitness) + 1)) == ERROR_SUCCESS;
    }

    ~OutlookBitnessValue()
    {
        for (auto level = created_.rbegin(); level != created_.rend(); ++level)
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, level->c_str(), KEY_WOW64_64KEY, 0);
    }

    OutlookBitnessValue(const OutlookBitnessValue&) = delete;
    OutlookBitnessValue& operator=(const OutlookBitnessValue&) = delete;

    // False when the Outlook key was there before or the value was not written.
    bool Written() const { return written_; }

private:
    static bool KeyExists(const std::string& path)
    {
        HKEY opened = nullptr;
        const bool exists =
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) == ERROR_SUCCESS;
        const UniqueRegistryKey key(exists ? opened : nullptr);
        return exists;
    }

    std::vector<std::string> created_;
    bool written_ = false;
};

TEST_F(AddressBookRun, OutlookOfTheOtherBitnessIsNamedBeforeMapi32IsLoaded)
{
    UseMapiDouble();
    WriteBook(kMixedBook);
    const OutlookBitnessValue outlook(kOfficeKey, "16.0", kOtherBitness);
    ASSERT_TRUE(outlook.Written());
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());

    const MessageBoxInfo error = AnswerNextMessage();
    EXPECT_EQ(error.caption, kMapiErrorCaption);
    EXPECT_NE(error.text.find(kOtherPackage), std::string::npos) << error.text;
    ExpectNoEntryHandBack(exportPath);
    EXPECT_EQ(Calls(), std::vector<std::string>()) << "MAPI32.DLL was loaded";
}

TEST_F(AddressBookRun, OutlookOfTheProgramsOwnBitnessInClickToRunOutranksAnOlderVersion)
{
    UseMapiDouble();
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\npick\tann\n");
    const OutlookBitnessValue older(kOfficeKey, "15.0", kOtherBitness);
    const OutlookBitnessValue clickToRun(kClickToRunOfficeKey, "16.0", kOwnBitness);
    ASSERT_TRUE(older.Written());
    ASSERT_TRUE(clickToRun.Written());
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kMapiItem);
    ASSERT_FALSE(HasFatalFailure());

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectExport(confirmation, exportPath, {{"Ann Lee", "555-0101"}});
}

// Everyone contains Sales and itself; Sales contains Support, which contains
// Sales and Everyone again. Sales is also picked on its own.
constexpr char kListBook[] = "person\tann\tAnn Lee\t555-0101\t-\t-\n"
                             "person\tbob\tBob Stone\t-\t555-0102\t-\n"
                             "person\tcy\tCy Dyer\t-\t-\t555-0103\n"
                             "person\tdee\tDee Moss\t-\t-\t-\n"
                             "list\tall\tEveryone\tann sales all\n"
                             "list\tsales\tSales\tbob support dee\n"
                             "list\tsupport\tSupport\tcy sales all\n"
                             "pick\tall ann sales\n";

TEST_F(AddressBookRun, DefaultWabExpandsNestedAndSelfContainingListsOnce)
{
    UseWabLibrary(kWabDouble);
    WriteBook(kListBook);
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    // Depth first: Ann, then Sales with Bob, Support with Cy, then Dee. The
    // inner references are skipped. Ann picked again and Sales picked on its
    // own give Ann, Bob and Dee once more: examined, all rejected.
    const std::vector<Entry> entries = {{"Ann Lee", "555-0101"}, {"Bob Stone", "555-0102"}, {"Cy Dyer", "555-0103"}};
    EXPECT_EQ(ListItems(confirmation, kEntryList), ConfirmLines(entries));
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"7", "4", "3", kRejectedFromSelection, ""}));
    ConfirmAndExpectExport(confirmation, exportPath, entries);

    // The probe loads the library once and frees it; the import loads it again.
    const std::vector<std::string> expectedCalls = {
        "WAB library loaded",
        "WAB library freed",
        "WAB library loaded",
        ExpectedWabOpenCall(""),
        ExpectedAddressCall(host_->Window()),
        kWabClosedCleanly,
        "WAB library freed",
    };
    EXPECT_EQ(Calls(), expectedCalls);
}

TEST_F(AddressBookRun, ChosenWabFileIsTheOneOpened)
{
    UseWabLibrary(kWabDouble);
    // The default book would import Ann; the chosen file holds Bob.
    WriteBook(kMixedBook);
    const std::string wabPath = WriteWorkFile("office.wab", "person\tbob\tBob Stone\t555-0102\t-\t-\n"
                                                            "pick\tbob\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, false);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(ChooseFile(ProgramId(), kWabChooserTitle, wabPath)) << "no WAB file chooser";

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"1", "0", "1", kRejectedFromSelection, ""}));
    ConfirmAndExpectExport(confirmation, exportPath, {{"Bob Stone", "555-0102"}});

    const std::vector<std::string> calls = Calls();
    const std::string expectedOpen = ExpectedWabOpenCall(wabPath);
    EXPECT_NE(std::find(calls.begin(), calls.end(), expectedOpen), calls.end()) << "no " << expectedOpen;
    EXPECT_NE(std::find(calls.begin(), calls.end(), kWabClosedCleanly), calls.end());
}

TEST_F(AddressBookRun, WabOpenWarningIsAFailureAndWhatItReturnedIsReleased)
{
    UseWabLibrary(kWabDouble);
    const std::string wabPath = WriteWorkFile("warned.wab", std::string(kMixedBook) + "set\tWABOpen\twarning\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, false);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(ChooseFile(ProgramId(), kWabChooserTitle, wabPath)) << "no WAB file chooser";

    ExpectMessage(kWabErrorCaption, "Fail to open Windows Address Book.\nCannot import data from " + wabPath + ".");
    ExpectNoEntryHandBack(exportPath);

    // Released although the open failed; the address dialog never ran.
    ExpectClosedAtEnd(kWabClosedCleanly, "WAB library freed");
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& line) { return line.rfind("Address ", 0) == 0; }),
              0);
}

TEST_F(AddressBookRun, WabLibraryWithoutWabOpenFailsToOpenDefaultWab)
{
    UseWabLibrary(kWabWithoutOpen);
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    ExpectMessage(kWabErrorCaption, "Fail to open Windows Address Book.\nCannot import data from Default WAB File.");
    ExpectNoEntryHandBack(exportPath);
}

TEST_F(AddressBookRun, HostCapTakesFiftyEntriesAndCountsTheRest)
{
    UseWabLibrary(kWabDouble);
    // Seventeen persons with three numbers each: 51 usable numbers.
    std::string book;
    std::string pick = "pick\t";
    std::vector<Entry> firstFifty;
    for (int person = 1; person <= 17; ++person) {
        const std::string id = "p" + std::to_string(person);
        const std::string name = "Person " + std::to_string(person);
        book += "person\t" + id + "\t" + name;
        for (int number = 1; number <= 3; ++number) {
            const std::string fax = "555-" + std::to_string(person * 10 + number);
            book += "\t" + fax;
            if (firstFifty.size() < 50)
                firstFifty.push_back({name, fax});
        }
        book += "\n";
        pick += id + " ";
    }
    WriteBook(book + pick + "\n");
    const std::string exportPath = WorkPath("export.dat");
    Start(exportPath, true);
    ASSERT_FALSE(HasFatalFailure());
    ChooseSource(kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "50 fax entries will be imported:");
    EXPECT_EQ(ListItems(confirmation, kEntryList), ConfirmLines(firstFifty));
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"17", "0", "51", kRejectedFromSelection, kCapText}));
    ConfirmAndExpectExport(confirmation, exportPath, firstFifty);
}

TEST_F(AddressBookRun, ProgressNoticeStandsWhileEntriesAreRead)
{
    UseWabLibrary(kWabDouble);
    const ReadPause pause;
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\n"
              "person\tbob\tBob Stone\t555-0102\t-\t-\n"
              "pick\tann bob\n" +
              pause.BookLine());
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    ASSERT_TRUE(pause.WaitUntilReading()) << "the walk did not start";
    EXPECT_TRUE(ProgressNoticeShown(ProgramId())) << "no progress notice while an entry is read";
    pause.Resume();
    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectExport(confirmation, exportPath, {{"Ann Lee", "555-0101"}, {"Bob Stone", "555-0102"}});
}

TEST_F(AddressBookRun, CancelOnTheProgressNoticeStopsTheWalk)
{
    UseWabLibrary(kWabDouble);
    const ReadPause pause;
    WriteBook("person\tp1\tPerson 1\t555-1\n"
              "person\tp2\tPerson 2\t555-2\n"
              "person\tp3\tPerson 3\t555-3\n"
              "pick\tp1 p2 p3\n" +
              pause.BookLine());
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());

    // The Cancel is queued while the first person is read: the walk must
    // take it before the second.
    ASSERT_TRUE(pause.WaitUntilReading()) << "the walk did not start";
    HWND notice = FindProgressNotice(ProgramId());
    ASSERT_TRUE(notice) << "no progress notice while an entry is read";
    PostClick(notice, IDCANCEL);
    pause.Resume();
    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ReadStatistics(confirmation),
              (Statistics{"1", "0", "1", kRejectedFromSelection, "*Stopped early: not every entry was read."}));
    const std::vector<Entry> collected = {{"Person 1", "555-1"}};
    EXPECT_EQ(ListItems(confirmation, kEntryList), ConfirmLines(collected));
    ConfirmAndExpectExport(confirmation, exportPath, collected);
}

TEST_F(AddressBookRun, WithoutRegisteredPathTheWab32BesideTheProgramIsUsed)
{
    // A folder of its own: a WAB32.DLL beside the shared faximport.exe would
    // change what every other test is offered.
    const std::string folder = std::string(kWorkFolder) + "-wab32";
    const std::string program = folder + "\\faximport.exe";
    ASSERT_TRUE(EnsureDirectory(folder));
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((OwnDirectory() + kWabDouble).c_str(), (folder + "\\WAB32.DLL").c_str(), FALSE));
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\npick\tann\n");
    const std::string exportPath = WorkPath("export.dat");

    host_ = std::make_unique<TestHost>();
    ASSERT_TRUE(host_->MakeForeground()) << "the host window did not become the foreground window";
    program_.Start(program, exportPath);
    ChooseSource(kWabItem, true);
    ASSERT_FALSE(HasFatalFailure());
    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectExport(confirmation, exportPath, {{"Ann Lee", "555-0101"}});

    const std::vector<std::string> calls = Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), ExpectedWabOpenCall("")), calls.end());
    EXPECT_TRUE(RemoveFile(program));
    EXPECT_TRUE(RemoveFile(folder + "\\WAB32.DLL"));
    RemoveDirectoryA(folder.c_str());
}

TEST_F(AddressBookRun, RegisteredWabPathWithEnvironmentVariablesIsExpanded)
{
    // As Windows registers it: REG_EXPAND_SZ naming a folder through a variable.
    SetEnvironmentVariableA("FAXIMPORT_TEST_LIBRARIES", OwnDirectory().c_str());
    ASSERT_TRUE(PlatformSettings::SetWabLibrary("%FAXIMPORT_TEST_LIBRARIES%wab_double.dll", REG_EXPAND_SZ));
    WriteBook("person\tann\tAnn Lee\t555-0101\t-\t-\npick\tann\n");
    const std::string exportPath = WorkPath("export.dat");
    StartWithSource(exportPath, kWabItem, true);
    SetEnvironmentVariableA("FAXIMPORT_TEST_LIBRARIES", nullptr);
    ASSERT_FALSE(HasFatalFailure());

    HWND confirmation = WaitForAddressBookConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectExport(confirmation, exportPath, {{"Ann Lee", "555-0101"}});
}

TEST_F(AddressBookRun, LibraryInTheCurrentFolderIsNeverLoaded)
{
    // The host starts the program with a current folder that holds a
    // WAB32.DLL; neither the program's folder nor the registry names one.
    const std::string folder = std::string(kWorkFolder) + "-current";
    ASSERT_TRUE(EnsureDirectory(folder));
    ASSERT_TRUE(CopyFileA((OwnDirectory() + kWabDouble).c_str(), (folder + "\\WAB32.DLL").c_str(), FALSE));
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    Start(WorkPath("export.dat"));
    SetCurrentDirectoryA(previous);
    ASSERT_FALSE(HasFatalFailure());

    HWND dialog = WaitForDataTypeDialog();
    ASSERT_TRUE(dialog) << "no data type dialog";
    const std::vector<ComboItem> items = ComboItems(dialog, kKindCombo);
    ASSERT_EQ(items.size(), 2u) << "an address book was offered";
    EXPECT_EQ(items[0].text, kCsvItem);
    EXPECT_EQ(items[1].text, kSpeedDialItem);
    PostClick(dialog, IDCANCEL);
    ExpectHandBack(kPlainExportCommand);
    EXPECT_EQ(Calls(), std::vector<std::string>()) << "the WAB32.DLL in the current folder was loaded";
    EXPECT_TRUE(RemoveFile(folder + "\\WAB32.DLL"));
    RemoveDirectoryA(folder.c_str());
}

// The data type dialog with the two address-book probes in each state.
struct OfferCase {
    const char* name;
    const char* mapix; // the [Mail] MAPIX entry; nullptr: none
    bool wabLibrary;   // the WAB double registered
    std::vector<ComboItem> items;
    bool defaultWabVisible;
};

void PrintTo(const OfferCase& scenario, std::ostream* out)
{
    *out << scenario.name;
}

const OfferCase kOfferCases[] = {
    {"MapixOneAndWab", "1", true, {{kMapiItem, 1}, {kWabItem, 2}, {kCsvItem, 4}, {kSpeedDialItem, 6}}, false},
    {"MapixTwo", "2", false, {{kCsvItem, 4}, {kSpeedDialItem, 6}}, false},
    {"NoMapixButWab", nullptr, true, {{kWabItem, 2}, {kCsvItem, 4}, {kSpeedDialItem, 6}}, true},
};

class AddressBookOfferRun : public AddressBookRun, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(AddressBookOfferRun, OffersAddressBooksByTheirProbes)
{
    const OfferCase& scenario = GetParam();
    PlatformSettings::SetMapix(scenario.mapix);
    if (scenario.wabLibrary)
        UseWabLibrary(kWabDouble);
    HWND dialog = OpenDataType(WorkPath("export.dat"));
    ASSERT_TRUE(dialog) << "no data type dialog";

    const std::vector<ComboItem> items = ComboItems(dialog, kKindCombo);
    ASSERT_EQ(items.size(), scenario.items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, scenario.items[i].text) << "item " << i;
        EXPECT_EQ(items[i].data, scenario.items[i].data) << "item " << i;
    }
    EXPECT_EQ(ComboSelection(dialog, kKindCombo), 0);
    EXPECT_EQ(IsControlVisible(dialog, kDefaultWabCheck), scenario.defaultWabVisible);
    EXPECT_TRUE(IsChecked(dialog, kDefaultWabCheck));

    PostClick(dialog, IDCANCEL);
    ExpectHandBack(kPlainExportCommand);
}

INSTANTIATE_TEST_SUITE_P(Probes, AddressBookOfferRun, ::testing::ValuesIn(kOfferCases),
                         [](const ::testing::TestParamInfo<OfferCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
