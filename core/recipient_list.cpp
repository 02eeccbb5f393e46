#include "core/recipient_list.h"

std::string RecipientList::KeyOf(const std::string& name, const std::string& faxNumber)
{
    std::string key;
    key.reserve(name.size() + 1 + faxNumber.size());
    key += name;
    key += '\0';
    key += faxNumber;
    return key;
}

void RecipientList::Append(Recipient recipient)
{
    if (indexed_)
        firstIndex_.emplace(KeyOf(recipient.name, recipient.faxNumber), items_.size()); // keeps an earlier equal one
    items_.push_back(std::move(recipient));
}

void RecipientList::RemoveAll()
{
    items_.clear();
    firstIndex_.clear();
    indexed_ = false;
}

int RecipientList::FindFirst(const std::string& name, const std::string& faxNumber) const
{
    if (!indexed_) {
        firstIndex_.reserve(items_.size());
        for (std::size_t i = 0; i < items_.size(); ++i)
            firstIndex_.emplace(KeyOf(items_[i].name, items_[i].faxNumber), i);
        indexed_ = true;
    }
    auto entry = firstIndex_.find(KeyOf(name, faxNumber));
    return entry == firstIndex_.end() ? -1 : static_cast<int>(entry->second);
}
