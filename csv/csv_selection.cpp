#include "csv/csv_selection.h"

#include <cstring>
#include <functional>
#include <string_view>

#include "core/remove_positions.h"
#include "core/text_routines.h"

std::size_t CsvSelection::KeyHash::operator()(int entryIndex) const
{
    const OfferedEntry& entry = (*entries)[static_cast<std::size_t>(entryIndex)];
    const std::size_t fax = std::hash<std::string_view>()(std::string_view(entry.faxNumber));
    const std::size_t name = std::hash<std::string_view>()(std::string_view(entry.name));
    return fax ^ (name + 0x9e3779b9u + (fax << 6) + (fax >> 2));
}

bool CsvSelection::KeyEqual::operator()(int a, int b) const
{
    const OfferedEntry& first = (*entries)[static_cast<std::size_t>(a)];
    const OfferedEntry& second = (*entries)[static_cast<std::size_t>(b)];
    return std::strcmp(first.faxNumber, second.faxNumber) == 0 && std::strcmp(first.name, second.name) == 0;
}

void CsvSelection::WriteEntryText(int entryIndex, std::string& text) const
{
    const OfferedEntry& entry = entries_[static_cast<std::size_t>(entryIndex)];
    text.clear();
    AppendEntryText(text, entry.name, entry.faxNumber);
}

bool CsvSelection::IsFull() const
{
    return entryCap_ > 0 && chosen_.size() == static_cast<std::size_t>(entryCap_);
}

CsvSelection::AddOutcome CsvSelection::AddEntries(const std::vector<int>& entryIndexes)
{
    // Room for all that may come at once, rather than growing step by step.
    std::size_t room = chosen_.size() + entryIndexes.size();
    if (entryCap_ > 0 && room > static_cast<std::size_t>(entryCap_))
        room = static_cast<std::size_t>(entryCap_);
    chosenKeys_.reserve(room);
    chosen_.reserve(room);
    for (int index : entryIndexes) {
        if (IsFull())
            return AddOutcome::kLimitReached;
        if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
            continue;
        if (entries_[static_cast<std::size_t>(index)].faxNumber[0] == '\0')
            continue;
        if (!chosenKeys_.insert(index).second)
            continue;
        chosen_.push_back(index);
    }
    return AddOutcome::kDone;
}

void CsvSelection::RemovePositions(const std::vector<int>& positions)
{
    ::RemovePositions(chosen_, positions, [this](int entry) { chosenKeys_.erase(entry); });
}

void CsvSelection::StoreChoice(ImportResult& result) const
{
    result.recipients.RemoveAll();
    result.recipients.Reserve(chosen_.size());
    for (int index : chosen_) {
        const OfferedEntry& entry = entries_[static_cast<std::size_t>(index)];
        result.recipients.Append({entry.name, entry.faxNumber});
    }
}
