// The progress notice of the address-book walk: Cancel and Esc ask the walk
// to stop, and the notice stays until the walk is over. The notice of a list
// filled from a file has nothing to stop and shows no Cancel.
#include <gtest/gtest.h>

#include "addrbook/win32/win32_address_book_source.h"
#include "dialog_harness.h"
#include "ui/progress_dlg.h"

namespace {

constexpr int kTextId = 0xFFFF; // the template's static text

TEST(ProgressNotice, StandsWithItsTextAndAnEnabledCancel)
{
    CProgressDlg notice(CProgressDlg::Work::kAddressBookWalk);
    notice.Create();
    HWND window = notice.Handle();
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(harness::ItemText(window, kTextId), "Retrieving and validating fax records...");
    EXPECT_EQ(harness::ItemText(window, IDCANCEL), "Cancel");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDCANCEL)));
    EXPECT_FALSE(notice.PumpAndCheckCancel());
}

TEST(ProgressNotice, CancelAsksToStopAndTheNoticeStays)
{
    CProgressDlg notice(CProgressDlg::Work::kAddressBookWalk);
    notice.Create();
    HWND window = notice.Handle();
    // Posted, as a click arrives while the walk runs: only the pump takes it.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
    EXPECT_TRUE(notice.PumpAndCheckCancel());
    EXPECT_TRUE(notice.PumpAndCheckCancel()) << "asked once, it stays asked";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDCANCEL)));
    EXPECT_TRUE(IsWindowVisible(window)) << "the notice stands until the walk has stopped";
}

TEST(ProgressNotice, EscAsksToStop)
{
    CProgressDlg notice(CProgressDlg::Work::kAddressBookWalk);
    notice.Create();
    SetFocus(GetDlgItem(notice.Handle(), IDCANCEL));
    harness::PumpMessages();
    harness::PostKey(VK_ESCAPE);
    EXPECT_TRUE(notice.PumpAndCheckCancel());
}

TEST(ProgressNotice, AQuitMessageIsLeftForTheLoopAfterTheWork)
{
    CProgressDlg notice(CProgressDlg::Work::kAddressBookWalk);
    notice.Create();
    PostQuitMessage(3);
    EXPECT_FALSE(notice.PumpAndCheckCancel());
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

TEST(ProgressNotice, AFileListNoticeShowsNoCancelAndEscAsksNothing)
{
    CProgressDlg notice(CProgressDlg::Work::kFileList);
    notice.Create();
    HWND window = notice.Handle();
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDCANCEL)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDCANCEL)));
    SetFocus(window);
    harness::PostKey(VK_ESCAPE);
    EXPECT_FALSE(notice.PumpAndCheckCancel());
    EXPECT_TRUE(IsWindow(window));
}

// The notice the address-book source shows for its walk is the one with Cancel.
TEST(ProgressNotice, TheAddressBookSourceShowsCancelAndAClickStopsTheWalk)
{
    SessionContext context;
    Win32AddressBookSource source(context);
    const std::unique_ptr<ProgressNotice> notice = source.ShowProgressNotice();
    HWND window = FindWindowA("#32770", "Import Fax Recipient Data");
    ASSERT_TRUE(window);
    HWND cancel = GetDlgItem(window, IDCANCEL);
    EXPECT_TRUE(IsWindowVisible(cancel));
    EXPECT_TRUE(IsWindowEnabled(cancel));
    EXPECT_FALSE(notice->StopRequested());
    PostMessageA(cancel, BM_CLICK, 0, 0);
    EXPECT_TRUE(notice->StopRequested());
}

} // namespace
