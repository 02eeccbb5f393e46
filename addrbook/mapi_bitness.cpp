#include "addrbook/mapi_bitness.h"

#include <cctype>

#include "faximport_version.h"

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* expected)
{
    std::size_t i = 0;
    for (; i < text.size() && expected[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != expected[i])
            return false;
    }
    return i == text.size() && expected[i] == '\0';
}

// The numbers of a version key name ("16.0": "16", "0") without their
// leading zeros; empty when the name is not digits separated by single dots.
std::vector<std::string> VersionNumbers(const std::string& name)
{
    std::vector<std::string> numbers(1);
    for (char c : name) {
        if (c == '.') {
            if (numbers.back().empty())
                return {};
            numbers.emplace_back();
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            numbers.back() += c;
        } else {
            return {};
        }
    }
    if (numbers.back().empty())
        return {};
    for (std::string& number : numbers) {
        const std::size_t first = number.find_first_not_of('0');
        number.erase(0, first == std::string::npos ? number.size() - 1 : first);
    }
    return numbers;
}

// Number by number; kept as digit texts, a longer one is the larger, so no
// key name can overflow a conversion.
bool IsHigherVersion(const std::vector<std::string>& version, const std::vector<std::string>& than)
{
    for (std::size_t i = 0; i < version.size() && i < than.size(); ++i) {
        if (version[i].size() != than[i].size())
            return version[i].size() > than[i].size();
        if (version[i] != than[i])
            return version[i] > than[i];
    }
    return version.size() > than.size();
}

const char* BitsText(Bitness bitness)
{
    return bitness == Bitness::kBits64 ? "64-bit" : "32-bit";
}

// The release package of that bitness, as the releases name it.
std::string PackageName(Bitness bitness)
{
    return std::string("faximport-") + FAXIMPORT_RELEASE_VERSION + (bitness == Bitness::kBits64 ? "-x64" : "-x86") +
           ".zip";
}

} // namespace

Bitness ParseBitness(const std::string& value)
{
    if (EqualsIgnoringCase(value, "x64"))
        return Bitness::kBits64;
    if (EqualsIgnoringCase(value, "x86"))
        return Bitness::kBits32;
    return Bitness::kUnknown;
}

Bitness DecidingBitness(const std::vector<OutlookBitnessRecord>& records)
{
    Bitness deciding = Bitness::kUnknown;
    std::vector<std::string> decidingVersion;
    for (const OutlookBitnessRecord& record : records) {
        const Bitness bitness = ParseBitness(record.value);
        const std::vector<std::string> version = VersionNumbers(record.version);
        if (bitness == Bitness::kUnknown || version.empty())
            continue;
        if (deciding == Bitness::kUnknown || IsHigherVersion(version, decidingVersion)) {
            deciding = bitness;
            decidingVersion = version;
        }
    }
    return deciding;
}

std::string BitnessMismatchText(Bitness outlook, Bitness program)
{
    if (outlook == Bitness::kUnknown || outlook == program)
        return {};
    return std::string("Outlook on this computer is a ") + BitsText(outlook) + " program, and this " +
           BitsText(program) + " faximport cannot use its address book.\nUse the " + BitsText(outlook) +
           " faximport (" + PackageName(outlook) + ") to import from it.";
}
