// The selected-recipients list: the Delete key removes every selected item.
// The owner hears which positions went, so that its model stays in step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/list_box.h"

class CRecipientListBox : public CListBox {
public:
    // Called with the removed positions, ascending, before the items go.
    using RemovalListener = std::function<void(const std::vector<int>& positions)>;
    void SetRemovalListener(RemovalListener listener) { removalListener_ = std::move(listener); }

    // VK_DELETE with a selection: removes the selected items and answers -2.
    // Anything else, or no room for the selected indexes: -1, list untouched.
    int OnVirtualKey(int virtualKey, int caretIndex) override;

private:
    struct Line {
        std::string text;
        LPARAM data;
    };
    // The lines that are not at these positions (ascending), in order.
    std::vector<Line> KeptLines(const std::vector<int>& positions) const;
    // Empties the list and adds these lines back.
    void Rebuild(const std::vector<Line>& kept);

    RemovalListener removalListener_;
};
