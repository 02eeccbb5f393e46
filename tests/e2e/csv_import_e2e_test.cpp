// Whole CSV imports: automatic field search and manual mapping through to the
// export file, the selection dialog's list handling, and the entry cap.
#include "import_run.h"

#include <cstdio>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

using CsvImportRun = ImportRun;

// Header with a name column and two fax columns; one row without any fax
// number, one name in brackets, numbers that need cleaning.
constexpr char kContacts[] = "Name,Company,Fax,Home Fax\r\n"
                             "Ann Lee,Northwind,555-0101,\r\n"
                             "Bob Stone,Acme,\"+1 (555) 0102\",555 0199\r\n"
                             "[Sales] Desk,Acme,555-0103,\r\n"
                             "Carl Dyer,Initech,,\r\n"
                             "Dora Ames,Globex,555 0105 ext 7,\r\n";

TEST_F(CsvImportRun, AutomaticSearchImportsChosenEntriesToExportFile)
{
    const std::string exportPath = WorkPath("auto-export.dat");
    const std::string csvPath = WriteWorkFile("contacts.csv", kContacts);
    // Words after the export path are not part of it.
    HWND selection = OpenSelection(exportPath + " extra words", csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    EXPECT_EQ(WindowText(selection), kCsvCaptionStart + csvPath);

    // One entry per data row and fax column, in file order.
    const std::vector<std::string> expectedSource = {
        "Ann Lee [555-0101]",
        "Ann Lee []",
        "Bob Stone [+1(555)0102]",
        "Bob Stone [5550199]",
        "(Sales) Desk [555-0103]",
        "(Sales) Desk []",
        "Carl Dyer []",
        "Carl Dyer []",
        "Dora Ames [5550105EXT7]",
        "Dora Ames []",
    };
    EXPECT_EQ(ListItems(selection, kSourceList), expectedSource);
    EXPECT_EQ(ListCount(selection, kSelectedList), 0);

    // Carl Dyer has no fax number: chosen with the others, silently left out.
    ListClearSelection(selection, kSourceList);
    for (int index : {0, 3, 4, 6, 8})
        ListSelect(selection, kSourceList, index);
    SendClick(selection, kAddButton);
    const std::vector<std::string> expectedSelected = {"Ann Lee [555-0101]", "Bob Stone [5550199]",
                                                       "(Sales) Desk [555-0103]", "Dora Ames [5550105EXT7]"};
    EXPECT_EQ(ListItems(selection, kSelectedList), expectedSelected);
    PostClick(selection, IDOK);

    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "4 fax entries will be imported:");
    const std::vector<std::string> expectedLines = {"Ann Lee\t555-0101", "Bob Stone\t5550199", "(Sales) Desk\t555-0103",
                                                    "Dora Ames\t5550105EXT7"};
    EXPECT_EQ(ListItems(confirmation, kEntryList), expectedLines);
    EXPECT_EQ(ControlText(confirmation, kSelectedCount), "4");
    EXPECT_EQ(ControlText(confirmation, kRejectedLabel), "Rejected from database:");
    EXPECT_EQ(ControlText(confirmation, kRejectedCount), "1");
    EXPECT_EQ(ControlText(confirmation, kValidCount), "4");
    EXPECT_EQ(ControlText(confirmation, kCapLine), "");
    ConfirmAndExpectHandBack(confirmation);
    const std::string written = ReadExport(exportPath);
    ASSERT_EQ(written.size(), 2u + 4u * 62u);
    EXPECT_EQ(written.substr(0, 2), std::string("\x04\x00", 2));
    EXPECT_EQ(HexLayout(written), HexLayout(ExpectedExport({{"Ann Lee", "555-0101"},
                                                            {"Bob Stone", "5550199"},
                                                            {"(Sales) Desk", "555-0103"},
                                                            {"Dora Ames", "5550105EXT7"}})));
}

