// The CSV recipient selection dialog: every entry of the CSV entry table in
// the source list, type-ahead to find one, "To ->" and Delete to build the
// selected list under the entry cap; OK stores the choice in the result.
#pragma once

#include <string>
#include <vector>

#include "core/import_result.h"
#include "csv/csv_reader.h"
#include "csv/csv_selection.h"
#include "framework/list_box.h"
#include "ui/two_list_select_dlg.h"

class CCsvSelectDlg : public CTwoListSelectDlg {
public:
    // captionStart ("CSV Import") names the source in the caption and the
    // message boxes, path what is read from; path, entries and retiredLists
    // belong to the caller and outlive the dialog.
    CCsvSelectDlg(HWND parent, const SessionContext& context, const char* captionStart, const std::string& path,
                  const OfferedEntryTable& entries, ImportResult& result, CRetiredLists& retiredLists);

protected:
    bool OnInitDialog() override;
    const CListBox& SourceList() const override { return sourceList_; }
    bool IsFull() const override { return selection_.IsFull(); }
    void AddSelectedItems() override;
    void StoreChoice() override { selection_.StoreChoice(result_); }

private:
    void FillSourceList();
    // The entry index that source list item `item` stands for.
    int SourceEntry(int item) const;

    const char* captionStart_;
    const std::string& path_;
    const OfferedEntryTable& entries_;
    CsvSelection selection_; // what selectedList_ shows, position for position
    // The entry index of every source list item, as its item data holds it:
    // "To ->" reads it here rather than asking the list item by item.
    std::vector<int> sourceEntries_;
    CListBox sourceList_;
};
