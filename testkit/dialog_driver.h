// Driving the controls of another process's dialogs by control ID, the way a
// user would cause it: texts, list and combo selections, check boxes, button
// clicks, message boxes and the open-file dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testkit/window_search.h"

namespace testkit {

// The control id of dialog; throws DriveError when there is none.
HWND Control(HWND dialog, int id);

std::string ControlText(HWND dialog, int id);
// WM_SETTEXT; an edit control reports the change (EN_CHANGE) to the dialog.
void SetControlText(HWND dialog, int id, const std::string& text);
bool IsControlVisible(HWND dialog, int id);
bool IsControlEnabled(HWND dialog, int id);

// List boxes.
std::vector<std::string> ListItems(HWND dialog, int listId);
int ListCount(HWND dialog, int listId);
std::vector<int> ListSelection(HWND dialog, int listId);
// Selects items of a multiple-selection list; the list does not tell the
// dialog (no LBN_SELCHANGE), as with a selection made by the program.
void ListSelect(HWND dialog, int listId, int index, bool selected = true);
void ListSelectRange(HWND dialog, int listId, int first, int last, bool selected = true);
void ListClearSelection(HWND dialog, int listId);
// Single-selection list (LB_SETCURSEL).
void ListSetCurrent(HWND dialog, int listId, int index);
// Waits until the list holds count items.
bool WaitForListCount(HWND dialog, int listId, int count, DWORD timeoutMs = kDefaultTimeoutMs);

// Combo boxes: items with their item data.
struct ComboItem {
    std::string text;
    LRESULT data;
};
std::vector<ComboItem> ComboItems(HWND dialog, int comboId);
int ComboSelection(HWND dialog, int comboId);
// Selects the item with this text and tells the dialog, as a user's choice
// would (CBN_SELCHANGE). Throws when there is no such item.
void ComboChoose(HWND dialog, int comboId, const std::string& text);

// Check boxes.
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

// Button clicks go to the dialog as WM_COMMAND(id, BN_CLICKED). Posted, so a
// click that opens a modal window does not block the caller.
void PostClick(HWND dialog, int id);
// Sent and waited for; only for buttons that never open a modal window.
void SendClick(HWND dialog, int id);
// A control's notification to the dialog, WM_COMMAND(id, code), as SendClick.
void SendNotification(HWND dialog, int id, int code);

// A message box of the process and what it says.
struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// Waits for a message box; window is null when none appeared in time.
MessageBoxInfo WaitForMessage(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// Presses a button of a message box (IDOK, IDYES, IDNO) and waits for it to close.
bool AnswerMessage(const MessageBoxInfo& box, int buttonId = IDOK);

// The open-file dialog of the process with this title, once it is ready.
HWND WaitForFileChooser(DWORD processId, const std::string& title, DWORD timeoutMs = kDefaultTimeoutMs);
// Types path into its file name field.
void EnterFileName(HWND chooser, const std::string& path);
// The open-file dialog: waits for it under its title, types path into the
// file name field and presses OK. False when it did not appear or did
// not close.
bool ChooseFile(DWORD processId, const std::string& title, const std::string& path,
                DWORD timeoutMs = kDefaultTimeoutMs);
// Presses Cancel in the open-file dialog.
bool CancelFileChooser(DWORD processId, const std::string& title, DWORD timeoutMs = kDefaultTimeoutMs);

} // namespace testkit
