#include "framework/help_viewer.h"

#include <utility>

#include "framework/library_loading.h"
#include "framework/message_box.h"
#include "help/help_pages.h"

namespace {

// The HtmlHelp commands used here, as htmlhelp.h numbers them.
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhCloseAll = 0x0012;

constexpr char kHelpCaption[] = "Import Fax Recipient Data";

bool FileExists(const std::string& path)
{
    if (path.empty())
        return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// hhctrl.ocx in the system folder, by its full path.
std::string SystemHtmlHelpLibrary()
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(folder, length) + "\\hhctrl.ocx";
}

} // namespace

void HelpViewer::SetFiles(std::string htmlHelpFile, std::string winHelpFile)
{
    htmlHelpFile_ = std::move(htmlHelpFile);
    winHelpFile_ = std::move(winHelpFile);
}

HelpViewer::HtmlHelpFunction HelpViewer::HtmlHelp() const
{
    if (htmlHelp_ == nullptr && hhctrl_ == nullptr) {
        const std::string library = SystemHtmlHelpLibrary();
        if (!library.empty())
            hhctrl_ = LoadLibraryOutsideCurrentFolder(library.c_str());
        if (hhctrl_ != nullptr)
            htmlHelp_ =
                reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(hhctrl_.get(), "HtmlHelpA")));
    }
    return htmlHelp_;
}

void HelpViewer::Show(HWND owner, DWORD context) const
{
    if (htmlHelpFile_.empty() && winHelpFile_.empty())
        return;
    if (FileExists(htmlHelpFile_)) {
        if (HtmlHelpFunction htmlHelp = HtmlHelp()) {
            // "file.chm::/page.htm", or the help's first page. No caller
            // window: the help stays open from one dialog to the next and
            // blocks none of them.
            const char* page = HelpPageFor(context);
            const std::string topic = page != nullptr ? htmlHelpFile_ + "::/" + page : htmlHelpFile_;
            htmlHelp(nullptr, topic.c_str(), kHhDisplayTopic, 0);
            return;
        }
    } else if (FileExists(winHelpFile_)) {
        WinHelpA(owner, winHelpFile_.c_str(), HELP_CONTEXT, context);
        return;
    }
    const std::string text =
        FileExists(htmlHelpFile_)
            ? "The help cannot be shown: HTML Help (hhctrl.ocx) is not available.\n" + htmlHelpFile_
            : "The help file cannot be found:\n" + htmlHelpFile_;
    ShowMessageBox(owner, text.c_str(), kHelpCaption, MB_OK | MB_ICONWARNING);
}

void HelpViewer::CloseAll() const
{
    if (htmlHelp_ != nullptr)
        htmlHelp_(nullptr, nullptr, kHhCloseAll, 0);
}
