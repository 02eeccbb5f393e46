#include <gtest/gtest.h>

#include "app/session.h"
#include "fakes.h"

namespace {

const char* const kExport = "C:\\out\\export.dat";
const char* const kSource = "C:\\data\\list.csv";

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { platform.files.files[kSource] = "Name,Fax\nAnn,111\nBea,222\nCid,\n"; }

    void Run() { ImportSession(platform).Run(); }

    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& message : platform.messages)
            texts.push_back(message.text);
        return texts;
    }

    // The default WAB, with two picked persons that have a fax number each.
    void PickTwoPersonsWithFaxNumbers()
    {
        platform.dataType = DataSourceKind::kDefaultWab;
        for (std::uint8_t id : {1, 2}) {
            PersonFaxProperties person;
            person.displayName = {true, "P" + std::to_string(id)};
            person.faxNumbers[0] = {true, std::to_string(id)};
            platform.addressBooks.book.persons[{id}] = person;
            platform.addressBooks.picks.push_back({true, {id}, true, kObjectMailUser});
        }
    }

    FakeSessionPlatform platform;
};

using Texts = std::vector<std::string>;

TEST_F(SessionTest, CsvImportRunsToTheExportFile)
{
    Run();
    EXPECT_EQ(platform.events, (Texts{"disable", "datatype", "chooser", "confirm", "handback"}));
    EXPECT_EQ(platform.chooserKind, DataSourceKind::kCsvAuto);
    EXPECT_EQ(platform.confirmedEntryCount, 2);
    EXPECT_EQ(platform.confirmedCounters.selectedEntryCount, 2);
    EXPECT_EQ(platform.confirmedCounters.validFaxCount, 2);
    EXPECT_EQ(platform.confirmedCounters.rejectedEntryCount, 1);
    ASSERT_EQ(platform.files.files.count(kExport), 1u);
    EXPECT_EQ(platform.files.files[kExport].size(), 2u + 2 * 62);
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
    EXPECT_TRUE(platform.hostEnabled);
    EXPECT_EQ(platform.helpFiles, "C:\\Program Files\\Fax\\faximport.chm|C:\\Program Files\\Fax\\TQ3NWK.HLP");
}

TEST_F(SessionTest, SpeedDialImportRunsToTheExportFile)
{
    platform.dataType = DataSourceKind::kSpeedDial;
    platform.files.files[kSource] = "*,1,0,2\n001,X,12 3,Smith\n002,P,456,Jones\n003,Q,789,Bad\n";
    Run();
    EXPECT_EQ(platform.chooserKind, DataSourceKind::kSpeedDial);
    EXPECT_EQ(platform.confirmedEntryCount, 2);
    EXPECT_EQ(platform.confirmedCounters.rejectedEntryCount, 1);
    ASSERT_EQ(platform.files.files.count(kExport), 1u);
    EXPECT_EQ(platform.files.files[kExport].size(), 2u + 2 * 184);
    EXPECT_EQ(platform.commands, (std::vector<int>{1028}));
}

TEST_F(SessionTest, CapControlSetsTheCap)
{
    platform.capControl = true;
    std::string many = "Name,Fax\n";
    for (int i = 0; i < 60; ++i)
        many += "P,1" + std::to_string(i) + "\n";
    platform.files.files[kSource] = many;
    Run();
    EXPECT_EQ(platform.confirmedEntryCount, 50);
    EXPECT_EQ(platform.files.files[kExport].size(), 2u + 50 * 62);
}

TEST_F(SessionTest, CancelledDataTypeEndsQuietlyWith1022)
{
    platform.dataType = DataSourceKind::kCancelled;
    Run();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
    EXPECT_TRUE(platform.hostEnabled);
    EXPECT_EQ(platform.files.files.count(kExport), 0u);
}

TEST_F(SessionTest, CancelledChooserWarnsAndKeeps1028ForSpeedDial)
{
    platform.chosenFile.clear();
    platform.dataType = DataSourceKind::kSpeedDial;
    Run();
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
    EXPECT_EQ(platform.messages[0].caption, "Import Fax Recipient Data");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(platform.commands, (std::vector<int>{1028}));
    EXPECT_EQ(platform.preparedCommands, (std::vector<int>{1028})) << "known before the source runs";
}

