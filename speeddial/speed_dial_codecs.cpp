#include "speeddial/speed_dial_codecs.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kRelayTextLimit = 255;
constexpr std::size_t kCodedTextLimit = 63;
constexpr std::size_t kDecodeBufferBytes = 64;

// Copies at most maxChars characters of text into a zero-filled field.
void StoreField(char* field, std::size_t fieldBytes, const std::string& text, std::size_t maxChars)
{
    std::memset(field, 0, fieldBytes);
    std::memcpy(field, text.data(), std::min(text.size(), std::min(maxChars, fieldBytes - 1)));
}

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return 0;
}

// Undoes the letter rotation and the Base64 of a coded text; empty when the
// text decodes to nothing.
std::string DecodeCodedText(const char* text)
{
    const std::string limited = std::string(text).substr(0, kCodedTextLimit);
    char rotated[kDecodeBufferBytes];
    char decoded[kDecodeBufferBytes];
    Rot13Letters(rotated, limited.c_str());
    DecodeBase64(decoded, rotated);
    return decoded;
}

// One relay code piece: true when accepted; code then holds its 3 bytes.
bool AcceptRelayCode(const std::string& piece, char (&code)[kRelayCodeBytes + 1])
{
    std::memset(code, 0, sizeof code);
    const std::size_t length = std::min<std::size_t>(piece.size(), kRelayCodeBytes);
    std::memcpy(code, piece.data(), length);
    PadLeftWithZeros(code, static_cast<int>(length), kRelayCodeBytes);
    char* significant = code;
    while (*significant == '0')
        ++significant;
    if (*significant == '\0')
        return true;
    if (*significant == '#') {
        const std::int32_t digit = ParseDigits(significant + 1);
        return digit >= 1 && digit <= 9;
    }
    if (std::strlen(significant) > 2)
        significant[2] = '\0'; // the cut stays in the stored code
    if (significant[0] == '*')
        return std::strcmp(significant, "*") == 0 || std::strcmp(significant, "**") == 0;
    if (significant[1] == '*')
        return true;
    return ParseDigits(significant) >= 1;
}

} // namespace

SpeedDialRecord InitialSpeedDialRecord()
{
    SpeedDialRecord record;
    std::memset(&record, 0, sizeof record);
    record.featureCode = '0';
    record.relayPFlag = '0';
    return record;
}

std::int32_t ParseDigits(const char* text)
{
    std::uint32_t value = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return 0;
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    }
    return static_cast<std::int32_t>(value);
}

void PadLeftWithZeros(char* buffer, int length, int width)
{
    if (width <= length)
        return;
    const int shift = width - length;
    std::memmove(buffer + shift, buffer, static_cast<std::size_t>(length));
    std::memset(buffer, '0', static_cast<std::size_t>(shift));
    buffer[width] = '\0';
}

void Rot13Letters(char* destination, const char* source)
{
    char* out = destination;
    for (const char* in = source; *in != '\0'; ++in, ++out) {
        const char c = *in;
        if (c >= 'a' && c <= 'z')
            *out = static_cast<char>('a' + (c - 'a' + 13) % 26);
        else if (c >= 'A' && c <= 'Z')
            *out = static_cast<char>('A' + (c - 'A' + 13) % 26);
        else
            *out = c;
    }
    *out = '\0';
}

void DecodeBase64(char* destination, const char* source)
{
    destination[0] = '\0';
    const std::size_t length = std::strlen(source);
    if (length % 4 != 0)
        return;
    char* out = destination;
    for (std::size_t group = 0; group < length; group += 4) {
        const char* c = source + group;
        const std::uint32_t bits = (static_cast<std::uint32_t>(Base64Value(c[0])) << 18) |
                                   (static_cast<std::uint32_t>(Base64Value(c[1])) << 12) |
                                   (static_cast<std::uint32_t>(Base64Value(c[2])) << 6) |
                                   static_cast<std::uint32_t>(Base64Value(c[3]));
        *out++ = static_cast<char>((bits >> 16) & 0xFF);
        if (c[2] == '=')
            break;
        *out++ = static_cast<char>((bits >> 8) & 0xFF);
        if (c[3] == '=')
            break;
        *out++ = static_cast<char>(bits & 0xFF);
    }
    *out = '\0';
}

