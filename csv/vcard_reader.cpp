#include "csv/vcard_reader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/text_routines.h"
#include "csv/code_page_words.h"
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

// Windows' number for UTF-8 (CP_UTF8).
constexpr unsigned kUtf8CodePage = 65001;
// A value without a CHARSET, or with one that has no number here: its bytes
// are in the text's own encoding.
constexpr unsigned kTextCharset = ~0u;

// The decimal number that is all of text, when it lies in first to last.
bool IsNumberBetween(std::string_view text, unsigned first, unsigned last, unsigned& number)
{
    number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || number > last)
            return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return !text.empty() && number >= first && number <= last;
}

// The Windows code page number of a CHARSET name, or kTextCharset.
unsigned CharsetCodePage(std::string_view name)
{
    static const struct {
        const char* name;
        unsigned codePage;
    } kNamed[] = {{"UTF-8", kUtf8CodePage}, {"SHIFT_JIS", 932}, {"GB2312", 936}, {"BIG5", 950}};
    // "WINDOWS-1250" is code page 1250, "ISO-8859-2" code page 28592.
    static const struct {
        std::string_view prefix;
        unsigned first, last, codePageBase;
    } kNumbered[] = {{"WINDOWS-", 1250, 1258, 0}, {"ISO-8859-", 1, 15, 28590}};
    for (const auto& named : kNamed) {
        if (EqualsIgnoringCase(name, named.name))
            return named.codePage;
    }
    for (const auto& numbered : kNumbered) {
        unsigned number = 0;
        if (StartsWithIgnoringCase(name, numbered.prefix) &&
            IsNumberBetween(name.substr(numbered.prefix.size()), numbered.first, numbered.last, number))
            return numbered.codePageBase + number;
    }
    return kTextCharset;
}

enum class PropertyKind {
    kOther,
    kBegin,
    kEnd,
    kVersion,
    kFormattedName,
    kName,
    kOrganization,
    kTelephone,
    kItemLabel
};

// What the reader needs from the part of a content line before its value.
struct Property {
    PropertyKind kind = PropertyKind::kOther;
    std::string group; // "ITEM1" of "item1.TEL", in ASCII upper case
    std::size_t valueStart = 0;
    bool fax = false;
    bool quotedPrintable = false;
    unsigned charset = kTextCharset;
};

std::string AsciiUpperCopy(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
    return upper;
}

