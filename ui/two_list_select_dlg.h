// What the CSV and the speed-dial selection dialogs have in common: a source
// list searched by type-ahead, "To ->" (or a double click in the source list)
// to add its selected items to the selected list, Delete (button or key) to
// take lines out of it, Help, the warnings for the entry cap and for lack of
// memory, and handing both lists over to be emptied later as the dialog
// closes.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/import_result.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "framework/retired_lists.h"
#include "ui/recipient_list_box.h"
#include "ui/session_context.h"

class CTwoListSelectDlg : public CDialog {
protected:
    struct Settings {
        UINT templateId;
        const char* caption; // of the dialog's message boxes
        int helpButtonId;
        DWORD helpContext;
        std::size_t typeAheadChars; // type-ahead compares no more of the typed text
    };
    // retiredLists takes both lists as the dialog closes, and outlives it.
    CTwoListSelectDlg(const Settings& settings, HWND parent, const SessionContext& context, ImportResult& result,
                      CRetiredLists& retiredLists);

    // OK stores the choice in the result; Cancel leaves none there.
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;
    int OnVirtualKey(HWND listBox, int virtualKey, int caretIndex) override;

    // The list the user picks from.
    virtual const CListBox& SourceList() const = 0;
    // Whether the selected list holds as many lines as the entry cap allows.
    virtual bool IsFull() const = 0;
    // Adds the source list's selected items to the selected list; may throw
    // std::bad_alloc.
    virtual void AddSelectedItems() = 0;
    virtual void StoreChoice() = 0;

    void ShowLimitReached() const;

    const Settings settings_;
    const SessionContext& context_;
    ImportResult& result_;
    CRecipientListBox selectedList_;
    CEdit typeAheadEdit_;

private:
    void TypeAhead();
    void MoveToSelected();
    // Hands both lists over to retiredLists_ before the dialog closes.
    void ReleaseLists();

    CRetiredLists& retiredLists_;
};
