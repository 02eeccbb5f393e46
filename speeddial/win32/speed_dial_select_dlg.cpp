// The speed-dial selection dialog. The SpeedDialSelection model decides what
// "To ->" adds, asks through this dialog before it replaces a record with the
// same name and number, and tells the dialog which lines to append and
// remove; the list's Delete tells the model which positions went. The
// available list sorts its numbers, so an item's index is not its record
// index: every item carries its record index as item data. It is filled in
// the order its sorting would give, worked out beforehand, so that each
// number goes to the end of the list (speeddial/sorted_list_order.h).
#include "speeddial/win32/speed_dial_select_dlg.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/wide_text.h"
#include "res/resource.h"
#include "speeddial/sorted_list_order.h"
#include "speeddial/win32/speed_dial_record_dlg.h"
#include "ui/session_context.h"

namespace {
constexpr const char* kCaption = "Speed Dial CSV Import";
constexpr const char* kExactlyOneText =
    "You must select exactly one speed dial number from the list in order to view the details.";
// Speed-dial numbers are three digits: the edit takes no more, and type-ahead
// compares no more.
constexpr int kTypeAheadChars = 3;
// List item texts and the caption are cut to this length.
constexpr std::size_t kMaxTextChars = 255;

std::string Cut(std::string text)
{
    if (text.size() > kMaxTextChars)
        text.resize(kMaxTextChars);
    return text;
}

std::string FieldText(const char* field, std::size_t size)
{
    return std::string(field, strnlen(field, size));
}

bool IsDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// How a sorted list box compares two item texts: in its locale, without
// regard to case; a failed comparison counts as "before".
int CompareAsSortedList(LCID locale, const std::wstring& a, const std::wstring& b)
{
    switch (CompareStringW(locale, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1)) {
    case CSTR_EQUAL:
        return 0;
    case CSTR_GREATER_THAN:
        return 1;
    default:
        return -1;
    }
}
} // namespace

CSpeedDialSelectDlg::CSpeedDialSelectDlg(HWND parent, const SessionContext& context, const std::string& sourcePath,
                                         const SpeedDialTable& recordTable, ImportResult& result,
                                         CRetiredLists& retiredLists)
    : CTwoListSelectDlg(
          {IDD_SPEED_DIAL_SELECT, kCaption, IDC_SPEED_DIAL_HELP, kHelpSpeedDialSelection, kTypeAheadChars}, parent,
          context, result, retiredLists),
      sourcePath_(sourcePath), recordTable_(recordTable), selection_(recordTable, result.entryCap)
{
}

bool CSpeedDialSelectDlg::OnInitDialog()
{
    // While the dialog is open the result holds no choice.
    result_.recipients.RemoveAll();

    selectedList_.Attach(Item(IDC_SELECTED_LIST));
    selectedList_.SetRemovalListener(
        [this](const std::vector<int>& positions) { selection_.RemovePositions(positions); });
    selectedList_.ResetContent();
    selectedList_.SetTabStops({kSpeedDialEntryColumn});
    availableList_.Attach(Item(IDC_SOURCE_LIST));
    availableList_.ResetContent();
    typeAheadEdit_.Attach(Item(IDC_TYPE_AHEAD));
    typeAheadEdit_.Send(EM_LIMITTEXT, kTypeAheadChars);

    CWindow headings(Item(IDC_SELECTED_HEADINGS));
    INT headingStop = kSpeedDialEntryColumn;
    headings.Send(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&headingStop));
    headings.SetText(kSpeedDialHeadings);

    FillAvailableList();
    if (availableList_.GetCount() > 0)
        availableList_.SetSel(0, true);

    SetCaption(Cut(std::string(kCaption) + " - " + sourcePath_));
    SetForegroundWindow(Handle());
    return true; // the focus goes to the type-ahead edit, the first tab stop
}

void CSpeedDialSelectDlg::FillAvailableList()
{
    const std::size_t count = recordTable_.size();
    std::size_t textBytes = 0;
    for (const SpeedDialEntry& entry : recordTable_)
        textBytes += std::min(entry.key.size(), kMaxTextChars) + 1;

    // Added one by one in record order, every number would make the list
    // search its place and move the items after it aside. Put in the order
    // the list would give them, each goes to the end instead.
    std::vector<std::string> numbers;
    std::vector<int> order;
    try {
        numbers.reserve(count);
        for (std::size_t record = 0; record < count; ++record)
            numbers.push_back(Cut(recordTable_[record].key));
        order = AvailableOrder(numbers);
        availableRecords_.reserve(count);
    } catch (const std::bad_alloc&) {
        order.clear();
    }

    CRedrawOff quiet(availableList_);
    availableList_.InitStorage(static_cast<int>(count), textBytes);
    if (order.size() == count) {
        for (int record : order) {
            const int item = availableList_.InsertString(-1, numbers[static_cast<std::size_t>(record)]);
            if (item < 0)
                break; // the list is out of room
            availableList_.SetItemData(item, static_cast<LPARAM>(record));
            availableRecords_.push_back(record);
        }
        return;
    }
    // No room to work the order out: the list sorts as the numbers come.
    availableRecords_.clear();
    for (std::size_t record = 0; record < count; ++record) {
        const int item = availableList_.AddString(Cut(recordTable_[record].key));
        if (item < 0)
            break; // the list is out of room
        availableList_.SetItemData(item, static_cast<LPARAM>(record));
    }
}

