// Ordered list of single-byte text strings, the list type every source fills.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class StringList {
public:
    void Append(std::string text);
    void RemoveLast();
    void RemoveAll();
    void Reserve(std::size_t count) { items_.reserve(count); }
    // Index of the first string equal to text (byte for byte), or -1. The
    // first call builds a lookup index that later changes keep up to date,
    // so a list that is searched as it grows stays linear.
    int FindFirst(const std::string& text) const;
    const std::string& At(std::size_t index) const { return items_.at(index); }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<std::string> items_;
    mutable bool indexed_ = false;
    mutable std::unordered_map<std::string, std::size_t> firstIndex_;
};
