#include "book_data.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <mapidefs.h>

namespace doubles {

namespace {

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::vector<std::string> SplitBlanks(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

Text Field(const std::vector<std::string>& fields, std::size_t index)
{
    Text text;
    if (index < fields.size() && fields[index] != "-") {
        text.present = true;
        text.value = fields[index];
    }
    return text;
}

} // namespace

std::string BookData::Switch(const std::string& name, const std::string& fallback) const
{
    auto found = switches.find(name);
    return found == switches.end() ? fallback : found->second;
}

Member BookData::Resolve(const std::string& token) const
{
    Member member;
    const std::size_t colon = token.find(':');
    const std::string id = token.substr(0, colon);
    if (id != "-") {
        member.hasId = true;
        member.id = id;
    }
    auto person = persons.find(id);
    auto list = lists.find(id);
    if (person != persons.end())
        member.name = person->second.name;
    else if (list != lists.end())
        member.name = list->second.name;

    if (colon == std::string::npos) {
        member.hasType = true;
        member.type = list != lists.end() ? MAPI_DISTLIST : MAPI_MAILUSER;
    } else if (token.substr(colon + 1) != "-") {
        member.hasType = true;
        member.type = std::stol(token.substr(colon + 1));
    }
    return member;
}

std::string TestBookPath()
{
    const char* path = std::getenv("FAXIMPORT_TEST_BOOK");
    return path != nullptr ? path : "";
}

BookData LoadBook(const std::string& path)
{
    BookData book;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = SplitTabs(line);
        const std::string& kind = fields[0];
        if (kind == "person" && fields.size() >= 2) {
            Person& person = book.persons[fields[1]];
            person.name = Field(fields, 2);
            for (int i = 0; i < 3; ++i)
                person.fax[i] = Field(fields, 3 + static_cast<std::size_t>(i));
        } else if (kind == "list" && fields.size() >= 2) {
            DistList& list = book.lists[fields[1]];
            list.name = Field(fields, 2);
            list.members = fields.size() > 3 ? SplitBlanks(fields[3]) : std::vector<std::string>();
        } else if (kind == "pick") {
            book.hasPick = true;
            book.pick = fields.size() > 1 ? SplitBlanks(fields[1]) : std::vector<std::string>();
        } else if (kind == "set" && fields.size() >= 3) {
            book.switches[fields[1]] = fields[2];
        }
    }
    return book;
}

std::string EntryIdBytes(const std::string& id)
{
    return std::string(4, '\0') + id;
}

bool IdFromEntryId(const unsigned char* bytes, unsigned long size, std::string& id)
{
    if (bytes == nullptr || size < 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    id.assign(reinterpret_cast<const char*>(bytes) + 4, size - 4);
    return true;
}

} // namespace doubles