std::vector<int> CSpeedDialSelectDlg::AvailableOrder(const std::vector<std::string>& numbers) const
{
    const int count = static_cast<int>(numbers.size());
    // Texts of the digits 0 to 9 alone sort in the list's collation as their
    // bytes do (the digits weigh 0 to 9, and a text sorts before the longer
    // texts it begins). The usual speed-dial numbers thus need none of the
    // locale comparisons, which take about a microsecond each under Wine.
    if (std::all_of(numbers.begin(), numbers.end(), IsDigits))
        return SortedListOrderOfBytes(numbers);
    const LCID locale = availableList_.GetLocale();
    std::vector<std::wstring> texts;
    texts.reserve(numbers.size());
    for (const std::string& number : numbers)
        texts.push_back(WideFromAnsi(number)); // as the list keeps it
    return SortedListOrder(count, [&](int a, int b) {
        return CompareAsSortedList(locale, texts[static_cast<std::size_t>(a)], texts[static_cast<std::size_t>(b)]);
    });
}

int CSpeedDialSelectDlg::AvailableRecord(int item) const
{
    if (item >= 0 && static_cast<std::size_t>(item) < availableRecords_.size())
        return availableRecords_[static_cast<std::size_t>(item)];
    return static_cast<int>(availableList_.GetItemData(item));
}

bool CSpeedDialSelectDlg::OnCommand(int id, int code)
{
    if (id != IDC_VIEW_DETAILS)
        return CTwoListSelectDlg::OnCommand(id, code);
    if (code != BN_CLICKED)
        return false;
    ViewDetails();
    return true;
}

void CSpeedDialSelectDlg::AddSelectedItems()
{
    // Ascending item indexes: the records in the list's sorted order.
    std::vector<int> recordIndexes = availableList_.GetSelItems();
    for (int& item : recordIndexes)
        item = AvailableRecord(item);

    // Room for every line that may come, so the list does not grow its
    // item table again and again.
    selectedList_.InitStorage(static_cast<int>(recordIndexes.size()), 0);
    SpeedDialSelection::AddOutcome outcome;
    try {
        outcome = selection_.AddRecords(recordIndexes, *this);
    } catch (const std::bad_alloc&) {
        RedrawSelectedList(); // what was added before the failure is shown
        throw;
    }
    RedrawSelectedList();
    if (outcome == SpeedDialSelection::AddOutcome::kLimitReached)
        ShowLimitReached();
}

void CSpeedDialSelectDlg::QuietSelectedList()
{
    if (!selectedListQuiet_) {
        selectedList_.SetRedraw(false);
        selectedListQuiet_ = true;
    }
}

void CSpeedDialSelectDlg::RedrawSelectedList()
{
    if (selectedListQuiet_) {
        selectedList_.SetRedraw(true);
        selectedListQuiet_ = false;
    }
}

void CSpeedDialSelectDlg::Appended(const std::string& itemText, int recordIndex)
{
    QuietSelectedList();
    const int item = selectedList_.AddString(itemText);
    if (item >= 0) // LB_SETITEMDATA with -1 would touch every item
        selectedList_.SetItemData(item, recordIndex);
}

void CSpeedDialSelectDlg::Removed(int position)
{
    QuietSelectedList();
    selectedList_.DeleteString(position);
}

bool CSpeedDialSelectDlg::AskReplace(const SpeedDialRecord& chosen)
{
    // The user decides looking at the list as it stands.
    RedrawSelectedList();
    const std::string question = "Name :  " + FieldText(chosen.name, sizeof chosen.name) +
                                 "\nFax # :  " + FieldText(chosen.faxNumber, sizeof chosen.faxNumber) +
                                 "\n\nThe recipient already exists in the current selection.\nDo you want to "
                                 "replace it?";
    return ShowMessage(question.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CSpeedDialSelectDlg::ViewDetails()
{
    if (availableList_.GetSelCount() != 1) {
        ShowMessage(kExactlyOneText, kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    const int item = availableList_.GetFirstSelected();
    if (item < 0)
        return;
    const int record = AvailableRecord(item);
    if (record < 0 || static_cast<std::size_t>(record) >= recordTable_.size())
        return;
    CSpeedDialRecordDlg details(Handle(), recordTable_[static_cast<std::size_t>(record)]);
    details.SetHelp(context_.help, kHelpSpeedDialRecord);
    details.DoModal();
}
