#include "csv/vcard_reader.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/text_routines.h"
#include "csv/text_decoding.h"

namespace {

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// ASCII letters only; word is upper case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiUpper(text[i]) != word[i])
            return false;
    }
    return true;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word)
{
    return text.size() == word.size() && StartsWithIgnoringCase(text, word);
}

std::string_view Trimmed(std::string_view text, const char* drop)
{
    const std::size_t first = text.find_first_not_of(drop);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(drop) - first + 1);
}

// A parameter value without its blanks and quotes.
std::string_view ParameterWord(std::string_view text)
{
    return Trimmed(text, " \t\"");
}

// Calls take with each piece of text between separators; with quotesGroup a
// separator inside double quotes does not count.
template <class Take>
void ForEachPiece(std::string_view text, char separator, bool quotesGroup, Take take)
{
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"' && quotesGroup) {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            take(text.substr(start, i - start));
            start = i + 1;
        }
    }
    take(text.substr(start));
}

enum class PropertyKind { kOther, kBegin, kEnd, kFormattedName, kName, kOrganization, kTelephone };

// What the reader needs from the part of a content line before its value.
struct Property {
    PropertyKind kind = PropertyKind::kOther;
    std::size_t valueStart = 0;
    bool fax = false;
    bool quotedPrintable = false;
    bool utf8 = false;
};

PropertyKind KindOf(std::string_view name)
{
    // "item1.TEL": the group before the dot does not matter here.
    name = Trimmed(name.substr(name.rfind('.') + 1), " \t");
    static const struct {
        const char* name;
        PropertyKind kind;
    } kKinds[] = {{"BEGIN", PropertyKind::kBegin},      {"END", PropertyKind::kEnd},
                  {"FN", PropertyKind::kFormattedName}, {"N", PropertyKind::kName},
                  {"ORG", PropertyKind::kOrganization}, {"TEL", PropertyKind::kTelephone}};
    for (const auto& known : kKinds) {
        if (EqualsIgnoringCase(name, known.name))
            return known.kind;
    }
    return PropertyKind::kOther;
}

// One parameter: "TYPE=WORK,FAX", "ENCODING=QUOTED-PRINTABLE", "CHARSET=UTF-8",
// or a vCard 2.1 bare value such as "FAX" or "QUOTED-PRINTABLE".
void ApplyParameter(std::string_view parameter, Property& property)
{
    const std::size_t equals = parameter.find('=');
    const bool bare = equals == std::string_view::npos;
    const std::string_view name = bare ? std::string_view() : ParameterWord(parameter.substr(0, equals));
    const std::string_view values = bare ? parameter : parameter.substr(equals + 1);
    if (bare || EqualsIgnoringCase(name, "TYPE")) {
        ForEachPiece(values, ',', false, [&](std::string_view type) {
            property.fax = property.fax || EqualsIgnoringCase(ParameterWord(type), "FAX");
        });
    }
    if ((bare || EqualsIgnoringCase(name, "ENCODING")) && EqualsIgnoringCase(ParameterWord(values), "QUOTED-PRINTABLE"))
        property.quotedPrintable = true;
    if (EqualsIgnoringCase(name, "CHARSET") && EqualsIgnoringCase(ParameterWord(values), "UTF-8"))
        property.utf8 = true;
}

// Reads "[group.]NAME;param;param:value". A line without a colon outside
// quotes has no value and is of no kind.
Property ParseProperty(std::string_view line)
{
    Property property;
    std::size_t colon = std::string_view::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size() && colon == std::string_view::npos; ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            colon = i;
    }
    if (colon == std::string_view::npos)
        return property;
    property.valueStart = colon + 1;
    bool first = true;
    ForEachPiece(line.substr(0, colon), ';', true, [&](std::string_view piece) {
        if (first)
            property.kind = KindOf(piece);
        else
            ApplyParameter(piece, property);
        first = false;
    });
    return property;
}

int HexDigit(char c)
{
    const char upper = AsciiUpper(c);
    if (upper >= '0' && upper <= '9')
        return upper - '0';
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return -1;
}

