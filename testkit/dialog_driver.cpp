#include "testkit/dialog_driver.h"

#include "testkit/text.h"

namespace testkit {

namespace {

// The file name field of the open-file dialog: the edit edt1 in the classic
// layout; Wine 8's Explorer-style dialog has the combo box cmb13 instead, with
// an edit inside.
constexpr int kFileNameEditId = 0x480;
constexpr int kFileNameComboId = 0x47C;

BOOL CALLBACK MatchEdit(HWND window, LPARAM param)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"Edit") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

HWND FileNameField(HWND chooser)
{
    if (HWND edit = FindControl(chooser, kFileNameEditId))
        return edit;
    HWND combo = FindControl(chooser, kFileNameComboId);
    if (!combo)
        return nullptr;
    HWND edit = nullptr;
    EnumChildWindows(combo, MatchEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

std::wstring ListItemText(HWND list, UINT lengthMessage, UINT textMessage, int index)
{
    const LRESULT length = Send(list, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        throw DriveError("no list item " + std::to_string(index));
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0)
        throw DriveError("cannot read list item " + std::to_string(index));
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

} // namespace

HWND Control(HWND dialog, int id)
{
    HWND control = FindControl(dialog, id);
    if (!control)
        throw DriveError("the dialog has no control " + std::to_string(id));
    return control;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(Control(dialog, id));
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    SetWindowTextTo(Control(dialog, id), text);
}

bool IsControlVisible(HWND dialog, int id)
{
    return IsWindowVisible(Control(dialog, id)) != FALSE;
}

bool IsControlEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(Control(dialog, id)) != FALSE;
}

std::vector<std::string> ListItems(HWND dialog, int listId)
{
    HWND list = Control(dialog, listId);
    const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
        items.push_back(Narrow(ListItemText(list, LB_GETTEXTLEN, LB_GETTEXT, i)));
    return items;
}

int ListCount(HWND dialog, int listId)
{
    return static_cast<int>(Send(Control(dialog, listId), LB_GETCOUNT, 0, 0));
}

std::vector<int> ListSelection(HWND dialog, int listId)
{
    HWND list = Control(dialog, listId);
    const LRESULT count = Send(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return {};
    std::vector<int> indexes(static_cast<std::size_t>(count), -1);
    const LRESULT got = Send(list, LB_GETSELITEMS, indexes.size(), reinterpret_cast<LPARAM>(indexes.data()));
    indexes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    return indexes;
}

void ListSelect(HWND dialog, int listId, int index, bool selected)
{
    if (Send(Control(dialog, listId), LB_SETSEL, selected ? TRUE : FALSE, index) == LB_ERR)
        throw DriveError("cannot select list item " + std::to_string(index));
}

void ListSelectRange(HWND dialog, int listId, int first, int last, bool selected)
{
    if (Send(Control(dialog, listId), LB_SELITEMRANGE, selected ? TRUE : FALSE, MAKELPARAM(first, last)) == LB_ERR)
        throw DriveError("cannot select list items " + std::to_string(first) + " to " + std::to_string(last));
}

void ListClearSelection(HWND dialog, int listId)
{
    Send(Control(dialog, listId), LB_SETSEL, FALSE, -1);
}

void ListSetCurrent(HWND dialog, int listId, int index)
{
    if (Send(Control(dialog, listId), LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR)
        throw DriveError("cannot make list item " + std::to_string(index) + " current");
}

bool WaitForListCount(HWND dialog, int listId, int count, DWORD timeoutMs)
{
    return WaitUntil([&] { return ListCount(dialog, listId) == count; }, timeoutMs);
}

std::vector<ComboItem> ComboItems(HWND dialog, int comboId)
{
    HWND combo = Control(dialog, comboId);
    const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
    std::vector<ComboItem> items;
    for (int i = 0; i < count; ++i) {
        const std::string text = Narrow(ListItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
        items.push_back({text, Send(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)});
    }
    return items;
}

int ComboSelection(HWND dialog, int comboId)
{
    return static_cast<int>(Send(Control(dialog, comboId), CB_GETCURSEL, 0, 0));
}

void ComboChoose(HWND dialog, int comboId, const std::string& text)
{
    const std::vector<ComboItem> items = ComboItems(dialog, comboId);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].text != text)
            continue;
        HWND combo = Control(dialog, comboId);
        Send(combo, CB_SETCURSEL, i, 0);
        // The combo box does not report a selection made by a message.
        Send(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return;
    }
    throw DriveError("no combo box item \"" + text + "\"");
}

bool IsChecked(HWND dialog, int id)
{
    return Send(Control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    Send(Control(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PostClick(HWND dialog, int id)
{
    Post(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SendNotification(HWND dialog, int id, int code)
{
    Send(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SendClick(HWND dialog, int id)
{
    SendNotification(dialog, id, BN_CLICKED);
}

MessageBoxInfo WaitForMessage(DWORD processId, DWORD timeoutMs)
{
    MessageBoxInfo info;
    info.window = WaitForMessageBox(processId, timeoutMs);
    if (info.window) {
        info.caption = WindowText(info.window);
        info.text = WindowText(GetDlgItem(info.window, 0xFFFF));
    }
    return info;
}

bool AnswerMessage(const MessageBoxInfo& box, int buttonId)
{
    if (!box.window)
        return false;
    PostClick(box.window, buttonId);
    return WaitUntilClosed(box.window);
}

HWND WaitForFileChooser(DWORD processId, const std::string& title, DWORD timeoutMs)
{
    DialogQuery query;
    query.processId = processId;
    query.caption = title;
    HWND chooser = nullptr;
    WaitUntil(
        [&] {
            chooser = FindDialog(query);
            return chooser && FileNameField(chooser);
        },
        timeoutMs);
    return chooser && FileNameField(chooser) ? chooser : nullptr;
}

void EnterFileName(HWND chooser, const std::string& path)
{
    HWND field = FileNameField(chooser);
    if (!field)
        throw DriveError("the file chooser has no file name field");
    SetWindowTextTo(field, path);
}

bool ChooseFile(DWORD processId, const std::string& title, const std::string& path, DWORD timeoutMs)
{
    HWND chooser = WaitForFileChooser(processId, title, timeoutMs);
    if (!chooser)
        return false;
    EnterFileName(chooser, path);
    PostClick(chooser, IDOK);
    return WaitUntilClosed(chooser, timeoutMs);
}

bool CancelFileChooser(DWORD processId, const std::string& title, DWORD timeoutMs)
{
    HWND chooser = WaitForFileChooser(processId, title, timeoutMs);
    if (!chooser)
        return false;
    PostClick(chooser, IDCANCEL);
    return WaitUntilClosed(chooser, timeoutMs);
}

} // namespace testkit
