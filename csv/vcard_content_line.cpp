#include "csv/vcard_content_line.h"

#include <algorithm>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/text_routines.h"

namespace {

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

} // namespace

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
