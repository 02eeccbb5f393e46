// The speed-dial selection dialog: every record's speed-dial number in a
// sorted list, type-ahead on the number, "To ->" and Delete to build the
// selected list under the entry cap, a question before a second record with
// the same name and number replaces the first, and "View Details" for one
// record. OK stores the choice in the result.
#pragma once

#include <string>

#include "app/import_result.h"
#include "csv/win32/recipient_list_box.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "speeddial/speed_dial_record.h"
#include "speeddial/speed_dial_selection.h"

class CSpeedDialSelectDlg : public CDialog, private SpeedDialSelection::View {
public:
    // sourcePath and recordTable belong to the caller and outlive the dialog.
    // On entry result.entryCount is the number of records, and the speed-dial
    // lists of result hold one item per record.
    CSpeedDialSelectDlg(HWND parent, const std::string& sourcePath, const SpeedDialTable& recordTable,
                        ImportResult& result);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;
    int OnVirtualKey(HWND listBox, int virtualKey, int caretIndex) override;

private:
    // SpeedDialSelection::View: the selected list follows the model.
    void Appended(const std::string& itemText, int recordIndex) override;
    void Removed(int position) override;
    bool AskReplace(const SpeedDialRecord& chosen) override;

    void FillAvailableList(int recordCount);
    void TypeAhead();
    void MoveToSelected();
    void AddSelectedRecords();
    void ViewDetails();
    void ShowLimitReached() const;
    // Drawing of the selected list is held back while "To ->" appends, and
    // let go before a question or at the end.
    void QuietSelectedList();
    void RedrawSelectedList();

    const std::string& sourcePath;
    const SpeedDialTable& recordTable;
    ImportResult& result;
    SpeedDialSelection selection; // what selectedList shows, position for position
    CRecipientListBox selectedList;
    CListBox availableList;
    CEdit typeAheadEdit;
    bool selectedListQuiet = false;
};
