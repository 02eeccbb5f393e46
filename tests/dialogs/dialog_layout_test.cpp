// Every dialog template at the resolution this process runs at, with the
// longest texts the program puts into it: no text is cut off and no control
// reaches past its dialog. The test script runs these at 96 DPI and again in
// a Wine prefix set to 144 DPI; with FAXIMPORT_LAYOUT_SHOTS naming a folder,
// each dialog is also saved there as a bitmap to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "addrbook/win32/entry_point.h"
#include "dialog_harness.h"
#include "dialogs/confirm_text.h"
#include "dialogs/data_type_choice.h"
#include "layout_check.h"
#include "res/resource.h"
#include "speeddial/win32/speed_dial_select_dlg.h"
#include "testkit/screenshot.h"

namespace {

struct LayoutCase {
    const char* name; // also the screenshot's file name
    UINT templateId;
    std::vector<std::pair<int, std::string>> texts; // what the program sets
    int editTabStop;                                // dialog units, 0: none
};

std::vector<LayoutCase> Cases()
{
    const std::string headline = ConfirmHeadline(kMaxEntryCount);
    const std::string count = std::to_string(kMaxEntryCount);
    const std::vector<std::pair<int, std::string>> counts = {{IDC_CONFIRM_HEADLINE, headline},
                                                             {IDC_SELECTED_COUNT, count},
                                                             {IDC_REJECTED_COUNT, count},
                                                             {IDC_VALID_COUNT, count}};
    auto confirm = [&](DataSourceKind kind, bool walkStopped, bool sourceIncomplete = false) {
        auto texts = counts;
        texts.push_back({IDC_REJECTED_LABEL, RejectedLabel(kind)});
        texts.push_back({IDC_CAP_LINE, ConfirmCapLine(0, kMaxEntryCount + 1, walkStopped, sourceIncomplete)});
        return texts;
    };
    return {
        {"data-type", IDD_DATA_TYPE, {}, 0},
        {"csv-selection", IDD_CSV_SELECT, {}, 0},
        {"field-map", IDD_FIELD_MAP, {}, 0},
        {"progress", IDD_PROGRESS, {}, 0},
        {"confirmation-file", IDD_CONFIRM, confirm(DataSourceKind::kCsvManual, false), 0},
        {"confirmation-address-book", IDD_CONFIRM, confirm(DataSourceKind::kMapiAddressBook, true), 0},
        {"confirmation-directory", IDD_CONFIRM, confirm(DataSourceKind::kDirectory, false, true), 0},
        {"directory-sign-in",
         IDD_DIRECTORY_SIGN_IN,
         {{IDC_SIGN_IN_PROMPT, "Sign in to the company directory dc01.branch-office.example.com:"}},
         0},
        {"speed-dial-selection",
         IDD_SPEED_DIAL_SELECT,
         {{IDC_SELECTED_HEADINGS, kSpeedDialHeadings}},
         kSpeedDialEntryColumn},
        {"speed-dial-record", IDD_SPEED_DIAL_RECORD, {}, 0},
    };
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

void SaveShot(HWND dialog, const std::string& path)
{
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
    // Wine copies a window's drawing to the screen a moment later.
    for (int round = 0; round < 5; ++round) {
        harness::PumpMessages();
        Sleep(60);
    }
    EXPECT_TRUE(testkit::SaveWindowBitmap(dialog, path)) << path;
}

TEST(DialogLayout, EveryTextShowsWhole)
{
    const char* shots = std::getenv("FAXIMPORT_LAYOUT_SHOTS");
    for (const LayoutCase& layout : Cases()) {
        SCOPED_TRACE(layout.name);
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(layout.templateId), nullptr,
                                         PlainDialogProc, 0);
        ASSERT_TRUE(dialog);
        for (const auto& text : layout.texts)
            SetDlgItemTextA(dialog, text.first, text.second.c_str());
        if (layout.templateId == IDD_DATA_TYPE) {
            for (const DataTypeItem& item : OfferedDataTypes({true, true, true})) {
                const LRESULT index =
                    SendDlgItemMessageA(dialog, IDC_KIND_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text));
                // CSV chosen, with its option, for the screenshot.
                if (item.kind == DataSourceKind::kCsvManual)
                    SendDlgItemMessageA(dialog, IDC_KIND_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            }
            ShowWindow(GetDlgItem(dialog, IDC_AUTO_SEARCH), SW_SHOW);
        }
        EXPECT_EQ(harness::ClippedTexts(dialog, layout.editTabStop), std::vector<std::string>());
        if (shots != nullptr && *shots != '\0')
            SaveShot(dialog, std::string(shots) + "\\" + layout.name + ".bmp");
        DestroyWindow(dialog);
    }
}

TEST(DialogLayout, ATextTooLongForItsControlIsFound)
{
    HWND notice =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, PlainDialogProc, 0);
    ASSERT_TRUE(notice);
    SetDlgItemTextA(notice, 0xFFFF, "Retrieving and validating fax records, then sorting them, then checking again...");
    EXPECT_EQ(harness::ClippedTexts(notice).size(), 1u);
    DestroyWindow(notice);
}

TEST(DialogLayout, RunsAtTheResolutionTheScriptAskedFor)
{
    const char* asked = std::getenv("FAXIMPORT_DPI");
    if (asked == nullptr)
        GTEST_SKIP() << "run outside the test scripts";
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::atoi(asked));
    ReleaseDC(nullptr, screen);
}

// The manifest that this program shares with faximport.exe, as the loader
// read it.
TEST(ProgramManifest, BringsCommonControlsSixSystemDpiAwarenessAndTheWindowsVersions)
{
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    EXPECT_TRUE(
        FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &redirection))
        << "comctl32.dll is not taken from Common Controls 6";

    // Windows 7 and later; the headers declare it only for programs that
    // need those.
    using QuerySettings = BOOL WINAPI(DWORD, HANDLE, PCWSTR, PCWSTR, PWSTR, SIZE_T, SIZE_T*);
    const auto querySettings = EntryPoint<QuerySettings>(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW");
    ASSERT_TRUE(querySettings);
    wchar_t awareness[32] = L"";
    EXPECT_TRUE(querySettings(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness",
                              awareness, 32, nullptr));
    EXPECT_STREQ(awareness, L"system");

    DWORD compatibility[64] = {};
    SIZE_T needed = 0;
    // No context named: the process's own, made from the manifest.
    EXPECT_TRUE(QueryActCtxW(0, nullptr, nullptr, CompatibilityInformationInActivationContext, compatibility,
                             sizeof compatibility, &needed));
    EXPECT_EQ(compatibility[0], 4u) << "Windows 7, 8, 8.1 and 10/11";
}

} // namespace