// "=XX" becomes the byte XX; an "=" that opens no such pair stays as it is.
std::string DecodeQuotedPrintable(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = (text[i] == '=' && i + 2 < text.size()) ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// A value that says it is UTF-8 into the code page. The caller has already
// turned a UTF-8 file into the code page; such a value's bytes are then no
// longer UTF-8 and stay as they are, as does anything that is not valid UTF-8.
void ConvertUtf8Value(std::string& value, const AnsiCodePage& codePage)
{
    const DetectedEncoding detected = DetectTextEncoding(value.data(), value.size());
    if (detected.encoding != TextEncoding::kUtf8)
        return;
    std::vector<char> converted;
    AppendUtf8AsAnsi(value.data() + detected.markBytes, value.size() - detected.markBytes, codePage, converted);
    value.assign(converted.begin(), converted.end());
}

// The value of the line in the code page, transfer encoding and charset undone.
std::string DecodedValue(std::string_view line, const Property& property, const AnsiCodePage& codePage)
{
    const std::string_view raw = line.substr(property.valueStart);
    std::string value = property.quotedPrintable ? DecodeQuotedPrintable(raw) : std::string(raw);
    if (property.utf8)
        ConvertUtf8Value(value, codePage);
    return value;
}

// Unescapes "\," "\;" "\\" and "\n" from start up to the next unescaped ";"
// (or the end of the value when wholeValue). Returns where reading stopped.
// The trail byte of a double-byte character may be a backslash and is copied.
std::size_t UnescapeText(const std::string& value, std::size_t start, bool wholeValue, const LeadByteSet& leadBytes,
                         std::string& out)
{
    std::size_t i = start;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        const bool last = i + 1 == value.size();
        if (c == ';' && !wholeValue)
            break;
        if (leadBytes.Contains(c) && !last) {
            out.append(value, i, 2);
            ++i;
        } else if (c == '\\' && !last) {
            const char next = value[++i];
            if (next == 'n' || next == 'N')
                out += '\n';
            else if (next == ',' || next == ';' || next == '\\')
                out += next;
            else
                out.append({c, next});
        } else {
            out += c;
        }
    }
    return i;
}

// The physical lines of the text; CR LF, LF and a lone CR end one.
class LineCursor {
public:
    explicit LineCursor(const char* text) : next_(text) {}

    // The next content line, its folds undone: a line that begins with a
    // blank or a tab continues the one before, without that character.
    bool ReadUnfolded(std::string& line)
    {
        line.clear();
        if (*next_ == '\0')
            return false;
        AppendUnfolded(line);
        return true;
    }

    // A quoted-printable value that ends in "=" goes on in the next line
    // (a soft line break); the "=" is not part of it.
    void JoinSoftBreaks(std::string& line, std::size_t valueStart)
    {
        while (line.size() > valueStart && line.back() == '=' && *next_ != '\0') {
            line.pop_back();
            AppendUnfolded(line);
        }
    }

private:
    void AppendUnfolded(std::string& line)
    {
        AppendPhysicalLine(line);
        while (*next_ == ' ' || *next_ == '\t') {
            ++next_;
            AppendPhysicalLine(line);
        }
    }

    void AppendPhysicalLine(std::string& line)
    {
        const char* start = next_;
        while (*next_ != '\0' && *next_ != '\r' && *next_ != '\n')
            ++next_;
        line.append(start, static_cast<std::size_t>(next_ - start));
        if (*next_ == '\r')
            ++next_;
        if (*next_ == '\n')
            ++next_;
    }

    const char* next_;
};

// Cuts text after its last whole character that is not a blank. A lead byte
// that ends text without its trail byte (a cut or mislabelled file) goes
// too: in the entry text "name [fax]" it would take the blank after it as
// its trail byte.
void TrimEndBetweenCharacters(char* text, const LeadByteSet& leadBytes)
{
    char* end = text;
    for (char* p = text; *p != '\0'; ++p) {
        if (leadBytes.Contains(*p)) {
            if (p[1] == '\0')
                break;
            end = ++p + 1;
        } else if (*p != ' ') {
            end = p + 1;
        }
    }
    *end = '\0';
}

// The cards of one file and the entries they give.
class CardReader {
public:
    CardReader(const AnsiCodePage& codePage, CsvEntryTable& entries, int& rejectedCards)
        : codePage_(codePage), entries_(entries), rejectedCards_(rejectedCards)
    {
    }

    // Returns false once the entries are more than an import can count.
    bool Take(std::string_view line, const Property& property)
    {
        if (property.kind == PropertyKind::kBegin && IsVCardWord(line, property)) {
            // A card that never ended ends where the next begins.
            FinishCard();
            StartCard();
        } else if (property.kind == PropertyKind::kEnd && IsVCardWord(line, property)) {
            FinishCard();
        } else if (inCard_) {
            return TakeCardProperty(line, property);
        }
        return true;
    }

