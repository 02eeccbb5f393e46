// A library that loads like a WAB library but does not export WABOpen: the
// data type dialog offers the WAB, and opening it must fail.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
