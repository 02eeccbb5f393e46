// List boxes whose emptying can wait. A dialog that closes with long lists
// hands them over here: they are hidden and taken out of the dialog at once,
// so that closing the dialog does not free them item by item before the next
// window can come up. They are emptied and destroyed when this object goes,
// once the work the user waits for is done.
#pragma once

#include <windows.h>

#include <vector>

class CRetiredLists {
public:
    CRetiredLists() = default;
    ~CRetiredLists();
    CRetiredLists(const CRetiredLists&) = delete;
    CRetiredLists& operator=(const CRetiredLists&) = delete;

    // Takes the list out of its dialog, or, without room to keep track of
    // it, empties it where it is.
    void Adopt(HWND list);

private:
    std::vector<HWND> lists_;
};