TEST_F(SessionTest, ReaderErrorsAreReportedThenNoEntry)
{
    struct Case {
        std::string content;
        ReadStatus fileStatus; // what reading the file gives; kOk: its content
        std::string text;
    };
    const std::vector<Case> cases = {
        {"", ReadStatus::kOk, "Fail to access C:\\data\\list.csv.\nNo data has been read for import."},
        {"x", ReadStatus::kCannotOpen, "Fail to access C:\\data\\list.csv.\nNo data has been read for import."},
        {"x", ReadStatus::kNoSize, "Fail to access C:\\data\\list.csv.\nNo data has been read for import."},
        {"x", ReadStatus::kNoMemory, "Insufficient memory to import data from C:\\data\\list.csv."},
        {"Name,Phone\nA,1\n", ReadStatus::kOk,
         "Cannot find fax number in C:\\data\\list.csv.\nNo entry will be imported."},
        {"Name,Fax\n\"A,1\n", ReadStatus::kOk, "Invalid CSV data format!\nCannot import data from C:\\data\\list.csv."},
    };
    for (const Case& c : cases) {
        FakeSessionPlatform fresh;
        fresh.files.files[kSource] = c.content;
        if (c.fileStatus != ReadStatus::kOk)
            fresh.files.readFailures[kSource] = c.fileStatus;
        ImportSession session(fresh);
        session.Run();
        ASSERT_EQ(fresh.messages.size(), 2u) << c.text;
        EXPECT_EQ(fresh.messages[0].text, c.text);
        EXPECT_EQ(fresh.messages[0].caption, "CSV Import Error");
        EXPECT_EQ(fresh.messages[0].icon, MessageIcon::kError);
        EXPECT_EQ(fresh.messages[1].text, "No entry to be imported.");
        EXPECT_EQ(fresh.commands, (std::vector<int>{1022}));
    }
}

TEST_F(SessionTest, NothingChosenOrNoFaxNumber)
{
    platform.csv.choose = [](const OfferedEntryTable&) { return std::vector<int>{}; };
    Run();
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
}

TEST_F(SessionTest, CancelledConfirmationWritesNothing)
{
    platform.files.files[kExport] = "previous";
    platform.confirmOk = false;
    Run();
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
    EXPECT_EQ(platform.files.files[kExport], "previous");
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
}

TEST_F(SessionTest, NoExportPathWritesNothing)
{
    platform.commandLine = "faximport.exe";
    Run();
    EXPECT_EQ(platform.events, (Texts{"disable", "datatype", "chooser", "confirm", "message", "handback"}));
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
    EXPECT_TRUE(platform.files.files.count("") == 0);
}

TEST_F(SessionTest, LeftoverTemporaryFilesGoBeforeTheDialogs)
{
    Run();
    EXPECT_EQ(platform.files.cleanedFolders, (Texts{"C:\\out\\export.dat"}));
    platform = FakeSessionPlatform();
    platform.commandLine = "faximport.exe";
    Run();
    EXPECT_TRUE(platform.files.cleanedFolders.empty()) << "no export folder, nothing to look at";
}

TEST_F(SessionTest, OverlongOrUnclearExportPathIsRefusedBeforeAnyDialog)
{
    for (const std::string& path : {"C:\\" + std::string(300, 'x'), std::string("C:\\keep me\\export.dat")}) {
        platform = FakeSessionPlatform();
        platform.commandLine = "faximport.exe " + path;
        Run();
        EXPECT_EQ(platform.events, (Texts{"disable", "message", "handback"})) << path;
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::kError);
        EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
    }
    EXPECT_EQ(MessageTexts(), (Texts{"The export file path on the command line is not clear:\n"
                                     "faximport.exe C:\\keep me\\export.dat\nNo entry will be imported."}));
}

TEST_F(SessionTest, FailedWriteIsReportedAndTheHostStillGetsItsCommand)
{
    platform.files.failWrites = true;
    Run();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(kExport), std::string::npos);
    EXPECT_NE(platform.messages[0].text.find("The disk is full."), std::string::npos);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::kError);
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
    EXPECT_TRUE(platform.hostEnabled);
}

TEST_F(SessionTest, WithoutAForegroundWindowNothingIsDisabledOrPosted)
{
    platform.hasHost = false;
    platform.capControl = true; // not asked without a host
    Run();
    EXPECT_EQ(platform.events, (Texts{"datatype", "chooser", "confirm"}));
    EXPECT_TRUE(platform.commands.empty());
    EXPECT_EQ(platform.files.files[kExport].size(), 2u + 2 * 62);
}

TEST_F(SessionTest, MapiImportPairsStartWithEnd)
{
    platform.dataType = DataSourceKind::kMapiAddressBook;
    FakeAddressBookSource& books = platform.addressBooks;
    PersonFaxProperties person;
    person.displayName = {true, "Ann"};
    person.faxNumbers[0] = {true, "1"};
    person.faxNumbers[1] = {true, "2"};
    books.book.persons[{1}] = person;
    books.book.persons[{2}] = PersonFaxProperties();
    books.picks = {{true, {1}, true, kObjectMailUser}, {true, {2}, true, kObjectMailUser}};
    Run();
    EXPECT_EQ(books.calls, (Texts{"start", "address", "progress", "end"}));
    EXPECT_EQ(platform.confirmedCounters.selectedEntryCount, 2);
    EXPECT_EQ(platform.confirmedCounters.validFaxCount, 2);
    EXPECT_EQ(platform.confirmedCounters.rejectedEntryCount, 1);
    EXPECT_EQ(platform.files.files[kExport].size(), 2u + 2 * 62);
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
}

