// The application object: one statically constructed instance of a class
// derived from CApplication, whose start-up routine WinMain calls once.
#pragma once

#include <windows.h>

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The one application object of the process, or null.
    static CApplication* Current() { return current_; }

    // Called once at start. Returning false ends the process with status 0
    // without ever entering a message loop.
    virtual bool OnStartUp() = 0;
    // The message loop, entered only when OnStartUp returned true; returns
    // the exit status.
    virtual int Run();

private:
    static CApplication* current_;
};
