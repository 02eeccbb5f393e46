// Ordered list of single-byte text strings, the list type every source fills.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class StringList {
public:
    void Append(std::string text) { items_.push_back(std::move(text)); }
    void RemoveLast()
    {
        if (!items_.empty())
            items_.pop_back();
    }
    void RemoveAll() { items_.clear(); }
    void Reserve(std::size_t count) { items_.reserve(count); }
    // Index of the first string equal to text (byte for byte), or -1.
    int FindFirst(const std::string& text) const;
    const std::string& At(std::size_t index) const { return items_.at(index); }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<std::string> items_;
};