TEST_F(SessionTest, FailedOrCancelledAddressBookEndsWithNoEntry)
{
    platform.dataType = DataSourceKind::kMapiAddressBook;
    platform.addressBooks.startResult = false;
    Run();
    EXPECT_EQ(platform.addressBooks.calls, (Texts{"start", "end"}));
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));

    FakeSessionPlatform cancelled;
    cancelled.dataType = DataSourceKind::kDefaultWab;
    cancelled.addressBooks.dialogOk = false;
    ImportSession(cancelled).Run();
    EXPECT_EQ(cancelled.addressBooks.calls, (Texts{"open", "address", "close"}));
    EXPECT_EQ(cancelled.addressBooks.openedFile, "");
}

TEST_F(SessionTest, WabOpenFailureNamesTheFile)
{
    platform.dataType = DataSourceKind::kWabFile;
    platform.chosenFile = "C:\\books\\team.wab";
    platform.addressBooks.openResult = false;
    Run();
    EXPECT_EQ(platform.chooserKind, DataSourceKind::kWabFile);
    EXPECT_EQ(platform.addressBooks.calls, (Texts{"open", "close"}));
    EXPECT_EQ(platform.addressBooks.openedFile, "C:\\books\\team.wab");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              "Fail to open Windows Address Book.\nCannot import data from C:\\books\\team.wab.");
    EXPECT_EQ(platform.messages[0].caption, "WAB Import Error");

    FakeSessionPlatform defaultWab;
    defaultWab.dataType = DataSourceKind::kDefaultWab;
    defaultWab.addressBooks.openResult = false;
    ImportSession(defaultWab).Run();
    EXPECT_EQ(defaultWab.messages[0].text,
              "Fail to open Windows Address Book.\nCannot import data from Default WAB File.");
}

TEST_F(SessionTest, CancelledWabChooserOpensNothing)
{
    platform.dataType = DataSourceKind::kWabFile;
    platform.chosenFile.clear();
    Run();
    EXPECT_TRUE(platform.addressBooks.calls.empty());
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
}

TEST_F(SessionTest, AWabPathLongerThanTheWabTakesIsRefusedNotCut)
{
    const std::string longest = "C:\\" + std::string(252, 'w') + ".wab"; // 259 bytes: MAX_PATH's room
    FakeSessionPlatform fits;
    fits.dataType = DataSourceKind::kWabFile;
    fits.chosenFile = longest;
    ImportSession(fits).Run();
    EXPECT_EQ(fits.addressBooks.openedFile, longest);

    platform.dataType = DataSourceKind::kWabFile;
    platform.chosenFile = longest + "x";
    Run();
    EXPECT_TRUE(platform.addressBooks.calls.empty()) << "a WAB was opened";
    EXPECT_EQ(MessageTexts(),
              (Texts{"The file path is too long for the Windows Address Book.\nCannot import data from " +
                         platform.chosenFile + ".",
                     "No entry to be imported."}));
    EXPECT_EQ(platform.messages[0].caption, "WAB Import Error");
}

TEST_F(SessionTest, CancelOnTheProgressNoticeConfirmsWhatWasCollected)
{
    PickTwoPersonsWithFaxNumbers();
    platform.addressBooks.stopAfterChecks = 1;
    Run();
    EXPECT_TRUE(platform.confirmedCounters.walkStopped);
    EXPECT_EQ(platform.confirmedCounters.selectedEntryCount, 1);
    EXPECT_EQ(platform.confirmedEntryCount, 1);
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
}

TEST_F(SessionTest, CancelBeforeTheFirstEntryEndsWithoutConfirmation)
{
    // The user can press Cancel as soon as the notice shows: nothing was
    // read, so there is nothing to confirm.
    PickTwoPersonsWithFaxNumbers();
    platform.addressBooks.stopAfterChecks = 0;
    Run();
    EXPECT_EQ(platform.confirmedEntryCount, -1) << "the confirmation opened";
    EXPECT_EQ(MessageTexts(), (Texts{"No entry to be imported."}));
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));
}

TEST_F(SessionTest, PickedPersonsWithoutFaxNumbers)
{
    platform.dataType = DataSourceKind::kDefaultWab;
    platform.addressBooks.book.persons[{1}] = PersonFaxProperties();
    platform.addressBooks.picks = {{true, {1}, true, kObjectMailUser}};
    Run();
    EXPECT_EQ(MessageTexts(), (Texts{"Cannot find fax number in all selected entries.\nNo entry will be imported."}));
}

} // namespace
