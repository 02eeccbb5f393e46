// The progress notice of the address-book walk: Cancel and Esc ask the walk
// to stop, and the notice stays until the walk is over.
#include <gtest/gtest.h>

#include "core/win32/progress_dlg.h"
#include "dialog_harness.h"

namespace {

constexpr int kTextId = 0xFFFF; // the template's static text

TEST(ProgressNotice, StandsWithItsTextAndAnEnabledCancel)
{
    CProgressDlg notice;
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
    CProgressDlg notice;
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
    CProgressDlg notice;
    notice.Create();
    SetFocus(GetDlgItem(notice.Handle(), IDCANCEL));
    harness::PumpMessages();
    harness::PostKey(VK_ESCAPE);
    EXPECT_TRUE(notice.PumpAndCheckCancel());
}

TEST(ProgressNotice, AQuitMessageIsLeftForTheLoopAfterTheWork)
{
    CProgressDlg notice;
    notice.Create();
    PostQuitMessage(3);
    EXPECT_FALSE(notice.PumpAndCheckCancel());
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

} // namespace
