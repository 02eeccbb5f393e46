// The application object: its start-up routine runs one import session and
// returns false, so the process ends without a message loop.
#pragma once

#include <windows.h>

#include "framework/application.h"

class CImportApp : public CApplication {
public:
    bool OnStartUp() override { return RunImportSession(); }

    // The whole import, from the host probe to the hand-back. Always false.
    bool RunImportSession();
};