    // Gives the card's entries its name, or counts the card as rejected.
    void FinishCard()
    {
        if (!inCard_)
            return;
        inCard_ = false;
        if (entries_.size() == firstEntry_) {
            ++rejectedCards_;
            return;
        }
        const std::string name = CardName();
        for (std::size_t i = firstEntry_; i < entries_.size(); ++i)
            CopyTextField(entries_[i].name, name.c_str(), codePage_.LeadBytes());
    }

private:
    static bool IsVCardWord(std::string_view line, const Property& property)
    {
        return EqualsIgnoringCase(Trimmed(line.substr(property.valueStart), " \t"), "VCARD");
    }

    void StartCard()
    {
        inCard_ = true;
        firstEntry_ = entries_.size();
        formattedName_.clear();
        personName_.clear();
        organization_.clear();
    }

    bool TakeCardProperty(std::string_view line, const Property& property)
    {
        const LeadByteSet& leadBytes = codePage_.LeadBytes();
        switch (property.kind) {
        case PropertyKind::kFormattedName:
            if (formattedName_.empty())
                UnescapeText(DecodedValue(line, property, codePage_), 0, true, leadBytes, formattedName_);
            break;
        case PropertyKind::kName:
            if (personName_.empty())
                personName_ = GivenAndFamilyName(DecodedValue(line, property, codePage_));
            break;
        case PropertyKind::kOrganization:
            if (organization_.empty())
                UnescapeText(DecodedValue(line, property, codePage_), 0, false, leadBytes, organization_);
            break;
        case PropertyKind::kTelephone:
            if (property.fax)
                return AddFaxEntry(DecodedValue(line, property, codePage_));
            break;
        default:
            break;
        }
        return true;
    }

    // N is "family;given;additional;prefix;suffix".
    std::string GivenAndFamilyName(const std::string& value) const
    {
        std::string family, given;
        const std::size_t end = UnescapeText(value, 0, false, codePage_.LeadBytes(), family);
        if (end < value.size())
            UnescapeText(value, end + 1, false, codePage_.LeadBytes(), given);
        if (given.empty() || family.empty())
            return given + family;
        return given + ' ' + family;
    }

    bool AddFaxEntry(std::string number)
    {
        // A tel: URI loses its scheme and its parameters (";ext=12").
        number.erase(0, number.find_first_not_of(" \t"));
        if (StartsWithIgnoringCase(number, "TEL:"))
            number = number.substr(4, number.find(';') - 4);
        number += '\0';
        if (CleanFaxNumber(&number[0], codePage_) == 0)
            return true;
        if (entries_.size() == static_cast<std::size_t>(kMaxEntryCount))
            return false;
        CsvEntry entry{};
        CopyTextField(entry.faxNumber, number.c_str(), codePage_.LeadBytes());
        entries_.push_back(entry);
        return true;
    }

    // FN, else the given and family name, else the organisation: the first
    // that is not blank once cleaned.
    std::string CardName() const
    {
        for (const std::string* candidate : {&formattedName_, &personName_, &organization_}) {
            std::string name = *candidate + '\0';
            BlankLineBreaks(&name[0]);
            TrimSpaces(&name[0]);
            TrimEndBetweenCharacters(&name[0], codePage_.LeadBytes());
            ReplaceBrackets(&name[0], codePage_.LeadBytes());
            if (name[0] != '\0')
                return name;
        }
        return std::string();
    }

    const AnsiCodePage& codePage_;
    CsvEntryTable& entries_;
    int& rejectedCards_;
    bool inCard_ = false;
    std::size_t firstEntry_ = 0;
    std::string formattedName_;
    std::string personName_;
    std::string organization_;
};

} // namespace

bool IsVCardText(const char* text, std::size_t)
{
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n')
        ++text;
    const std::string_view begin = "BEGIN:VCARD";
    const std::string_view line(text, std::strcspn(text, "\r\n"));
    return StartsWithIgnoringCase(line, begin) && Trimmed(line.substr(begin.size()), " \t").empty();
}

int ReadVCardEntries(const char* text, std::size_t size, TextEncoding encoding, const AnsiCodePage& codePage,
                     CsvEntryTable& entries, int& rejectedCards)
{
    std::vector<char> ansi;
    if (encoding != TextEncoding::kAnsi) {
        AppendUtf8AsAnsi(text, size, codePage, ansi);
        ansi.push_back('\0');
        text = ansi.data();
    }
    rejectedCards = 0;
    CardReader cards(codePage, entries, rejectedCards);
    LineCursor lines(text);
    std::string line;
    while (lines.ReadUnfolded(line)) {
        const Property property = ParseProperty(line);
        if (property.quotedPrintable)
            lines.JoinSoftBreaks(line, property.valueStart);
        if (!cards.Take(line, property))
            return kReadTooManyEntries;
    }
    cards.FinishCard(); // a missing END:VCARD at the end of the file
    return 0;
}
