// The speed-dial selection dialog: every record's speed-dial number in a
// sorted list, type-ahead on the number, "To ->" and Delete to build the
// selected list under the entry cap, a question before a second record with
// the same name and number replaces the first, and "View Details" for one
// record. OK stores the choice in the result.
#pragma once

#include <string>
#include <vector>

#include "core/import_result.h"
#include "framework/list_box.h"
#include "speeddial/speed_dial_record.h"
#include "speeddial/speed_dial_selection.h"
#include "ui/two_list_select_dlg.h"

// The headings over the selected list's two columns, and the one tab stop,
// in dialog units, that starts the second column in both the headings and
// the list.
constexpr const char* kSpeedDialHeadings = "Speed Dial#\tSelected Recipients";
constexpr int kSpeedDialEntryColumn = 50;

class CSpeedDialSelectDlg : public CTwoListSelectDlg, private SpeedDialSelection::View {
public:
    // sourcePath, recordTable and retiredLists belong to the caller and
    // outlive the dialog.
    CSpeedDialSelectDlg(HWND parent, const SessionContext& context, const std::string& sourcePath,
                        const SpeedDialTable& recordTable, ImportResult& result, CRetiredLists& retiredLists);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    const CListBox& SourceList() const override { return availableList_; }
    bool IsFull() const override { return selection_.IsFull(); }
    void AddSelectedItems() override;
    void StoreChoice() override { selection_.StoreChoice(result_); }

private:
    // SpeedDialSelection::View: the selected list follows the model.
    void Appended(const std::string& itemText, int recordIndex) override;
    void Removed(int position) override;
    bool AskReplace(const SpeedDialRecord& chosen) override;

    void FillAvailableList();
    // The record indexes in the order in which the sorted available list
    // would hold these numbers had they been added one by one.
    std::vector<int> AvailableOrder(const std::vector<std::string>& numbers) const;
    // The record that available list item `item` stands for.
    int AvailableRecord(int item) const;
    void ViewDetails();
    // Drawing of the selected list is held back while "To ->" appends, and
    // let go before a question or at the end.
    void QuietSelectedList();
    void RedrawSelectedList();

    const std::string& sourcePath_;
    const SpeedDialTable& recordTable_;
    SpeedDialSelection selection_; // what selectedList_ shows, position for position
    // The record index of every available list item, as its item data holds
    // it: "To ->" reads it here rather than asking the list item by item.
    std::vector<int> availableRecords_;
    CListBox availableList_;
    bool selectedListQuiet_ = false;
};
