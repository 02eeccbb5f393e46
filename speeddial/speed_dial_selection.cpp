#include "speeddial/speed_dial_selection.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

#include "core/remove_positions.h"
#include "core/text_routines.h"

namespace {
constexpr std::size_t kMaxItemChars = 255;
} // namespace

namespace {
std::string_view FaxOf(const SpeedDialEntry& entry)
{
    return std::string_view(entry.record.faxNumber, strnlen(entry.record.faxNumber, sizeof entry.record.faxNumber));
}

std::string_view NameOf(const SpeedDialEntry& entry)
{
    return std::string_view(entry.record.name, strnlen(entry.record.name, sizeof entry.record.name));
}
} // namespace

void SpeedDialSelection::HashKeys()
{
    if (keyHashes_.size() == table_.size())
        return;
    keyHashes_.resize(table_.size());
    for (std::size_t index = 0; index < table_.size(); ++index) {
        const std::size_t fax = std::hash<std::string_view>()(FaxOf(table_[index]));
        const std::size_t name = std::hash<std::string_view>()(NameOf(table_[index]));
        keyHashes_[index] = fax ^ (name + 0x9e3779b9u + (fax << 6) + (fax >> 2));
    }
}

bool SpeedDialSelection::KeyEqual::operator()(int a, int b) const
{
    const SpeedDialEntry& first = (*table)[static_cast<std::size_t>(a)];
    const SpeedDialEntry& second = (*table)[static_cast<std::size_t>(b)];
    return FaxOf(first) == FaxOf(second) && NameOf(first) == NameOf(second);
}

bool SpeedDialSelection::IsChosen(int recordIndex) const
{
    const std::size_t index = static_cast<std::size_t>(recordIndex);
    return index < isChosen_.size() && isChosen_[index];
}

void SpeedDialSelection::MarkChosen(int recordIndex, bool chosen)
{
    const std::size_t index = static_cast<std::size_t>(recordIndex);
    if (index >= isChosen_.size())
        isChosen_.resize(table_.size() > index ? table_.size() : index + 1, false);
    isChosen_[index] = chosen;
}

void SpeedDialSelection::WriteItemText(int recordIndex, std::string& text) const
{
    const SpeedDialEntry& entry = table_[static_cast<std::size_t>(recordIndex)];
    const SpeedDialRecord& record = entry.record;
    text = entry.key;
    text += '\t';
    AppendEntryText(text, record.name, record.faxNumber);
    if (text.size() > kMaxItemChars)
        text.resize(kMaxItemChars);
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
    MarkChosen(record, false);
    chosenKeys_.erase(record);
    chosen_.erase(chosen_.begin() + position);
}

SpeedDialSelection::AddOutcome SpeedDialSelection::AddRecords(const std::vector<int>& recordIndexes, View& view)
{
    // Room for all that may come at once, rather than growing step by step.
    std::size_t room = chosen_.size() + recordIndexes.size();
    if (entryCap_ > 0 && room > static_cast<std::size_t>(entryCap_))
        room = static_cast<std::size_t>(entryCap_);
    chosenKeys_.reserve(room);
    chosen_.reserve(room);
    HashKeys();
    for (int record : recordIndexes) {
        if (IsFull())
            return AddOutcome::kLimitReached;
        if (record < 0 || static_cast<std::size_t>(record) >= table_.size())
            continue;
        if (IsChosen(record))
            continue;
        const auto taken = chosenKeys_.insert(record);
        if (!taken.second) {
            // Another record with the same name and number is chosen.
            const int earlier = *taken.first;
            if (!view.AskReplace(table_[static_cast<std::size_t>(earlier)].record))
                continue;
            const int position = PositionOf(earlier);
            RemoveAt(position);
            view.Removed(position);
            chosenKeys_.insert(record);
        }
        chosen_.push_back(record);
        MarkChosen(record, true);
        WriteItemText(record, itemText_);
        view.Appended(itemText_, record);
    }
    return AddOutcome::kDone;
}

void SpeedDialSelection::RemovePositions(const std::vector<int>& positions)
{
    ::RemovePositions(chosen_, positions, [this](int record) {
        MarkChosen(record, false);
        chosenKeys_.erase(record);
    });
}

void SpeedDialSelection::StoreChoice(ImportResult& result) const
{
    result.recipients.RemoveAll();
    result.recipients.Reserve(chosen_.size());
    for (int index : chosen_) {
        const SpeedDialEntry& entry = table_[static_cast<std::size_t>(index)];
        result.recipients.Append(
            {std::string(NameOf(entry)), std::string(FaxOf(entry)), std::make_shared<const SpeedDialEntry>(entry)});
    }
}
