#include "layout_check.h"

#include <commctrl.h>

#include <cstdio>

#include "testkit/dialog_driver.h"
#include "testkit/text.h"
#include "testkit/window_messages.h"

namespace harness {

namespace {

std::wstring TextOf(HWND window)
{
    return testkit::Widen(testkit::WindowText(window));
}

// A device context of a window with a font selected, for measuring.
class MeasuringDc {
public:
    MeasuringDc(HWND window, HFONT font) : window_(window), dc_(GetDC(window))
    {
        previous_ = SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    }
    ~MeasuringDc()
    {
        SelectObject(dc_, previous_);
        ReleaseDC(window_, dc_);
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    // The text as DrawText lays it out in `width` pixels.
    SIZE Text(const std::wstring& text, UINT format, int width = 0) const
    {
        RECT rect{0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
        return {rect.right, rect.bottom};
    }
    // One line with its tabs at multiples of tabStop pixels.
    SIZE Tabbed(const std::wstring& text, int tabStop) const
    {
        const DWORD extent =
            GetTabbedTextExtentW(dc_, text.c_str(), static_cast<int>(text.size()), tabStop > 0 ? 1 : 0, &tabStop);
        return {LOWORD(extent), HIWORD(extent)};
    }
    int LineHeight() const
    {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return metrics.tmHeight;
    }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previous_;
};

HFONT FontOf(HWND control)
{
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

SIZE SizeOf(const RECT& rect)
{
    return {rect.right - rect.left, rect.bottom - rect.top};
}

class Checker {
public:
    Checker(HWND dialog, int editTabStop) : dialog_(dialog)
    {
        RECT tab{0, 0, editTabStop, 0};
        MapDialogRect(dialog, &tab);
        editTabStop_ = tab.right;
    }

    std::vector<std::string> Run()
    {
        CheckCaption();
        for (HWND control = GetWindow(dialog_, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
            CheckControl(control);
        return faults_;
    }

private:
    void Expect(HWND control, const std::wstring& text, SIZE needed, SIZE room)
    {
        if (needed.cx <= room.cx && needed.cy <= room.cy)
            return;
        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        char line[700];
        std::snprintf(line, sizeof line, "control %d (%s \"%s\"): needs %ld x %ld, has %ld x %ld",
                      GetDlgCtrlID(control), testkit::Narrow(className).c_str(), testkit::Narrow(text).c_str(),
                      needed.cx, needed.cy, room.cx, room.cy);
        faults_.push_back(line);
    }

    // The caption between the frame and the close box, in the caption font.
    void CheckCaption()
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
        RECT client;
        GetClientRect(dialog_, &client);
        LONG room = client.right - 2 * GetSystemMetrics(SM_CXEDGE);
        if (GetWindowLongW(dialog_, GWL_STYLE) & WS_SYSMENU)
            room -= GetSystemMetrics(SM_CXSIZE);
        const std::wstring caption = TextOf(dialog_);
        {
            MeasuringDc dc(dialog_, font);
            Expect(dialog_, caption, dc.Text(caption, DT_SINGLELINE | DT_NOPREFIX), {room, LONG_MAX});
        }
        DeleteObject(font);
    }

    void CheckControl(HWND control)
    {
        const std::wstring text = TextOf(control);
        RECT dialogArea;
        GetClientRect(dialog_, &dialogArea);
        RECT outer;
        GetWindowRect(control, &outer);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&outer), 2);
        RECT inside;
        if (!IntersectRect(&inside, &outer, &dialogArea) || !EqualRect(&inside, &outer))
            Expect(control, text, SizeOf(outer), SizeOf(inside));

        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        MeasuringDc dc(control, FontOf(control));
        RECT client;
        GetClientRect(control, &client);
        const SIZE room = SizeOf(client);
        if (lstrcmpiW(className, L"Static") == 0) {
            const LONG type = style & SS_TYPEMASK;
            if (text.empty() || (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT))
                return;
            const UINT format = DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
            Expect(control, text, dc.Text(text, format, room.cx), room);
        } else if (lstrcmpiW(className, L"Button") == 0) {
            CheckButton(control, text, style, dc, room);
        } else if (lstrcmpiW(className, L"Edit") == 0) {
            // The formatting rectangle is where the edit draws its text.
            RECT format;
            SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            SIZE needed = dc.Tabbed(text, editTabStop_);
            needed.cy = dc.LineHeight();
            Expect(control, text, needed, {format.right - format.left, client.bottom - format.top});
            const std::size_t tab = text.find(L'\t');
            if (tab != std::wstring::npos && editTabStop_ > 0) // the column before the tab stop
                Expect(control, text, dc.Tabbed(text.substr(0, tab), 0), {editTabStop_, LONG_MAX});
        } else if (lstrcmpiW(className, L"ListBox") == 0) {
            const LONG itemHeight = static_cast<LONG>(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0));
            Expect(control, text, {0, itemHeight}, room);
        } else if (lstrcmpiW(className, L"ComboBox") == 0) {
            CheckComboItems(control, dc);
        }
    }

    void CheckButton(HWND control, const std::wstring& text, LONG style, const MeasuringDc& dc, SIZE room)
    {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            // The frame's caption starts and ends a character's width in.
            SIZE needed = dc.Text(text, DT_SINGLELINE);
            needed.cx += 2 * dc.Text(L"x", DT_SINGLELINE).cx;
            Expect(control, text, needed, room);
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            // Inside the button's raised edge.
            const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
            Expect(control, text, dc.Text(text, DT_SINGLELINE), {room.cx - 2 * edgeX, room.cy - 2 * edgeY});
        } else {
            // Check boxes and radio buttons: the box, the gap and the text,
            // as the control itself works them out.
            SIZE ideal{};
            if (!SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
                ideal = {LONG_MAX, LONG_MAX};
            Expect(control, text, ideal, room);
        }
    }

    // Every item in the selection field of the closed combo box.
    void CheckComboItems(HWND combo, const MeasuringDc& dc)
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo, &info);
        const SIZE room = SizeOf(info.rcItem);
        for (const testkit::ComboItem& item : testkit::ComboItems(dialog_, GetDlgCtrlID(combo))) {
            const std::wstring text = testkit::Widen(item.text);
            Expect(combo, text, dc.Text(text, DT_SINGLELINE | DT_NOPREFIX), room);
        }
    }

    HWND dialog_;
    int editTabStop_ = 0;
    std::vector<std::string> faults_;
};

} // namespace

std::vector<std::string> ClippedTexts(HWND dialog, int editTabStop)
{
    return Checker(dialog, editTabStop).Run();
}

} // namespace harness
