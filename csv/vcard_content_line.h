// One vCard content line, "[group.]NAME;param=value;...:value": what the
// reader needs of its name and parameters, and its value in the code page
// with the transfer encoding, the charset and the text escapes undone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "csv/text_decoding.h"

class AnsiCodePage;
class LeadByteSet;

// A value without a CHARSET, or with one that has no number here: its bytes
// are in the text's own encoding.
constexpr unsigned kTextCharset = ~0u;

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

// Reads "[group.]NAME;param;param:value". A line without a colon outside
// quotes has no value and is of no kind.
Property ParseProperty(std::string_view line);

// The value of the line in the code page, transfer encoding and charset
// undone; encoding is the whole text's.
std::string DecodedValue(std::string_view line, const Property& property, TextEncoding encoding,
                         const AnsiCodePage& codePage);

// Unescapes "\," "\;" "\\" and "\n" from start up to the next unescaped ";"
// (or the end of the value when wholeValue) into out. Returns where reading
// stopped. The trail byte of a double-byte character may be a backslash and
// is copied.
std::size_t UnescapeText(const std::string& value, std::size_t start, bool wholeValue, const LeadByteSet& leadBytes,
                         std::string& out);