std::uint16_t CommModeFromText(const char* text)
{
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value < 1000000)
            value = value * 10 + (*p - '0');
    }
    if (negative)
        value = -value;
    if (value == 2 || value == 3)
        return 1;
    if (value == 4)
        return 2;
    return 0;
}

bool DecodeRelayFax(SpeedDialRecord& record, const char* text)
{
    std::memset(record.relayNumber, 0, sizeof record.relayNumber);
    record.relayPFlag = '0';
    record.relayCount = 0;
    std::memset(record.relayCodes, 0, sizeof record.relayCodes);

    std::string relay = std::string(text).substr(0, kRelayTextLimit);
    if (relay.empty())
        return false;
    if (relay[0] == 'P') {
        record.relayPFlag = '1';
        relay.erase(0, 1);
    }
    const std::size_t slash = relay.find('/');
    const std::string number = relay.substr(0, std::min<std::size_t>(slash, 2));
    const std::int32_t relayNumber = ParseDigits(number.c_str());
    if (relayNumber >= 1 && relayNumber <= 99)
        StoreField(record.relayNumber, sizeof record.relayNumber, number, 2);
    if (slash == std::string::npos)
        return false;

    int stored = 0;
    std::size_t start = slash + 1;
    while (stored < kMaxRelayCodes && start <= relay.size()) {
        std::size_t end = relay.find('/', start);
        if (end == std::string::npos)
            end = relay.size();
        const std::string piece = relay.substr(start, end - start);
        start = end + 1;
        if (piece.empty())
            continue;
        char code[kRelayCodeBytes + 1];
        if (AcceptRelayCode(piece, code))
            std::memcpy(record.relayCodes[stored++], code, kRelayCodeBytes);
    }
    record.relayCount = static_cast<std::uint16_t>(stored);
    return stored > 0 && record.relayNumber[0] != '\0';
}

bool DecodeSecureFax(SpeedDialRecord& record, const char* text)
{
    std::memset(record.secureFax1, 0, sizeof record.secureFax1);
    std::memset(record.secureFax2, 0, sizeof record.secureFax2);
    if (text[0] == '\0')
        return false;
    const std::string decoded = DecodeCodedText(text);
    if (decoded.empty())
        return false;
    const std::size_t colon = decoded.find(':');
    StoreField(record.secureFax1, sizeof record.secureFax1, decoded.substr(0, colon), 3);
    bool secondAcceptable = true;
    if (colon != std::string::npos) {
        const std::string second = decoded.substr(colon + 1);
        secondAcceptable = second.empty() || second.size() >= 4;
        StoreField(record.secureFax2, sizeof record.secureFax2, second, 4);
    }
    return record.secureFax1[0] != '\0' && secondAcceptable;
}

void DecodeFCode(SpeedDialRecord& record, const char* text)
{
    std::memset(record.fCode1, 0, sizeof record.fCode1);
    std::memset(record.fCode2, 0, sizeof record.fCode2);
    if (text[0] == '\0')
        return;
    const std::string decoded = DecodeCodedText(text);
    if (decoded.empty())
        return;
    const std::size_t colon = decoded.find(':');
    StoreField(record.fCode1, sizeof record.fCode1, decoded.substr(0, colon), 20);
    if (colon != std::string::npos)
        StoreField(record.fCode2, sizeof record.fCode2, decoded.substr(colon + 1), 20);
}

char FeatureCodeFor(bool relayUsable, bool secureUsable)
{
    if (relayUsable == secureUsable)
        return '0';
    return relayUsable ? '1' : '4';
}
