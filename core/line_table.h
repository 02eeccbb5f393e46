// Cuts loaded text into lines in place: one line per LF plus the tail after
// the last LF. A CR just before an LF ends the line with it.
#pragma once

#include <cstddef>
#include <vector>

// The line feeds between begin and end.
std::size_t CountLineFeeds(const char* begin, const char* end);

class LineTable {
public:
    // text holds the file's bytes and one final zero byte. Returns false when
    // the table cannot be allocated.
    bool Cut(std::vector<char>& text);
    std::size_t Count() const { return lines_.size(); }
    char* At(std::size_t index) const { return lines_[index]; }
    // Index of the first non-empty line before end, or end when there is none.
    std::size_t FirstNonEmptyBefore(std::size_t end) const;

private:
    std::vector<char*> lines_;
};
