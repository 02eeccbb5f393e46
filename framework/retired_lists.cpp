// See retired_lists.h.
#include "framework/retired_lists.h"

#include <new>

#include "framework/list_box.h"

namespace {
// A list tells its owner about every item with item data as the item goes,
// and its owner, the dialog, is gone by now: under Wine each such notice
// then costs a round trip to the wineserver (seconds for a long list).
// Cleared first, the data asks for no notices.
void EmptyList(HWND window)
{
    CListBox list;
    list.Attach(window);
    list.SetRedraw(false);
    list.Clear();
}
} // namespace

CRetiredLists::~CRetiredLists()
{
    for (HWND list : lists_) {
        if (!IsWindow(list))
            continue;
        EmptyList(list);
        DestroyWindow(list);
    }
}

void CRetiredLists::Adopt(HWND list)
{
    if (!IsWindow(list))
        return;
    try {
        lists_.push_back(list);
    } catch (const std::bad_alloc&) {
        EmptyList(list); // goes with its dialog
        return;
    }
    // A hidden list that keeps the focus would take the keys meant for the
    // next window.
    if (GetFocus() == list)
        SetFocus(nullptr);
    ShowWindow(list, SW_HIDE);
    SetParent(list, HWND_MESSAGE);
}
