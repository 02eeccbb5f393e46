#include "testkit/child_process.h"

#include <vector>

namespace testkit {

ChildProcess::~ChildProcess()
{
    Kill();
    if (process_)
        CloseHandle(process_);
}

void ChildProcess::Start(const std::string& program, const std::string& arguments)
{
    if (process_)
        throw DriveError("the child process was started already");
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        throw DriveError("cannot start " + program + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

bool ChildProcess::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs)
{
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_, &code);
    return code;
}

void ChildProcess::Kill()
{
    if (Running()) {
        TerminateProcess(process_, 255);
        WaitForSingleObject(process_, kDefaultTimeoutMs);
    }
}

std::string OwnDirectory()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    const std::size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

} // namespace testkit
