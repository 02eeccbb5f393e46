// List box operations that need more than one message.
#include "framework/list_box.h"

void CListBox::Attach(HWND window)
{
    CWindow::Attach(window);
    procedure_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

LRESULT CListBox::Call(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!procedure_)
        return Send(message, wParam, lParam);
    return CallWindowProcA(procedure_, window_, message, wParam, lParam);
}

std::string CListBox::GetText(int index) const
{
    const LRESULT length = Call(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR || length <= 0)
        return std::string();
    // Our item texts are short: no buffer of their own for them.
    char shortText[256];
    std::vector<char> longText;
    char* buffer = shortText;
    if (static_cast<std::size_t>(length) >= sizeof shortText) {
        longText.resize(static_cast<std::size_t>(length) + 1, '\0');
        buffer = longText.data();
    }
    const LRESULT copied = Call(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CListBox::Clear() const
{
    const int count = GetCount();
    for (int index = 0; index < count; ++index)
        SetItemData(index, 0);
    ResetContent();
}

std::vector<int> CListBox::GetSelItems() const
{
    const int count = GetSelCount();
    if (count <= 0)
        return {};
    std::vector<int> indexes(static_cast<std::size_t>(count));
    const LRESULT got = Call(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indexes.data()));
    indexes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return indexes;
}

int CListBox::GetFirstSelected() const
{
    // LB_GETSELITEMS fills in ascending order, so room for one gives the lowest.
    int first = -1;
    const LRESULT got = Call(LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first));
    return got == 1 ? first : -1;
}

void CListBox::SetTabStops(const std::vector<int>& stops) const
{
    std::vector<INT> units(stops.begin(), stops.end());
    Call(LB_SETTABSTOPS, static_cast<WPARAM>(units.size()), reinterpret_cast<LPARAM>(units.data()));
}

int CListBox::OnVirtualKey(int, int)
{
    return -1;
}

void CListBox::SelectFirstMatch(const std::string& prefix) const
{
    // Searching from the first selected item keeps the selection where it is
    // while the typed text still matches it.
    const int firstSelected = GetFirstSelected();
    const int startAfter = firstSelected > 0 ? firstSelected - 1 : -1;
    const int found = FindString(startAfter, prefix.c_str());
    if (found == LB_ERR)
        return;
    SetSel(-1, false);
    SetSel(found, true);
    SetTopIndex(found);
}
