// The program's help, opened at a dialog's page by its context number: the
// HTML Help file beside the program at that context's page, through HtmlHelpA
// from hhctrl.ocx, which is loaded at run time from the system folder only;
// else, when a host ships one there, the old WinHelp file at the context;
// else one message box that names the file looked for. The help window belongs to no dialog, so it never blocks one,
// and every help window opened is closed when the viewer closes or goes.
#pragma once

#include <string>

#include "framework/handles.h"

class HelpViewer {
public:
    HelpViewer() = default;
    ~HelpViewer() { CloseAll(); }
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // The HTML Help file and the WinHelp file to fall back on; with both
    // empty, Help does nothing.
    void SetFiles(std::string htmlHelpFile, std::string winHelpFile);
    // Opens the help at context; a message box owned by owner says why not.
    void Show(HWND owner, DWORD context) const;
    // Closes every HTML Help window this process opened.
    void CloseAll() const;

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    // HtmlHelpA, loaded on first use; null when Windows has no HTML Help.
    HtmlHelpFunction HtmlHelp() const;

    std::string htmlHelpFile_;
    std::string winHelpFile_;
    // Loaded when help is first asked for: a run without help never loads it.
    mutable UniqueModule hhctrl_;
    mutable HtmlHelpFunction htmlHelp_ = nullptr;
};
