// The shared part of the two selection dialogs; see two_list_select_dlg.h.
#include "ui/two_list_select_dlg.h"

#include <new>

#include "res/resource.h"
#include "ui/session_context.h"

namespace {
constexpr const char* kNoMemoryText =
    "Insufficient memory to add multiple entries.\nReduce your selections and try again.";
} // namespace

CTwoListSelectDlg::CTwoListSelectDlg(const Settings& settings, HWND parent, const SessionContext& context,
                                     ImportResult& result, CRetiredLists& retiredLists)
    : CDialog(settings.templateId, parent), settings_(settings), context_(context), result_(result),
      retiredLists_(retiredLists)
{
    SetHelp(context.help, settings.helpContext);
}

void CTwoListSelectDlg::OnOK()
{
    StoreChoice();
    ReleaseLists();
    EndDialog(IDOK);
}

void CTwoListSelectDlg::OnCancel()
{
    result_.recipients.RemoveAll();
    ReleaseLists();
    EndDialog(IDCANCEL);
}

bool CTwoListSelectDlg::OnCommand(int id, int code)
{
    if (id == settings_.helpButtonId) {
        if (code != BN_CLICKED)
            return false;
        ShowHelp();
        return true;
    }
    switch (id) {
    case IDC_TYPE_AHEAD:
        if (code != EN_CHANGE)
            return false;
        TypeAhead();
        return true;
    case IDC_SOURCE_LIST:
        if (code != LBN_DBLCLK)
            return false;
        MoveToSelected();
        return true;
    case IDC_TO_SELECTED:
        if (code != BN_CLICKED)
            return false;
        MoveToSelected();
        return true;
    case IDC_DELETE_SELECTED:
        if (code != BN_CLICKED)
            return false;
        selectedList_.OnVirtualKey(VK_DELETE, 0);
        return true;
    default:
        return false;
    }
}

int CTwoListSelectDlg::OnVirtualKey(HWND listBox, int virtualKey, int caretIndex)
{
    if (listBox == selectedList_.Handle())
        return selectedList_.OnVirtualKey(virtualKey, caretIndex);
    return -1;
}

void CTwoListSelectDlg::ShowLimitReached() const
{
    const std::string text = "The selected recipients in list has reached the maximum entry limit.\nYou cannot import "
                             "more than " +
                             std::to_string(result_.entryCap) + " recipients.";
    ShowMessage(text.c_str(), settings_.caption, MB_OK | MB_ICONWARNING);
}

void CTwoListSelectDlg::TypeAhead()
{
    SourceList().SelectFirstMatch(typeAheadEdit_.TextPrefix(settings_.typeAheadChars));
}

void CTwoListSelectDlg::MoveToSelected()
{
    if (SourceList().GetSelCount() <= 0)
        return;
    if (IsFull()) {
        ShowLimitReached();
        return;
    }
    try {
        AddSelectedItems();
    } catch (const std::bad_alloc&) {
        ShowMessage(kNoMemoryText, settings_.caption, MB_OK | MB_ICONWARNING);
    }
}

void CTwoListSelectDlg::ReleaseLists()
{
    // Emptying two lists of many thousand lines, one call per line, would
    // keep the next dialog waiting; it is done after the session instead.
    retiredLists_.Adopt(SourceList().Handle());
    retiredLists_.Adopt(selectedList_.Handle());
}
