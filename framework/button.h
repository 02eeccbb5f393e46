// Button control wrapper: the check state of check boxes; text, enabled and
// visible state come from CWindow.
#pragma once

#include "framework/window.h"

class CButton : public CWindow {
public:
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
};
