// WinMain and the application object it finds. WinMain lives in the same
// file as the constructor so that linking the application object from the
// framework library also links the entry point.
#include "framework/application.h"

#include <commctrl.h>

CApplication* CApplication::current_ = nullptr;

CApplication::CApplication()
{
    current_ = this;
}

CApplication::~CApplication()
{
    if (current_ == this)
        current_ = nullptr;
}

int CApplication::Run()
{
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CApplication* application = CApplication::Current();
    if (application == nullptr)
        return 0;
    // The buttons, lists and edits of Common Controls 6, which the manifest
    // asks for, registered before the first dialog.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        if (!application->OnStartUp())
            return 0;
        return application->Run();
    } catch (...) {
        return 1;
    }
}
