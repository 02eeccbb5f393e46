#include "app/string_list.h"

int StringList::FindFirst(const std::string& text) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}
