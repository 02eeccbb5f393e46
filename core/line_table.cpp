#include "core/line_table.h"

#include <cstring>
#include <new>

std::size_t CountLineFeeds(const char* begin, const char* end)
{
    std::size_t lineFeeds = 0;
    for (const char* p = begin;
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr; ++p)
        ++lineFeeds;
    return lineFeeds;
}

bool LineTable::Cut(std::vector<char>& text)
{
    char* const begin = text.data();
    char* const end = begin + (text.size() - 1);
    try {
        lines_.clear();
        lines_.reserve(CountLineFeeds(begin, end) + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    char* line = begin;
    for (char* p = begin; (p = static_cast<char*>(std::memchr(p, '\n', end - p))) != nullptr; ++p) {
        lines_.push_back(line);
        if (p > line && p[-1] == '\r')
            p[-1] = '\0';
        *p = '\0';
        line = p + 1;
    }
    lines_.push_back(line);
    return true;
}

std::size_t LineTable::FirstNonEmptyBefore(std::size_t end) const
{
    for (std::size_t i = 0; i < end; ++i) {
        if (lines_[i][0] != '\0')
            return i;
    }
    return end;
}
