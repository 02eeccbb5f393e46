// The help project maps every context number the dialogs open to a page
// that is there, the same page the program opens for it: a number without
// its page would open the help at nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "help/help_pages.h"

namespace {

std::string ReadHelpFile(const std::string& name)
{
    std::ifstream in(std::string(FAXIMPORT_HELP_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of one "[SECTION]" of the help project.
std::string Section(const std::string& project, const std::string& name)
{
    const std::size_t start = project.find("[" + name + "]");
    if (start == std::string::npos)
        return std::string();
    const std::size_t end = project.find("\n[", start + 1);
    return project.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// NAME -> value of every "NAME<separator>value" in text.
std::map<std::string, std::string> Pairs(const std::string& text, const std::string& pattern)
{
    std::map<std::string, std::string> pairs;
    const std::regex pair(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pair); it != std::sregex_iterator(); ++it)
        pairs[(*it)[1]] = (*it)[2];
    return pairs;
}

TEST(HelpMap, EveryContextNumberOpensAPageThatIsThere)
{
    const std::string idsText = ReadHelpFile("help_ids.h");
    const auto ids = Pairs(idsText, R"(#define\s+(IDH_\w+)\s+(\d+))");
    const std::string project = ReadHelpFile("faximport.hhp");
    const std::string map = Section(project, "MAP");
    // The map either includes the dialogs' own header or repeats its lines.
    const bool mapIncludesIds = map.find("#include help_ids.h") != std::string::npos;
    const auto mapped = mapIncludesIds ? ids : Pairs(map, R"(#define\s+(IDH_\w+)\s+(\d+))");
    const auto aliases = Pairs(Section(project, "ALIAS"), R"((IDH_\w+)\s*=\s*([^\s#]+))");
    ASSERT_GE(ids.size(), 7u) << "the data type, selection, mapping, confirmation, speed-dial and address book pages";
    for (const auto& [name, number] : ids) {
        EXPECT_EQ(mapped.count(name) ? mapped.at(name) : "", number) << name << " is not in the map";
        ASSERT_TRUE(aliases.count(name)) << name << " has no page";
        std::ifstream page(std::string(FAXIMPORT_HELP_DIR) + "/" + aliases.at(name));
        EXPECT_TRUE(page) << name << ": " << aliases.at(name) << " is missing";
        // The program opens the same page by name.
        const char* opened = HelpPageFor(std::stoul(number));
        EXPECT_EQ(opened != nullptr ? opened : "", aliases.at(name)) << name;
    }
    EXPECT_EQ(std::size(kHelpPages), ids.size()) << "a page the program opens has no context number";
}

} // namespace
