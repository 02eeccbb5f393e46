#include "app/win32/emergency_hand_back.h"

namespace {

// Plain globals on purpose: the filter runs in a damaged process and must not
// depend on anything that might have been corrupted or destroyed.
HWND volatile armedHost = nullptr;
volatile LONG armedCommand = 0;

LONG WINAPI HandBackOnFault(EXCEPTION_POINTERS*)
{
    HWND host = static_cast<HWND>(InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&armedHost), nullptr));
    if (host != nullptr) {
        EnableWindow(host, TRUE);
        SetForegroundWindow(host);
        PostMessageA(host, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(armedCommand), 0), 0);
    }
    // Let the process end; the host has been told.
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void InstallEmergencyHandBack()
{
    SetUnhandledExceptionFilter(HandBackOnFault);
}

void ArmEmergencyHandBack(HWND host, int commandId)
{
    InterlockedExchange(&armedCommand, commandId);
    InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&armedHost), host);
}

void DisarmEmergencyHandBack()
{
    InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&armedHost), nullptr);
}
