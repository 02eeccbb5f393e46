// List box control wrapper: the list box messages the dialogs send, and the
// answer to WM_VKEYTOITEM that a list with LBS_WANTKEYBOARDINPUT asks its
// dialog for.
#pragma once

#include "framework/window.h"

#include <string>
#include <vector>

class CListBox : public CWindow {
public:
    // Also looks up the list's window procedure, which the messages below go
    // to directly.
    void Attach(HWND window);

    int AddString(const char* text) const { return static_cast<int>(Call(LB_ADDSTRING, 0, Param(text))); }
    int AddString(const std::string& text) const { return AddString(text.c_str()); }
    // Puts the text at index (-1: at the end) without sorting, also in a
    // sorted list.
    int InsertString(int index, const std::string& text) const
    {
        return static_cast<int>(Call(LB_INSERTSTRING, static_cast<WPARAM>(index), Param(text.c_str())));
    }
    int DeleteString(int index) const { return static_cast<int>(Call(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { Call(LB_RESETCONTENT); }
    // Empties the list as ResetContent does, but clears the item data first:
    // a list sends its owner a WM_DELETEITEM for every item with item data
    // as it goes, which costs more than clearing the data (our dialogs take
    // no notice of that message).
    void Clear() const;
    int GetCount() const { return static_cast<int>(Call(LB_GETCOUNT)); }

    void SetItemData(int index, LPARAM data) const { Call(LB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    LPARAM GetItemData(int index) const { return Call(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
    std::string GetText(int index) const;

    // Multiple-selection lists.
    int GetSelCount() const { return static_cast<int>(Call(LB_GETSELCOUNT)); }
    // The selected indexes in ascending order; may throw std::bad_alloc.
    std::vector<int> GetSelItems() const;
    // Lowest selected index, or -1 when nothing is selected.
    int GetFirstSelected() const;
    // index -1 selects or clears every item.
    void SetSel(int index, bool select) const { Call(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index)); }

    // Single-selection lists.
    void SetCurSel(int index) const { Call(LB_SETCURSEL, static_cast<WPARAM>(index)); }
    int GetCurSel() const { return static_cast<int>(Call(LB_GETCURSEL)); }

    // First item after startAfter (-1: from the top, wrapping round) whose
    // text begins with prefix, letters compared without case; LB_ERR if none.
    int FindString(int startAfter, const char* prefix) const
    {
        return static_cast<int>(Call(LB_FINDSTRING, static_cast<WPARAM>(startAfter), Param(prefix)));
    }
    void SetTopIndex(int index) const { Call(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
    // Type-ahead in a multiple-selection list: the first item that begins
    // with prefix (any case), searched from the first selected item on and
    // round to the top, becomes the only selected item and the top item.
    // Nothing changes when no item matches.
    void SelectFirstMatch(const std::string& prefix) const;
    int GetTopIndex() const { return static_cast<int>(Call(LB_GETTOPINDEX)); }
    // The item with the focus rectangle, and the anchor of a range selection.
    int GetCaretIndex() const { return static_cast<int>(Call(LB_GETCARETINDEX)); }
    void SetCaretIndex(int index) const { Call(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE); }
    int GetAnchorIndex() const { return static_cast<int>(Call(LB_GETANCHORINDEX)); }
    void SetAnchorIndex(int index) const { Call(LB_SETANCHORINDEX, static_cast<WPARAM>(index)); }
    // The locale by which a sorted list orders its texts.
    LCID GetLocale() const { return static_cast<LCID>(Call(LB_GETLOCALE)); }
    // Tab stops in dialog units.
    void SetTabStops(const std::vector<int>& stops) const;
    // Reserves room for this many more items before they are added, so that
    // the list does not grow its item table again and again.
    void InitStorage(int items, std::size_t textBytes) const
    {
        Call(LB_INITSTORAGE, static_cast<WPARAM>(items), static_cast<LPARAM>(textBytes));
    }

    // The answer to WM_VKEYTOITEM: -1 for the default handling, -2 when the
    // key has been handled completely, or the index of an item to act on.
    virtual int OnVirtualKey(int virtualKey, int caretIndex);

private:
    // Our lists belong to the dialog's thread, and from that thread calling
    // the list's window procedure does what SendMessage does, minus the
    // message dispatch: that is most of the cost of adding an item or setting
    // its data, and a long list takes one of each per line. Falls back to
    // SendMessage for a list attached through CWindow only.
    LRESULT Call(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    WNDPROC procedure_ = nullptr;

    static LPARAM Param(const char* text) { return reinterpret_cast<LPARAM>(text); }
};
