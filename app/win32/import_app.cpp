// The import session run as the application's start-up routine.
#include "app/win32/import_app.h"

#include "app/session.h"
#include "app/win32/emergency_hand_back.h"
#include "app/win32/win32_session_platform.h"
#include "framework/library_loading.h"

bool CImportApp::RunImportSession()
{
    InstallEmergencyHandBack();
    KeepCurrentFolderOutOfLibrarySearch();
    // What the run's windows share; its help windows close with it.
    SessionContext context;
    Win32SessionPlatform platform(context);
    try {
        ImportSession session(platform);
        session.Run();
    } catch (...) {
        // Even a session that failed half-way gives the host its window back.
        platform.HandBackAfterFailure();
    }
    return false;
}
