// The recipients one import collects, in the order they were chosen: each a
// name and a fax number as the export file stores them, and for the speed-dial
// source the record they came from.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// One speed-dial record with the column texts of its line; the speed-dial
// source defines it.
struct SpeedDialEntry;

struct Recipient {
    Recipient(std::string name, std::string faxNumber, std::shared_ptr<const SpeedDialEntry> speedDial = nullptr)
        : name(std::move(name)), faxNumber(std::move(faxNumber)), speedDial(std::move(speedDial))
    {
    }

    std::string name;                                // at most kMaxTextBytes bytes, cut between characters
    std::string faxNumber;                           // cleaned, at most kMaxTextBytes bytes
    std::shared_ptr<const SpeedDialEntry> speedDial; // set by the speed-dial source only
};

class RecipientList {
public:
    void Append(Recipient recipient);
    void RemoveAll();
    void Reserve(std::size_t count) { items_.reserve(count); }
    // Index of the first recipient with this name and number (byte for
    // byte), or -1. The first call builds a lookup index that later changes
    // keep up to date, so a list that is searched as it grows stays linear.
    int FindFirst(const std::string& name, const std::string& faxNumber) const;
    const Recipient& At(std::size_t index) const { return items_.at(index); }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    std::vector<Recipient>::const_iterator begin() const { return items_.begin(); }
    std::vector<Recipient>::const_iterator end() const { return items_.end(); }

private:
    // Name and number joined by a zero byte, which neither holds.
    static std::string KeyOf(const std::string& name, const std::string& faxNumber);

    std::vector<Recipient> items_;
    mutable bool indexed_ = false;
    mutable std::unordered_map<std::string, std::size_t> firstIndex_;
};