TEST_F(CsvImportRun, ManualMappingImportsMappedColumnsToExportFile)
{
    const std::string exportPath = WorkPath("manual-export.dat");
    const std::string csvPath = WriteWorkFile("manual.csv", "\"Full Name\",Company,Office Fax,Home Fax\n"
                                                            "\"Lee, Ann\",Northwind,555-0101,555-0201\n"
                                                            "Bob Stone,Acme,555-0102,\n"
                                                            "\n"
                                                            "\"Cruz, \"\"Kit\"\"\",Globex,,555-0203\n");
    Start(exportPath);
    ASSERT_FALSE(HasFatalFailure());
    ChooseCsv(false);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(PickCsvFile(csvPath));

    HWND mapping = WaitForMappingDialog();
    ASSERT_TRUE(mapping) << "no field mapping dialog";
    EXPECT_EQ(WindowText(mapping), kCsvCaptionStart + csvPath);
    // The header fields as split, quotes removed, not upper-cased.
    const std::vector<std::string> fields = {"Full Name", "Company", "Office Fax", "Home Fax"};
    EXPECT_EQ(ListItems(mapping, kFieldList), fields);
    EXPECT_EQ(ControlText(mapping, kMapNameButton), "Map to");
    EXPECT_EQ(ControlText(mapping, kMapFaxButton), "Map to");

    // OK needs a fax column.
    PostClick(mapping, IDOK);
    ExpectMessage(kCsvCaption, "You must map at least a field to the Fax Number.");
    mapping = WaitForMappingDialog();
    ASSERT_TRUE(mapping) << "the mapping dialog did not stay open";

    // A field mapped to the fax number leaves the name.
    ListSetCurrent(mapping, kFieldList, 2);
    SendClick(mapping, kMapNameButton);
    EXPECT_EQ(ControlText(mapping, kNameField), "Office Fax");
    EXPECT_EQ(ControlText(mapping, kMapNameButton), "UnMap");
    SendClick(mapping, kMapFaxButton);
    EXPECT_EQ(ControlText(mapping, kNameField), "");
    EXPECT_EQ(ControlText(mapping, kMapNameButton), "Map to");
    EXPECT_EQ(ControlText(mapping, kFaxField), "Office Fax");
    EXPECT_EQ(ControlText(mapping, kMapFaxButton), "UnMap");

    // A mapped button unmaps whatever is selected; pressed again it maps.
    ListSetCurrent(mapping, kFieldList, 0);
    SendClick(mapping, kMapNameButton);
    EXPECT_EQ(ControlText(mapping, kNameField), "Full Name");
    ListSetCurrent(mapping, kFieldList, 3);
    SendClick(mapping, kMapFaxButton);
    EXPECT_EQ(ControlText(mapping, kFaxField), "");
    EXPECT_EQ(ControlText(mapping, kMapFaxButton), "Map to");
    SendClick(mapping, kMapFaxButton);
    EXPECT_EQ(ControlText(mapping, kFaxField), "Home Fax");
    PostClick(mapping, IDOK);

    HWND selection = WaitForSelectionDialog();
    ASSERT_TRUE(selection) << "no selection dialog";
    const std::vector<std::string> expectedSource = {"Lee, Ann [555-0201]", "Bob Stone []", "Cruz, \"Kit\" [555-0203]"};
    EXPECT_EQ(ListItems(selection, kSourceList), expectedSource);
    HWND confirmation = ConfirmationOfItems(selection, 0, 2, 2);
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "2 fax entries will be imported:");
    const std::vector<std::string> expectedLines = {"Lee, Ann\t555-0201", "Cruz, \"Kit\"\t555-0203"};
    EXPECT_EQ(ListItems(confirmation, kEntryList), expectedLines);
    EXPECT_EQ(ControlText(confirmation, kSelectedCount), "2");
    EXPECT_EQ(ControlText(confirmation, kRejectedCount), "1");
    EXPECT_EQ(ControlText(confirmation, kValidCount), "2");
    ConfirmAndExpectExport(confirmation, exportPath, {{"Lee, Ann", "555-0201"}, {"Cruz, \"Kit\"", "555-0203"}});
}

