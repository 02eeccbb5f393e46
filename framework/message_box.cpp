// Message boxes through the replaceable presenter.
#include "framework/message_box.h"

namespace {
MessagePresenter* currentPresenter = nullptr;
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    if (currentPresenter != nullptr)
        return currentPresenter->Show(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}
