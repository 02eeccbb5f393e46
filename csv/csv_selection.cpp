#include "csv/csv_selection.h"

#include "csv/remove_positions.h"
#include "csv/text_routines.h"

std::string CsvSelection::KeyOf(int entryIndex) const
{
    const CsvEntry& entry = entries_[static_cast<std::size_t>(entryIndex)];
    std::string key(entry.faxNumber);
    key += '\0';
    key += entry.name;
    return key;
}

std::string CsvSelection::EntryText(int entryIndex) const
{
    const CsvEntry& entry = entries_[static_cast<std::size_t>(entryIndex)];
    return FormatEntryText(entry.name, entry.faxNumber);
}

bool CsvSelection::IsFull() const
{
    return entryCap_ > 0 && chosen_.size() == static_cast<std::size_t>(entryCap_);
}

CsvSelection::AddOutcome CsvSelection::AddEntries(const std::vector<int>& entryIndexes)
{
    for (int index : entryIndexes) {
        if (IsFull())
            return AddOutcome::kLimitReached;
        if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
            continue;
        if (entries_[static_cast<std::size_t>(index)].faxNumber[0] == '\0')
            continue;
        if (!chosenKeys_.insert(KeyOf(index)).second)
            continue;
        chosen_.push_back(index);
    }
    return AddOutcome::kDone;
}

void CsvSelection::RemovePositions(const std::vector<int>& positions)
{
    ::RemovePositions(chosen_, positions, [this](int entry) { chosenKeys_.erase(KeyOf(entry)); });
}

void CsvSelection::StoreChoice(ImportResult& result) const
{
    result.recipients.RemoveAll();
    result.recipients.Reserve(chosen_.size());
    for (int index : chosen_)
        result.recipients.Append(EntryText(index));
    result.entryCount = static_cast<std::uint16_t>(chosen_.size());
}
