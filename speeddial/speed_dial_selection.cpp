#include "speeddial/speed_dial_selection.h"

#include <cstring>

#include "csv/remove_positions.h"
#include "csv/text_routines.h"

namespace {
constexpr std::size_t kMaxItemChars = 255;
} // namespace

std::string SpeedDialSelection::KeyOf(int recordIndex) const
{
    const SpeedDialRecord& record = table_[static_cast<std::size_t>(recordIndex)];
    std::string key(record.faxNumber, strnlen(record.faxNumber, sizeof record.faxNumber));
    key += '\0';
    key.append(record.name, strnlen(record.name, sizeof record.name));
    return key;
}

std::string SpeedDialSelection::EntryTextOf(int recordIndex) const
{
    const SpeedDialRecord& record = table_[static_cast<std::size_t>(recordIndex)];
    return FormatEntryText(record.name, record.faxNumber);
}

std::string SpeedDialSelection::ItemText(int recordIndex) const
{
    std::string text = keys_.At(static_cast<std::size_t>(recordIndex));
    text += '\t';
    text += EntryTextOf(recordIndex);
    if (text.size() > kMaxItemChars)
        text.resize(kMaxItemChars);
    return text;
}

bool SpeedDialSelection::IsFull() const
{
    return entryCap_ > 0 && chosen_.size() == static_cast<std::size_t>(entryCap_);
}

int SpeedDialSelection::PositionOf(int recordIndex) const
{
    for (std::size_t i = 0; i < chosen_.size(); ++i) {
        if (chosen_[i] == recordIndex)
            return static_cast<int>(i);
    }
    return -1;
}

void SpeedDialSelection::RemoveAt(int position)
{
    const int record = chosen_[static_cast<std::size_t>(position)];
    chosenRecords_.erase(record);
    recordByKey_.erase(KeyOf(record));
    chosen_.erase(chosen_.begin() + position);
}

SpeedDialSelection::AddOutcome SpeedDialSelection::AddRecords(const std::vector<int>& recordIndexes, View& view)
{
    for (int record : recordIndexes) {
        if (IsFull())
            return AddOutcome::kLimitReached;
        if (record < 0 || static_cast<std::size_t>(record) >= table_.size())
            continue;
        if (chosenRecords_.count(record) != 0)
            continue;
        const std::string key = KeyOf(record);
        auto same = recordByKey_.find(key);
        if (same != recordByKey_.end()) {
            if (!view.AskReplace(table_[static_cast<std::size_t>(same->second)]))
                continue;
            const int position = PositionOf(same->second);
            RemoveAt(position);
            view.Removed(position);
        }
        chosen_.push_back(record);
        chosenRecords_.insert(record);
        recordByKey_[key] = record;
        view.Appended(ItemText(record), record);
    }
    return AddOutcome::kDone;
}

void SpeedDialSelection::RemovePositions(const std::vector<int>& positions)
{
    ::RemovePositions(chosen_, positions, [this](int record) {
        chosenRecords_.erase(record);
        recordByKey_.erase(KeyOf(record));
    });
}

void SpeedDialSelection::StoreChoice(ImportResult& result) const
{
    // keys_ may be result.speedDialKeys itself: nothing below reads it.
    result.speedDialKeys.RemoveAll();
    result.recipients.RemoveAll();
    for (int record : chosen_) {
        result.recipients.Append(EntryTextOf(record));
        result.speedDialKeys.Append(std::to_string(record));
    }
    result.entryCount = static_cast<std::uint16_t>(chosen_.size());
}
