#include "core/string_list.h"

void StringList::Append(std::string text)
{
    if (indexed_)
        firstIndex_.emplace(text, items_.size()); // keeps an earlier equal string
    items_.push_back(std::move(text));
}

void StringList::RemoveLast()
{
    if (items_.empty())
        return;
    if (indexed_) {
        auto entry = firstIndex_.find(items_.back());
        if (entry != firstIndex_.end() && entry->second == items_.size() - 1)
            firstIndex_.erase(entry);
    }
    items_.pop_back();
}

void StringList::RemoveAll()
{
    items_.clear();
    firstIndex_.clear();
    indexed_ = false;
}

int StringList::FindFirst(const std::string& text) const
{
    if (!indexed_) {
        firstIndex_.reserve(items_.size());
        for (std::size_t i = 0; i < items_.size(); ++i)
            firstIndex_.emplace(items_[i], i);
        indexed_ = true;
    }
    auto entry = firstIndex_.find(text);
    return entry == firstIndex_.end() ? -1 : static_cast<int>(entry->second);
}
