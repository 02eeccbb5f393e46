// Walks a text line by line: the one place where the readers find their line
// ends. The CSV records and the speed-dial lines end at LF (CR LF too); vCard
// lines at any of the breaks the contact programs write. Zero bytes are
// characters like any other: a text is read by its size.
#pragma once

#include <cstddef>
#include <string_view>

enum class LineEnds {
    // LF ends a line, and a CR just before it goes with it; any other CR is
    // part of the line.
    kLineFeed,
    // CR LF, LF and CR each end one line, and so does CR CR LF: a CR LF text
    // that a tool copied as if its lines ended in LF alone.
    kAnyBreak,
};

// One line of a text.
struct TextLine {
    std::string_view text;   // without its line end
    std::size_t endSize = 0; // bytes of the line end after text: 0 for a last line that has none
};

class LineWalker {
public:
    explicit LineWalker(std::string_view text, LineEnds ends = LineEnds::kLineFeed) : rest_(text), ends_(ends) {}
    // The text from begin up to end.
    LineWalker(const char* begin, const char* end, LineEnds ends = LineEnds::kLineFeed)
        : LineWalker(std::string_view(begin, static_cast<std::size_t>(end - begin)), ends)
    {
    }

    bool AtEnd() const { return rest_.empty(); }
    // The text not walked yet: the next line starts there.
    std::string_view Rest() const { return rest_; }
    // The next line; the walker moves past it and its line end. At the end,
    // an empty line without a line end.
    TextLine Next();
    // How many line ends the rest of the text holds.
    std::size_t CountLineEnds() const;

private:
    std::string_view rest_;
    LineEnds ends_;
};

// Makes a line that a walker read from buffer a zero-terminated text in
// place: the bytes of its line end become zero bytes. Returns where the line
// starts in buffer.
char* CutLine(char* buffer, const TextLine& line);
