// A stand-in for the host fax application: a top-level window on its own
// thread with its own message loop. faximport disables it, owns its message
// boxes by it, brings it to the foreground and posts it a command, all from
// another process; the host thread keeps pumping so none of that can
// deadlock against the thread that drives the dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testkit/window_messages.h"

namespace testkit {

// The child control whose presence makes faximport cap an import at 50 entries.
constexpr int kCapControlId = 1008;

struct HostOptions {
    std::string title = "Fax Host";
    bool capControl = false; // give the window a child control 1008
    int actionButtonId = 0;  // a push button with this ID; 0: none
    std::string actionButtonText;
    bool outputPane = false; // a read-only text pane below the button
    int width = 560;
    int height = 360;
};

// One WM_COMMAND as the host received it.
struct ReceivedCommand {
    int id;   // low word of wParam
    int code; // high word of wParam
    LPARAM lParam;

    bool operator==(const ReceivedCommand& other) const
    {
        return id == other.id && code == other.code && lParam == other.lParam;
    }
};

class TestHost {
public:
    // Creates the window on a new thread; throws DriveError when that fails.
    explicit TestHost(const HostOptions& options = HostOptions());
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HWND Window() const { return window_; }
    bool IsEnabled() const;
    // Makes the host the foreground window; true once it is.
    bool MakeForeground(DWORD timeoutMs = kDefaultTimeoutMs);

    // Every WM_COMMAND received so far, oldest first (the host's own output
    // pane's notifications left out).
    std::vector<ReceivedCommand> Commands() const;
    // True once a command with this ID has arrived.
    bool WaitForCommand(int id, DWORD timeoutMs = kDefaultTimeoutMs) const;

    void SetOutputText(const std::string& text);
    // The user closed the window.
    bool IsClosed() const;

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateHostWindow();
    void Layout();
    void Record(const ReceivedCommand& command);

    HostOptions options_;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND window_ = nullptr;
    HWND outputPane_ = nullptr;
    HWND actionButton_ = nullptr;
    HWND capControl_ = nullptr;
    mutable CRITICAL_SECTION lock_;
    std::vector<ReceivedCommand> commands_;
    volatile LONG closed_ = 0;
};

} // namespace testkit
