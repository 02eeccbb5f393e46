// The company directory as a source, against the local directory server that
// ctest starts (scripts/directory-server.sh, seeded by
// tests/directory/seed-ldif.sh): the settings in the registry, the sign-in,
// paging past the server's size limit, Cancel between pages, and the
// failures that import nothing.
#include <algorithm>
#include <map>

#include "directory_server.h"
#include "import_run.h"

namespace e2e {
namespace {

using namespace testkit;

constexpr char kPeople[] = "ou=people,dc=example,dc=test";
constexpr char kReader[] = "uid=reader,ou=service,dc=example,dc=test";
// Fax values below ou=people: more than the 1,000 the server gives unpaged.
constexpr int kPeopleFaxValues = 1511;

class DirectoryRun : public ImportRun {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kDirectorySettingsKey); }

    std::string Server() const { return "127.0.0.1:" + std::to_string(DirectoryServerPort()); }

    // The user's directory settings, as the .reg example writes them.
    void Configure(const std::map<std::string, std::string>& values)
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kDirectorySettingsKey);
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, kDirectorySettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        for (const auto& value : values) {
            RegSetValueExA(key, value.first.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.second.c_str()),
                           static_cast<DWORD>(value.second.size() + 1));
        }
        RegCloseKey(key);
    }

    // Start, the directory chosen in the data type dialog.
    void StartDirectoryImport(const std::string& exportPath)
    {
        ASSERT_TRUE(OpenDataType(exportPath)) << "no data type dialog";
        ChooseDataType(kDirectoryItem);
    }

    void SignIn(const std::string& user, const std::string& password)
    {
        HWND signIn = WaitForProgramDialog(kSignInCaption, kSignInPassword);
        ASSERT_TRUE(signIn) << "no sign-in dialog";
        SetControlText(signIn, kSignInUser, user);
        SetControlText(signIn, kSignInPassword, password);
        PostClick(signIn, IDOK);
    }

    // A run that ends in the directory's error message, the no-entry warning
    // and the hand-back, with no export file.
    // With a password, the sign-in dialog is answered with it first.
    void ExpectFailure(const std::map<std::string, std::string>& settings, const std::string& messageStart,
                       const std::string& password = {})
    {
        Configure(settings);
        const std::string exportPath = WorkPath("export.dat");
        StartDirectoryImport(exportPath);
        if (!password.empty())
            SignIn(kReader, password);
        const MessageBoxInfo box = AnswerNextMessage();
        EXPECT_EQ(box.caption, kDirectoryErrorCaption);
        EXPECT_EQ(box.text.substr(0, messageStart.size()), messageStart) << box.text;
        ExpectNoEntryHandBack(exportPath);
    }

    HWND WaitForDirectorySelection() { return WaitForProgramDialog(kDirectoryCaptionStart + Server(), kSourceList); }

    // Everything offered to the right list, OK, and the confirmation.
    HWND ConfirmationOfAll(HWND selection, int offered)
    {
        EXPECT_EQ(ListCount(selection, kSourceList), offered);
        return ConfirmationOfItems(selection, 0, offered - 1, offered);
    }
};

TEST_F(DirectoryRun, SimpleBindPagesPastTheSizeLimit)
{
    Configure({{"Server", Server()}, {"BaseDN", kPeople}, {"Bind", "simple"}, {"PageSize", "400"}});
    const std::string exportPath = WorkPath("export.dat");
    StartDirectoryImport(exportPath);
    SignIn(kReader, "reader-secret");
    HWND selection = WaitForDirectorySelection();
    ASSERT_TRUE(selection) << "no selection dialog";
    // Sorted by name, one line per fax value; the name is displayName, else
    // cn, in code page 1252 (which has no kanji: they become "?").
    const std::vector<std::string> items = ListItems(selection, kSourceList);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(kPeopleFaxValues));
    EXPECT_EQ(items[0], "?? ?? [+81312345678]");
    EXPECT_EQ(items[1], "Berg, Hanna [+1555020007]");
    EXPECT_EQ(items[2], "Carla Cnonly [+1555020006]");
    EXPECT_EQ(items[3], "Doris Doppel [+1555020001]");
    EXPECT_EQ(items[4], "Doris Doppel [+1555020002]");
    EXPECT_EQ(items[5], "J\xFCrgen M\xFCller [+49301234567]");
    EXPECT_NE(std::find(items.begin(), items.end(), "Otto Other [+1555020004]"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "Olga Onlyother [+1555020005]"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "Person 1501 [+1555011501]"), items.end());

    HWND confirmation = ConfirmationOfAll(selection, kPeopleFaxValues);
    ASSERT_TRUE(confirmation) << "no confirmation";
    EXPECT_EQ(ReadStatistics(confirmation), (Statistics{"1511", "0", "1511", "Rejected from database:", ""}));
    ConfirmAndExpectHandBack(confirmation);
    const std::string bytes = ReadExport(exportPath);
    ASSERT_EQ(bytes.size(), 2u + kPeopleFaxValues * 62u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xE7\x05", 2));
    EXPECT_EQ(bytes.substr(2 + 62, 62), ExpectedExport({{"Berg, Hanna", "+1555020007"}}).substr(2));
}