TEST_F(CsvImportRun, SelectionDialogTypeAheadDuplicatesDeleteAndCancel)
{
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("selection.csv", "Name,Fax\n"
                                                               "Ann Lee,555-0101\n"
                                                               "Bob Stone,555-0102\n"
                                                               "Ann Lee,555-0101\n"
                                                               "Anna Berg,555-0101\n"
                                                               "Carl Dyer,\n"
                                                               "Dora Ames,555-0105\n");
    HWND selection = OpenSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    ASSERT_EQ(ListCount(selection, kSourceList), 6);
    EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{0});

    // Type-ahead searches from the first selected item, case-insensitively,
    // wrapping round; a text nothing begins with changes nothing.
    const struct {
        const char* typed;
        int selected;
    } typing[] = {{"b", 1}, {"bO", 1}, {"d", 5}, {"dx", 5}, {"ann", 0}, {"anna", 3}};
    for (const auto& step : typing) {
        SetControlText(selection, kTypeAheadEdit, step.typed);
        EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{step.selected}) << "typed " << step.typed;
    }

    // Everything chosen: the equal row and the row without fax number are
    // left out; the same fax number under another name is kept.
    ListSelectRange(selection, kSourceList, 0, 5);
    SendClick(selection, kAddButton);
    const std::vector<std::string> added = {"Ann Lee [555-0101]", "Bob Stone [555-0102]", "Anna Berg [555-0101]",
                                            "Dora Ames [555-0105]"};
    EXPECT_EQ(ListItems(selection, kSelectedList), added);
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), added) << "adding the same entries twice";
    EXPECT_EQ(ListSelection(selection, kSourceList), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    // Delete removes every selected item of the right list, and nothing
    // when none is selected.
    ListSelect(selection, kSelectedList, 0);
    ListSelect(selection, kSelectedList, 2);
    SendClick(selection, kDeleteButton);
    const std::vector<std::string> kept = {"Bob Stone [555-0102]", "Dora Ames [555-0105]"};
    EXPECT_EQ(ListItems(selection, kSelectedList), kept);
    SendClick(selection, kDeleteButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), kept);

    // With nothing chosen in the source list "To ->" adds nothing; a double
    // click there adds the chosen items as "To ->" does.
    ListClearSelection(selection, kSourceList);
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), kept);
    ListSelect(selection, kSourceList, 3);
    SendNotification(selection, kSourceList, LBN_DBLCLK);
    const std::vector<std::string> doubleClicked = {"Bob Stone [555-0102]", "Dora Ames [555-0105]",
                                                    "Anna Berg [555-0101]"};
    EXPECT_EQ(ListItems(selection, kSelectedList), doubleClicked);

    PostClick(selection, IDCANCEL);
    ExpectNoEntryHandBack(exportPath);
}

// Sixty rows with different numbers: Person 01 with 555-1001 and so on.
std::string SixtyPeople()
{
    std::string csv = "Name,Fax\n";
    char row[64];
    for (int i = 1; i <= 60; ++i) {
        std::snprintf(row, sizeof row, "Person %02d,555-%d\n", i, 1000 + i);
        csv += row;
    }
    return csv;
}

std::vector<Entry> People(int count)
{
    std::vector<Entry> entries;
    char name[32];
    char fax[32];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(name, sizeof name, "Person %02d", i);
        std::snprintf(fax, sizeof fax, "555-%d", 1000 + i);
        entries.emplace_back(name, fax);
    }
    return entries;
}

TEST_F(CsvImportRun, HostWithCapControlLimitsImportToFiftyEntries)
{
    const std::string exportPath = WorkPath("capped-export.dat");
    const std::string csvPath = WriteWorkFile("people.csv", SixtyPeople());
    HWND selection = OpenSelection(exportPath, csvPath, true);
    ASSERT_TRUE(selection) << "no selection dialog";
    ASSERT_EQ(ListCount(selection, kSourceList), 60);

    ASSERT_TRUE(selection = AddPastTheCap(selection, kCsvCaption, [this] { return WaitForSelectionDialog(); }));
    EXPECT_EQ(ListItems(selection, kSelectedList).back(), "Person 50 [555-1050]");
    PostClick(selection, IDOK);

    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "50 fax entries will be imported:");
    EXPECT_EQ(ListCount(confirmation, kEntryList), 50);
    EXPECT_EQ(ControlText(confirmation, kValidCount), "50");
    EXPECT_EQ(ControlText(confirmation, kCapLine), "");
    ConfirmAndExpectHandBack(confirmation);
    const std::string written = ReadExport(exportPath);
    EXPECT_EQ(written.substr(0, 2), std::string("\x32\x00", 2));
    EXPECT_EQ(HexLayout(written), HexLayout(ExpectedExport(People(50))));
}

TEST_F(CsvImportRun, HostWithoutCapControlTakesAllEntries)
{
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("people.csv", SixtyPeople());
    HWND selection = OpenSelection(exportPath, csvPath, false);
    ASSERT_TRUE(selection) << "no selection dialog";
    HWND confirmation = ConfirmationOfItems(selection, 0, 59, 60);
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "60 fax entries will be imported:");
    EXPECT_EQ(ControlText(confirmation, kCapLine), "");
    ConfirmAndExpectHandBack(confirmation);
    const std::string written = ReadExport(exportPath);
    EXPECT_EQ(written.size(), 2u + 60u * 62u);
    EXPECT_EQ(HexLayout(written), HexLayout(ExpectedExport(People(60))));
}

// Where a list box stands: its top line, the line with the focus rectangle
// and the anchor of a range selection.
struct ListPlaces {
    LRESULT top;
    LRESULT caret;
    LRESULT anchor;

    bool operator==(const ListPlaces& other) const
    {
        return top == other.top && caret == other.caret && anchor == other.anchor;
    }
};

void PrintTo(const ListPlaces& places, std::ostream* out)
{
    *out << "top " << places.top << ", caret " << places.caret << ", anchor " << places.anchor;
}

