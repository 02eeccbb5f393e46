#include "core/line_walker.h"

#include <algorithm>
#include <cstring>

TextLine LineWalker::Next()
{
    TextLine line{rest_.substr(0, 0)}; // at the end: empty, where the text ends
    if (AtEnd())
        return line;
    std::size_t length = rest_.size(); // up to the line end
    if (ends_ == LineEnds::kLineFeed) {
        const void* lineFeed = std::memchr(rest_.data(), '\n', rest_.size());
        if (lineFeed != nullptr) {
            length = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - rest_.data());
            line.endSize = 1;
            if (length > 0 && rest_[length - 1] == '\r') {
                --length;
                ++line.endSize;
            }
        }
    } else {
        length = static_cast<std::size_t>(
            std::find_if(rest_.begin(), rest_.end(), [](char c) { return c == '\r' || c == '\n'; }) - rest_.begin());
        const std::string_view after = rest_.substr(length);
        for (const std::string_view lineEnd : {"\r\r\n", "\r\n", "\r", "\n"}) {
            if (after.substr(0, lineEnd.size()) == lineEnd) {
                line.endSize = lineEnd.size();
                break;
            }
        }
    }
    line.text = rest_.substr(0, length);
    rest_.remove_prefix(length + line.endSize);
    return line;
}

std::size_t LineWalker::CountLineEnds() const
{
    std::size_t count = 0;
    if (AtEnd())
        return count;
    if (ends_ == LineEnds::kLineFeed) {
        const char* const end = rest_.data() + rest_.size();
        for (const char* p = rest_.data();
             (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr; ++p)
            ++count;
        return count;
    }
    for (LineWalker lines = *this; !lines.AtEnd();)
        count += lines.Next().endSize > 0 ? 1 : 0;
    return count;
}

char* CutLine(char* buffer, const TextLine& line)
{
    char* const start = buffer + (line.text.data() - buffer);
    std::memset(start + line.text.size(), 0, line.endSize);
    return start;
}
