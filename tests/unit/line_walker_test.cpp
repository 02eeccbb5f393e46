#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/line_walker.h"

namespace {

using Texts = std::vector<std::string>;

TEST(LineWalker, LinesAndTheSizesOfTheirEnds)
{
    const struct {
        std::string text;
        LineEnds ends;
        Texts lines; // each line, "|", the size of its line end
    } cases[] = {
        {"a\nb\r\nc", LineEnds::kLineFeed, {"a|1", "b|2", "c|0"}},
        {"\n\r\n", LineEnds::kLineFeed, {"|1", "|2"}},
        {"a\rb\r\r\nc\r", LineEnds::kLineFeed, {"a\rb\r|2", "c\r|0"}},
        {std::string("a\0b\n", 4), LineEnds::kLineFeed, {std::string("a\0b|1", 5)}},
        {"a\r\nb\nc\rd\r\r\ne", LineEnds::kAnyBreak, {"a|2", "b|1", "c|1", "d|3", "e|0"}},
        {"a\r\rb\n\r", LineEnds::kAnyBreak, {"a|1", "|1", "b|1", "|1"}},
        {"", LineEnds::kAnyBreak, {}},
    };
    for (const auto& c : cases) {
        Texts lines;
        LineWalker walker(c.text, c.ends);
        const std::size_t lineEnds = walker.CountLineEnds();
        while (!walker.AtEnd()) {
            const TextLine line = walker.Next();
            lines.push_back(std::string(line.text) + "|" + std::to_string(line.endSize));
        }
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(lineEnds, c.lines.size() - (!c.lines.empty() && c.lines.back().back() == '0')) << c.text;
    }
}

TEST(LineWalker, CutLineTurnsTheLineEndIntoZeroBytes)
{
    std::string buffer = "ab\r\ncd\n";
    LineWalker walker(buffer);
    EXPECT_EQ(CutLine(&buffer[0], walker.Next()), &buffer[0]);
    EXPECT_EQ(walker.Rest(), "cd\n");
    EXPECT_STREQ(CutLine(&buffer[0], walker.Next()), "cd");
    EXPECT_EQ(buffer, std::string("ab\0\0cd\0", 7));
}

} // namespace
