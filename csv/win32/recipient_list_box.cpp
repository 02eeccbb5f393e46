// Delete key handling of the selected-recipients list.
#include "csv/win32/recipient_list_box.h"

#include <new>

int CRecipientListBox::OnVirtualKey(int virtualKey, int)
{
    if (virtualKey != VK_DELETE || GetSelCount() <= 0)
        return -1;

    std::vector<int> positions;
    try {
        positions = GetSelItems();
        if (removalListener_)
            removalListener_(positions);
    } catch (const std::bad_alloc&) {
        return -1; // nothing has been removed yet
    }

    // Highest index first, so the indexes still to be deleted stay valid.
    CRedrawOff quiet(*this);
    for (auto position = positions.rbegin(); position != positions.rend(); ++position)
        DeleteString(*position);
    return -2;
}