// Reads "[group.]NAME" into the property's kind and group.
void ApplyName(std::string_view name, Property& property)
{
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        property.group = AsciiUpperCopy(Trimmed(name.substr(0, dot), " \t"));
    name = Trimmed(name.substr(dot + 1), " \t");
    static const struct {
        const char* name;
        PropertyKind kind;
    } kKinds[] = {{"BEGIN", PropertyKind::kBegin},     {"END", PropertyKind::kEnd},
                  {"VERSION", PropertyKind::kVersion}, {"FN", PropertyKind::kFormattedName},
                  {"N", PropertyKind::kName},          {"ORG", PropertyKind::kOrganization},
                  {"TEL", PropertyKind::kTelephone},   {"X-ABLABEL", PropertyKind::kItemLabel}};
    for (const auto& known : kKinds) {
        if (EqualsIgnoringCase(name, known.name)) {
            property.kind = known.kind;
            return;
        }
    }
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
    if (EqualsIgnoringCase(name, "CHARSET"))
        property.charset = CharsetCodePage(ParameterWord(values));
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
            ApplyName(piece, property);
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

// UTF-8 bytes in the code page. Bytes that are not valid UTF-8 (a value that
// says it is but was written in the code page) stay as they are.
std::string FromUtf8(const std::string& value, const AnsiCodePage& codePage)
{
    const DetectedEncoding detected = DetectTextEncoding(value.data(), value.size());
    if (detected.encoding != TextEncoding::kUtf8)
        return value;
    std::vector<char> converted;
    AppendUtf8AsAnsi(value.data() + detected.markBytes, value.size() - detected.markBytes, codePage, converted);
    return std::string(converted.begin(), converted.end());
}

// Bytes in the numbered code page, through UTF-16, in this code page. They
// stay as they are when the platform cannot read that code page.
std::string FromCodePage(const std::string& value, unsigned charset, const AnsiCodePage& codePage)
{
    std::u16string utf16;
    if (!codePage.AppendToUtf16(charset, value.data(), value.size(), utf16))
        return value;
    std::vector<char> converted;
    codePage.AppendFromUtf16(utf16.data(), utf16.size(), converted);
    return std::string(converted.begin(), converted.end());
}

// The charset of the value's bytes once its transfer encoding is undone. In a
// UTF-8 text the file's own decoding has made every raw value UTF-8, whatever
// its CHARSET says; only quoted-printable bytes are still in their charset.
unsigned ValueCharset(const Property& property, TextEncoding encoding)
{
    const bool utf8Text = encoding != TextEncoding::kAnsi;
    if (utf8Text && (!property.quotedPrintable || property.charset == kTextCharset))
        return kUtf8CodePage;
    return property.charset;
}

// The value of the line in the code page, transfer encoding and charset undone.
std::string DecodedValue(std::string_view line, const Property& property, TextEncoding encoding,
                         const AnsiCodePage& codePage)
{
    const std::string_view raw = line.substr(property.valueStart);
    const std::string value = property.quotedPrintable ? DecodeQuotedPrintable(raw) : std::string(raw);
    const unsigned charset = ValueCharset(property, encoding);
    if (charset == kTextCharset)
        return value;
    return charset == kUtf8CodePage ? FromUtf8(value, codePage) : FromCodePage(value, charset, codePage);
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

// The physical lines of the text, read by its size: a zero byte is a
// character like any other.
class LineCursor {
public:
    LineCursor(const char* text, std::size_t size) : next_(text), end_(text + size) {}

    // vCard 2.1 unfolds by removing the line break alone, so that the blank
    // that starts the continuation line stays; 3.0 and 4.0 remove that blank
    // or tab too.
    void KeepFoldBlanks(bool keep) { keepFoldBlanks_ = keep; }

    // The next content line, its folds undone: a line that begins with a
    // blank or a tab continues the one before.
    bool ReadUnfolded(std::string& line)
    {
        line.clear();
        if (next_ == end_)
            return false;
        AppendUnfolded(line);
        return true;
    }

    // A quoted-printable value that ends in "=" goes on in the next line
    // (a soft line break); the "=" is not part of it.
    void JoinSoftBreaks(std::string& line, std::size_t valueStart)
    {
        while (line.size() > valueStart && line.back() == '=' && next_ != end_) {
            line.pop_back();
            AppendUnfolded(line);
        }
    }

private:
    void AppendUnfolded(std::string& line)
    {
        AppendPhysicalLine(line);
        while (next_ != end_ && (*next_ == ' ' || *next_ == '\t')) {
            if (!keepFoldBlanks_)
                ++next_;
            AppendPhysicalLine(line);
        }
    }

    void AppendPhysicalLine(std::string& line)
    {
        const char* start = next_;
        next_ = std::find_if(next_, end_, [](char c) { return c == '\r' || c == '\n'; });
        line.append(start, next_);
        SkipLineEnd();
    }

    // CR LF, LF and CR end one line, and so does CR CR LF: a CR LF text that
    // a tool copied as if its lines ended in LF alone.
    void SkipLineEnd()
    {
        const std::string_view rest(next_, static_cast<std::size_t>(end_ - next_));
        for (const std::string_view lineEnd : {"\r\r\n", "\r\n", "\r", "\n"}) {
            if (rest.substr(0, lineEnd.size()) == lineEnd) {
                next_ += lineEnd.size();
                return;
            }
        }
    }

    const char* next_;
    const char* end_;
    bool keepFoldBlanks_ = false;
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

// Whether a label makes the telephone of its item group a fax number: it
// holds a fax word in any case. Apple's own fax labels ("_$!<WorkFax>!$_",
// "_$!<HomeFax>!$_", "_$!<OtherFax>!$_") hold "FAX" too.
bool IsFaxLabel(std::string label, const std::vector<std::string>& faxWords, const AnsiCodePage& codePage)
{
    label += '\0';
    return SaysFax(&label[0], faxWords, codePage);
}

// A telephone of the card that may be a fax number: one whose type says so,
// or one in an item group whose label may say so.
struct Telephone {
    std::string group;
    std::string number; // cleaned, not empty
    bool faxType = false;
};

// The cards of one file and the entries they give.
class CardReader {
public:
    CardReader(const AnsiCodePage& codePage, TextEncoding encoding, CsvEntryTable& entries, int& rejectedCards)
        : codePage_(codePage), encoding_(encoding), faxWords_(FaxWords(codePage)), entries_(entries),
          rejectedCards_(rejectedCards)
    {
    }

    // Returns false once the entries are more than an import can count.
    bool Take(std::string_view line, const Property& property)
    {
        if (property.kind == PropertyKind::kBegin && IsVCardWord(line, property)) {
            // A card that never ended ends where the next begins.
            const bool counted = FinishCard();
            StartCard();
            return counted;
        }
        if (property.kind == PropertyKind::kEnd && IsVCardWord(line, property))
            return FinishCard();
        if (inCard_)
            TakeCardProperty(line, property);
        return true;
    }

    // Adds the card's fax numbers, in the order of their TEL lines, under its
    // name, or counts the card as rejected. Returns false once the entries
    // are more than an import can count.
    bool FinishCard()
    {
        if (!inCard_)
            return true;
        inCard_ = false;
        const std::size_t firstEntry = entries_.size();
        for (const Telephone& telephone : telephones_) {
            if (!IsFax(telephone))
                continue;
            if (entries_.size() == static_cast<std::size_t>(kMaxEntryCount))
                return false;
            CsvEntry entry{};
            CopyTextField(entry.faxNumber, telephone.number.c_str(), codePage_.LeadBytes());
            entries_.push_back(entry);
        }
        if (entries_.size() == firstEntry) {
            ++rejectedCards_;
            return true;
        }
        const std::string name = CardName();
        for (std::size_t i = firstEntry; i < entries_.size(); ++i)
            CopyTextField(entries_[i].name, name.c_str(), codePage_.LeadBytes());
        return true;
    }

private:
    static bool IsVCardWord(std::string_view line, const Property& property)
    {
        return EqualsIgnoringCase(Trimmed(line.substr(property.valueStart), " \t"), "VCARD");
    }

    void StartCard()
    {
        inCard_ = true;
        formattedName_.clear();
        personName_.clear();
        organization_.clear();
        telephones_.clear();
        faxGroups_.clear();
    }

    std::string Value(std::string_view line, const Property& property) const
    {
        return DecodedValue(line, property, encoding_, codePage_);
    }

    void TakeCardProperty(std::string_view line, const Property& property)
    {
        const LeadByteSet& leadBytes = codePage_.LeadBytes();
        switch (property.kind) {
        case PropertyKind::kFormattedName:
            if (formattedName_.empty())
                UnescapeText(Value(line, property), 0, true, leadBytes, formattedName_);
            break;
        case PropertyKind::kName:
            if (personName_.empty())
                personName_ = GivenAndFamilyName(Value(line, property));
            break;
        case PropertyKind::kOrganization:
            if (organization_.empty())
                UnescapeText(Value(line, property), 0, false, leadBytes, organization_);
            break;
        case PropertyKind::kTelephone:
            if (property.fax || !property.group.empty())
                AddTelephone(Value(line, property), property);
            break;
        case PropertyKind::kItemLabel:
            if (!property.group.empty() && IsFaxLabel(Value(line, property), faxWords_, codePage_))
                faxGroups_.push_back(property.group);
            break;
        default:
            break;
        }
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

    void AddTelephone(std::string number, const Property& property)
    {
        // A tel: URI loses its scheme and its parameters (";ext=12").
        number.erase(0, number.find_first_not_of(" \t"));
        if (StartsWithIgnoringCase(number, "TEL:"))
            number = number.substr(4, number.find(';') - 4);
        number += '\0';
        const int length = CleanFaxNumber(&number[0], codePage_);
        if (length > 0)
            telephones_.push_back({property.group, number.substr(0, static_cast<std::size_t>(length)), property.fax});
    }

    bool IsFax(const Telephone& telephone) const
    {
        return telephone.faxType ||
               std::find(faxGroups_.begin(), faxGroups_.end(), telephone.group) != faxGroups_.end();
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
    const TextEncoding encoding_;
    const std::vector<std::string> faxWords_;
    CsvEntryTable& entries_;
    int& rejectedCards_;
    bool inCard_ = false;
    std::string formattedName_;
    std::string personName_;
    std::string organization_;
    std::vector<Telephone> telephones_;
    std::vector<std::string> faxGroups_;
};

// A card is unfolded as 3.0 from its BEGIN line on until its VERSION says
// 2.1: 2.1 cards write VERSION right after BEGIN, and a card without VERSION
// is unfolded as it always was.
bool IsVersion21(std::string_view line, const Property& property)
{
    return property.kind == PropertyKind::kVersion && Trimmed(line.substr(property.valueStart), " \t") == "2.1";
}

} // namespace

bool IsVCardText(const char* text, std::size_t size)
{
    std::string_view rest(text, size);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t\r\n"), rest.size()));
    const std::string_view begin = "BEGIN:VCARD";
    const std::string_view line = rest.substr(0, rest.find_first_of("\r\n"));
    return StartsWithIgnoringCase(line, begin) && Trimmed(line.substr(begin.size()), " \t").empty();
}

int ReadVCardEntries(const char* text, std::size_t size, TextEncoding encoding, const AnsiCodePage& codePage,
                     CsvEntryTable& entries, int& rejectedCards)
{
    rejectedCards = 0;
    CardReader cards(codePage, encoding, entries, rejectedCards);
    LineCursor lines(text, size);
    std::string line;
    while (lines.ReadUnfolded(line)) {
        const Property property = ParseProperty(line);
        if (property.quotedPrintable)
            lines.JoinSoftBreaks(line, property.valueStart);
        if (property.kind == PropertyKind::kBegin || property.kind == PropertyKind::kVersion)
            lines.KeepFoldBlanks(IsVersion21(line, property));
        if (!cards.Take(line, property))
            return kReadTooManyEntries;
    }
    // A missing END:VCARD at the end of the file.
    return cards.FinishCard() ? 0 : kReadTooManyEntries;
}
