#include <gtest/gtest.h>

#include "core/import_result.h"
#include "csv/field_mapping.h"
#include "dialogs/confirm_text.h"
#include "dialogs/data_type_choice.h"

namespace {

std::vector<int> Kinds(const std::vector<DataTypeItem>& items)
{
    std::vector<int> kinds;
    for (const DataTypeItem& item : items)
        kinds.push_back(static_cast<int>(item.kind)); // the number the combo box item holds
    return kinds;
}

TEST(DataTypeChoice, OffersAddressBooksOnlyWhenAvailable)
{
    EXPECT_EQ(Kinds(OfferedDataTypes({false, false, false})), (std::vector<int>{4, 6}));
    EXPECT_EQ(Kinds(OfferedDataTypes({true, true, false})), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(Kinds(OfferedDataTypes({false, true, false})), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(Kinds(OfferedDataTypes({true, true, true})), (std::vector<int>{1, 2, 7, 4, 6}));
    EXPECT_EQ(Kinds(OfferedDataTypes({false, false, true})), (std::vector<int>{7, 4, 6}));
    EXPECT_STREQ(OfferedDataTypes({true, false, false})[0].text, "MS Messaging System Address Book");
    EXPECT_STREQ(OfferedDataTypes({false, false, true})[0].text, "Company Directory (LDAP)");
}

TEST(DataTypeChoice, CheckBoxesOnlyMatterForTheirOwnKind)
{
    EXPECT_EQ(ResolveDataType(DataSourceKind::kCsvManual, true, true), DataSourceKind::kCsvAuto);
    EXPECT_EQ(ResolveDataType(DataSourceKind::kCsvManual, false, true), DataSourceKind::kCsvManual);
    EXPECT_EQ(ResolveDataType(DataSourceKind::kWabFile, false, true), DataSourceKind::kDefaultWab);
    EXPECT_EQ(ResolveDataType(DataSourceKind::kWabFile, true, false), DataSourceKind::kWabFile);
    EXPECT_EQ(ResolveDataType(DataSourceKind::kSpeedDial, true, true), DataSourceKind::kSpeedDial);
    EXPECT_EQ(ResolveDataType(DataSourceKind::kMapiAddressBook, true, true), DataSourceKind::kMapiAddressBook);
}

TEST(FieldMapping, MappingOneSideTakesTheFieldFromTheOther)
{
    FieldMapping mapping(4);
    mapping.PressName(2);
    EXPECT_EQ(mapping.NameIndex(), 2);
    mapping.PressFax(2);
    EXPECT_EQ(mapping.FaxIndex(), 2);
    EXPECT_EQ(mapping.NameIndex(), FieldMapping::kUnmapped);
}

TEST(FieldMapping, PressingAMappedButtonUnmapsWhateverIsSelected)
{
    FieldMapping mapping(4);
    mapping.PressName(1);
    mapping.PressName(3);
    EXPECT_EQ(mapping.NameIndex(), FieldMapping::kUnmapped);
    mapping.PressName(3);
    EXPECT_EQ(mapping.NameIndex(), 3);
}

TEST(FieldMapping, OkNeedsAFaxMapping)
{
    FieldMapping mapping(2);
    mapping.PressName(0);
    EXPECT_FALSE(mapping.CanFinish());
    mapping.PressFax(1);
    EXPECT_TRUE(mapping.CanFinish());

    FieldMapping empty(0);
    empty.PressFax(0);
    EXPECT_FALSE(empty.CanFinish());
}

TEST(ConfirmText, CapLineOnlyWhenTheCapCutTheList)
{
    EXPECT_EQ(ConfirmCapLine(50, 50, false, false), "");
    EXPECT_EQ(ConfirmCapLine(50, 51, false, false), "*Only the first 50 fax entries will be imported.");
    EXPECT_EQ(ConfirmCapLine(0, 300, false, false), "");
    // Without the host's cap, the export's 16-bit count is the cap.
    EXPECT_EQ(ConfirmCapLine(0, 65535, false, false), "");
    EXPECT_EQ(ConfirmCapLine(0, 65536, false, false), "*Only the first 65535 fax entries will be imported.");
    EXPECT_EQ(ConfirmCapLine(0, 3, true, false), "*Stopped early: not every entry was read.");
    EXPECT_EQ(ConfirmCapLine(50, 60, true, false), "*Stopped early; only the first 50 will be imported.");
    EXPECT_EQ(ConfirmCapLine(0, 3, false, true), "*Incomplete: the directory sent only part of its entries.");
    EXPECT_EQ(ConfirmCapLine(0, 65536, false, true), "*Incomplete; only the first 65535 will be imported.");
}

TEST(ConfirmText, HeadlineLabelAndLines)
{
    EXPECT_EQ(ConfirmHeadline(12), "12 fax entries will be imported:");
    EXPECT_STREQ(RejectedLabel(DataSourceKind::kDefaultWab), "Rejected from selection:");
    EXPECT_STREQ(RejectedLabel(DataSourceKind::kMapiAddressBook), "Rejected from selection:");
    EXPECT_STREQ(RejectedLabel(DataSourceKind::kCsvManual), "Rejected from database:");
    EXPECT_STREQ(RejectedLabel(DataSourceKind::kSpeedDial), "Rejected from database:");

    ImportResult result;
    result.recipients.Append({"Ann Lee", "123"});
    result.recipients.Append({"", "456"});
    result.recipients.Append({"\x81[ Ann [HQ]", "789"}); // brackets in a name stay in the name
    // One at a time into the same string, as the dialog fills its list.
    ASSERT_EQ(ConfirmLineCount(result), 3u);
    std::vector<std::string> lines(3, "left over from a longer line");
    for (std::size_t i = 0; i < lines.size(); ++i)
        ConfirmLine(result, i, lines[i]);
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann Lee\t123", "\t456", "\x81[ Ann [HQ]\t789"}));
}

} // namespace
