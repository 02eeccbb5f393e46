// The CSV recipient selection dialog. The CsvSelection model decides what
// "To ->" adds and keeps the cap and duplicate rules; the selected list is
// its mirror: items are appended for the entries the model took, and the
// list's Delete tells the model which positions went.
#include "csv/win32/csv_select_dlg.h"

#include <new>

#include "res/resource.h"
#include "ui/progress_dlg.h"
#include "ui/session_context.h"

namespace {
// Type-ahead compares the start of the typed text only.
constexpr std::size_t kTypeAheadChars = 30;
// Room to reserve per entry text: name, blank, brackets, number, terminator.
constexpr std::size_t kEntryTextBytes = 2 * kMaxTextBytes + 4;
} // namespace

CCsvSelectDlg::CCsvSelectDlg(HWND parent, const SessionContext& context, const char* captionStart,
                             const std::string& path, const OfferedEntryTable& entries, ImportResult& result,
                             CRetiredLists& retiredLists)
    : CTwoListSelectDlg({IDD_CSV_SELECT, captionStart, IDC_CSV_SELECT_HELP, kHelpCsvSelection, kTypeAheadChars}, parent,
                        context, result, retiredLists),
      captionStart_(captionStart), path_(path), entries_(entries), selection_(entries, result.entryCap)
{
}

bool CCsvSelectDlg::OnInitDialog()
{
    CProgressDlg notice(CProgressDlg::Work::kFileList);
    notice.Create();

    // While the dialog is open the result holds no choice.
    result_.recipients.RemoveAll();

    selectedList_.Attach(Item(IDC_SELECTED_LIST));
    sourceList_.Attach(Item(IDC_SOURCE_LIST));
    typeAheadEdit_.Attach(Item(IDC_TYPE_AHEAD));
    selectedList_.SetRemovalListener(
        [this](const std::vector<int>& positions) { selection_.RemovePositions(positions); });
    selectedList_.ResetContent();
    sourceList_.ResetContent();

    FillSourceList();
    if (sourceList_.GetCount() > 0)
        sourceList_.SetSel(0, true);

    notice.Destroy();

    SetCaption(std::string(captionStart_) + " - " + path_);
    SetForegroundWindow(Handle());
    return true; // the focus goes to the type-ahead edit, the first tab stop
}

void CCsvSelectDlg::FillSourceList()
{
    // Without room for the copy of the item data, "To ->" asks the list.
    bool mirrored = true;
    try {
        sourceEntries_.reserve(entries_.size());
    } catch (const std::bad_alloc&) {
        mirrored = false;
    }

    CRedrawOff quiet(sourceList_);
    sourceList_.InitStorage(static_cast<int>(entries_.size()), entries_.size() * kEntryTextBytes);
    std::string text; // keeps its room from one line to the next
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        selection_.WriteEntryText(static_cast<int>(index), text);
        const int item = sourceList_.AddString(text);
        if (item < 0)
            break; // the list is out of room
        sourceList_.SetItemData(item, static_cast<LPARAM>(index));
        if (mirrored)
            sourceEntries_.push_back(static_cast<int>(index));
    }
}

int CCsvSelectDlg::SourceEntry(int item) const
{
    if (item >= 0 && static_cast<std::size_t>(item) < sourceEntries_.size())
        return sourceEntries_[static_cast<std::size_t>(item)];
    return static_cast<int>(sourceList_.GetItemData(item));
}

void CCsvSelectDlg::AddSelectedItems()
{
    std::vector<int> entryIndexes = sourceList_.GetSelItems();
    for (int& item : entryIndexes)
        item = SourceEntry(item);

    const std::size_t before = selection_.Chosen().size();
    const CsvSelection::AddOutcome outcome = selection_.AddEntries(entryIndexes);
    const std::vector<int>& chosen = selection_.Chosen();
    {
        CRedrawOff quiet(selectedList_);
        const std::size_t incoming = chosen.size() - before;
        selectedList_.InitStorage(static_cast<int>(incoming), incoming * kEntryTextBytes);
        std::string text; // keeps its room from one line to the next
        for (std::size_t position = before; position < chosen.size(); ++position) {
            selection_.WriteEntryText(chosen[position], text);
            const int item = selectedList_.AddString(text);
            if (item >= 0) // LB_SETITEMDATA with -1 would touch every item
                selectedList_.SetItemData(item, chosen[position]);
        }
    }
    if (outcome == CsvSelection::AddOutcome::kLimitReached)
        ShowLimitReached();
}