TEST_F(DirectoryRun, AnonymousSearchStoppedByTheServerIsOfferedAsIncomplete)
{
    // The server gives anonymous users 1,000 entries even when they page.
    // Without a search base, the server's naming context is searched.
    Configure({{"Server", Server()}, {"Bind", "anonymous"}});
    const std::string exportPath = WorkPath("export.dat");
    StartDirectoryImport(exportPath);
    HWND selection = WaitForDirectorySelection();
    ASSERT_TRUE(selection) << "no selection dialog";
    const int offered = ListCount(selection, kSourceList);
    EXPECT_GE(offered, 1000);
    EXPECT_LT(offered, kPeopleFaxValues);
    HWND confirmation = ConfirmationOfItems(selection, 0, 1, 2);
    ASSERT_TRUE(confirmation) << "no confirmation";
    EXPECT_EQ(ControlText(confirmation, kCapLine), "*Incomplete: the directory sent only part of its entries.");
    ConfirmAndExpectHandBack(confirmation);
    EXPECT_EQ(ReadExport(exportPath).size(), 2u + 2 * 62u);
}

TEST_F(DirectoryRun, CancelBetweenPagesKeepsWhatCame)
{
    // Ten thousand pages of one entry: the search is still running when the
    // Cancel arrives.
    Configure({{"Server", Server()}, {"BaseDN", "ou=bench,dc=example,dc=test"}, {"Bind", "simple"}, {"PageSize", "1"}});
    const std::string exportPath = WorkPath("export.dat");
    StartDirectoryImport(exportPath);
    SignIn(kReader, "reader-secret");
    HWND notice = nullptr;
    for (int wait = 0; wait < 300 && notice == nullptr; ++wait) {
        notice = FindProgressNotice(ProgramId());
        if (notice == nullptr)
            Sleep(20);
    }
    ASSERT_TRUE(notice) << "no progress notice during the search";
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(notice, IDCANCEL))) << "a search that can stop offers Cancel";
    PostClick(notice, IDCANCEL);
    HWND selection = WaitForDirectorySelection();
    ASSERT_TRUE(selection) << "no selection dialog";
    const int offered = ListCount(selection, kSourceList);
    EXPECT_GT(offered, 0);
    EXPECT_LT(offered, 10000);
    HWND confirmation = ConfirmationOfItems(selection, 0, 0, 1);
    ASSERT_TRUE(confirmation) << "no confirmation";
    EXPECT_EQ(ControlText(confirmation, kCapLine), "*Stopped early: not every entry was read.");
    ConfirmAndExpectHandBack(confirmation);
    EXPECT_EQ(ReadExport(exportPath).size(), 2u + 62u);
}

TEST_F(DirectoryRun, AStoppedServerIsNamedAndNothingImported)
{
    // A port nothing listens on.
    ExpectFailure({{"Server", "127.0.0.1:1"}, {"Bind", "anonymous"}, {"TimeoutSeconds", "3"}},
                  "The company directory 127.0.0.1:1 could not be reached within 3 seconds.\n\n");
}

TEST_F(DirectoryRun, ARefusedSignInIsNamedAndNothingImported)
{
    ExpectFailure({{"Server", Server()}, {"BaseDN", kPeople}, {"Bind", "simple"}},
                  "The company directory " + Server() + " refused the sign-in.\n\n", "wrong-secret");
}

TEST_F(DirectoryRun, AMissingBaseIsNamedAndNothingImported)
{
    ExpectFailure({{"Server", Server()}, {"BaseDN", "ou=nowhere,dc=example,dc=test"}, {"Bind", "anonymous"}},
                  "The company directory " + Server() +
                      " has no entry ou=nowhere,dc=example,dc=test to search below.\n\n");
}

TEST_F(DirectoryRun, ASearchWithoutFaxNumbersIsNamedAndNothingImported)
{
    ExpectFailure({{"Server", Server()}, {"BaseDN", "ou=service,dc=example,dc=test"}, {"Bind", "anonymous"}},
                  "The company directory " + Server() + " holds no entry with a fax number.");
}

} // namespace
} // namespace e2e
