#include "directory/directory_settings.h"

#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "core/text_routines.h"

namespace {

std::string TrimmedBlanks(const std::string& text)
{
    return std::string(Trimmed(text, " \t"));
}

// A decimal number from 1 to most, nothing else.
bool ParseCount(const std::string& text, int most, int& count)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < 1 || value > most)
        return false;
    count = static_cast<int>(value);
    return true;
}

// An attribute description: a name (a letter, then letters, digits and
// hyphens) or a numeric OID. Nothing that could change a filter or a search.
bool IsAttributeName(const std::string& name)
{
    if (name.empty())
        return false;
    if (std::isdigit(static_cast<unsigned char>(name[0]))) {
        for (char c : name) {
            if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.')
                return false;
        }
        return name.back() != '.';
    }
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
            return false;
    }
    return std::isalpha(static_cast<unsigned char>(name[0])) != 0;
}

// "a;b; c" as names; false when one is not an attribute name or none is given.
bool ParseAttributeList(const std::string& text, std::vector<std::string>& names)
{
    std::vector<std::string> parsed;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(';', start);
        const std::string name = TrimmedBlanks(text.substr(start, end == std::string::npos ? end : end - start));
        if (!name.empty()) {
            if (!IsAttributeName(name))
                return false;
            parsed.push_back(name);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (parsed.empty())
        return false;
    names = parsed;
    return true;
}

// One of the words of choices (in any case) as its value.
template <typename Value>
bool ParseChoice(const std::string& text, std::initializer_list<std::pair<const char*, Value>> choices, Value& value)
{
    for (const auto& choice : choices) {
        if (EqualsIgnoringCase(text, choice.first)) {
            value = choice.second;
            return true;
        }
    }
    return false;
}

// "host" or "host:port": a host without blanks, slashes or brackets, and a
// port from 1 to 65535 (0 when none is given).
bool ParseServer(const std::string& text, std::string& host, int& port)
{
    const std::size_t colon = text.rfind(':');
    host = colon == std::string::npos ? text : text.substr(0, colon);
    if (host.empty() || host.find_first_of(" \t/\\[]@") != std::string::npos)
        return false;
    port = 0;
    return colon == std::string::npos || ParseCount(text.substr(colon + 1), 65535, port);
}

// A filter in parentheses whose parentheses pair up.
bool IsFilter(const std::string& text)
{
    if (text.size() < 3 || text.front() != '(' || text.back() != ')')
        return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0 && i + 1 != text.size())
            return false;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

bool ReadDirectorySettings(const DirectorySettingsStore& store, bool inDomain, DirectorySettings& settings,
                           std::string& badName, std::string& badValue)
{
    namespace name = directory_setting;
    settings = DirectorySettings();
    settings.bind = inDomain ? DirectoryBind::kNegotiate : DirectoryBind::kAnonymous;

    bool usable = true;
    auto check = [&](const char* setting, auto parse) {
        std::string raw;
        if (!usable || !store.Read(setting, raw))
            return;
        const std::string value = TrimmedBlanks(raw);
        if (value.empty())
            return; // an empty value leaves the default
        if (!parse(value)) {
            usable = false;
            badName = setting;
            badValue = raw;
        }
    };
    check(name::kServer, [&](const std::string& value) {
        settings.server = value;
        return ParseServer(value, settings.host, settings.port);
    });
    check(name::kBaseDn, [&](const std::string& value) {
        settings.baseDn = value;
        return true; // the server is the judge of its names
    });
    check(name::kFilter, [&](const std::string& value) {
        settings.filter = value;
        return IsFilter(value);
    });
    check(name::kNameAttributes,
          [&](const std::string& value) { return ParseAttributeList(value, settings.nameAttributes); });
    check(name::kFaxAttributes,
          [&](const std::string& value) { return ParseAttributeList(value, settings.faxAttributes); });
    check(name::kSecurity, [&](const std::string& value) {
        return ParseChoice(value,
                           {{"none", DirectorySecurity::kNone},
                            {"starttls", DirectorySecurity::kStartTls},
                            {"ldaps", DirectorySecurity::kLdaps}},
                           settings.security);
    });
    check(name::kBind, [&](const std::string& value) {
        return ParseChoice(value,
                           {{"negotiate", DirectoryBind::kNegotiate},
                            {"simple", DirectoryBind::kSimple},
                            {"anonymous", DirectoryBind::kAnonymous}},
                           settings.bind);
    });
    check(name::kPageSize,
          [&](const std::string& value) { return ParseCount(value, kMaxDirectoryPageSize, settings.pageSize); });
    check(name::kTimeoutSeconds, [&](const std::string& value) {
        return ParseCount(value, kMaxDirectoryTimeoutSeconds, settings.timeoutSeconds);
    });
    return usable;
}
