// The program under test as a child process. A child still running when its
// owner goes away is ended, so a failed test leaves no dialogs behind.
#pragma once

#include <windows.h>

#include <string>

#include "testkit/window_messages.h"

namespace testkit {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts program with arguments (the text after the quoted program path;
    // empty for none). Throws DriveError when the process cannot be created.
    void Start(const std::string& program, const std::string& arguments);

    DWORD Id() const { return id_; }
    bool Running() const;
    // True once the process has ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs);
    // The exit status; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Ends the process at once if it still runs.
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The folder of the running executable, with its final backslash.
std::string OwnDirectory();

} // namespace testkit