ListPlaces PlacesOf(HWND list)
{
    return {Send(list, LB_GETTOPINDEX, 0, 0), Send(list, LB_GETCARETINDEX, 0, 0), Send(list, LB_GETANCHORINDEX, 0, 0)};
}

// A list box of this process with the height and line height of `like`,
// `count` lines and these places, after the lines at `positions` have been
// deleted one at a time from the highest, with drawing off meanwhile: the
// places it ends with.
ListPlaces PlacesAfterDeletingOneByOne(HWND like, int count, const std::vector<int>& positions,
                                       const ListPlaces& before)
{
    RECT client = {};
    GetClientRect(like, &client);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT, 0, 0, client.right,
                                client.bottom, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(list) << "no list box of our own";
    if (!list)
        return {};
    SendMessageA(list, LB_SETITEMHEIGHT, 0, Send(like, LB_GETITEMHEIGHT, 0, 0));
    for (int line = 0; line < count; ++line)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("line"));
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(before.caret), FALSE);
    SendMessageA(list, LB_SETANCHORINDEX, static_cast<WPARAM>(before.anchor), 0);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(before.top), 0);
    EXPECT_EQ(PlacesOf(list), before) << "our list box does not match the program's";

    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (auto position = positions.rbegin(); position != positions.rend(); ++position)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(*position), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    const ListPlaces after = PlacesOf(list);
    DestroyWindow(list);
    return after;
}

std::vector<LRESULT> ItemData(HWND dialog, int listId)
{
    HWND list = Control(dialog, listId);
    std::vector<LRESULT> data;
    for (int item = 0; item < ListCount(dialog, listId); ++item)
        data.push_back(Send(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0));
    return data;
}

TEST_F(CsvImportRun, DeletingMostLinesLeavesWhatDeletingThemOneByOneWould)
{
    // Deleting most lines of a long list empties it and adds the rest back;
    // lines, item data, top, caret and anchor must come out as if the lines
    // had gone one at a time.
    const int count = 200;
    std::string csv = "Name,Fax\n";
    std::vector<Entry> people;
    char name[32];
    char fax[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Person %03d", i);
        std::snprintf(fax, sizeof fax, "555-%d", 2000 + i);
        csv += std::string(name) + "," + fax + "\n";
        people.emplace_back(name, fax);
    }
    const std::string exportPath = WorkPath("export.dat");
    HWND selection = OpenSelection(exportPath, WriteWorkFile("many.csv", csv));
    ASSERT_TRUE(selection) << "no selection dialog";
    ListSelectRange(selection, kSourceList, 0, count - 1);
    SendClick(selection, kAddButton);
    ASSERT_EQ(ListCount(selection, kSelectedList), count);

    // Everything selected but five runs of ten lines.
    HWND selected = Control(selection, kSelectedList);
    ListSelectRange(selection, kSelectedList, 0, count - 1);
    std::vector<std::string> keptLines;
    std::vector<LRESULT> keptData;
    const std::vector<std::string> lines = ListItems(selection, kSelectedList);
    for (int first : {10, 60, 110, 160, 190}) {
        ListSelectRange(selection, kSelectedList, first, first + 9, false);
        for (int line = first; line < first + 10; ++line) {
            keptLines.push_back(lines[static_cast<std::size_t>(line)]);
            keptData.push_back(line);
        }
    }
    const std::vector<int> deleted = ListSelection(selection, kSelectedList);
    ASSERT_EQ(deleted.size(), 150u);
    Send(selected, LB_SETCARETINDEX, 120, FALSE);
    Send(selected, LB_SETANCHORINDEX, 150, 0);
    Send(selected, LB_SETTOPINDEX, 20, 0);
    const ListPlaces before = PlacesOf(selected);
    const ListPlaces expectedPlaces = PlacesAfterDeletingOneByOne(selected, count, deleted, before);

    SendClick(selection, kDeleteButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), keptLines);
    EXPECT_EQ(ItemData(selection, kSelectedList), keptData);
    EXPECT_TRUE(ListSelection(selection, kSelectedList).empty());
    EXPECT_EQ(PlacesOf(selected), expectedPlaces);

    // The choice behind the list went the same way: adding everything again
    // appends the deleted entries, and OK exports the list as it stands.
    SendClick(selection, kAddButton);
    std::vector<Entry> expected;
    for (LRESULT entry : keptData)
        expected.push_back(people[static_cast<std::size_t>(entry)]);
    for (int entry : deleted)
        expected.push_back(people[static_cast<std::size_t>(entry)]);
    ASSERT_EQ(ListCount(selection, kSelectedList), count);
    PostClick(selection, IDOK);
    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectExport(confirmation, exportPath, expected);
}

} // namespace
} // namespace e2e
