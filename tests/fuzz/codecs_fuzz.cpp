// Each field codec and small text routine on arbitrary text. The record sits
// between guard bytes, so a write past any field shows up.
#include <cstring>

#include "fuzz_input.h"
#include "speeddial/speed_dial_codecs.h"

namespace {

struct GuardedRecord {
    unsigned char before[16];
    SpeedDialRecord record;
    unsigned char after[16];
};

void CheckGuards(const GuardedRecord& guarded)
{
    for (unsigned char b : guarded.before)
        if (b != 0xA5)
            __builtin_trap();
    for (unsigned char b : guarded.after)
        if (b != 0xA5)
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<char> text = TextOf(data, size);
    GuardedRecord guarded;
    std::memset(guarded.before, 0xA5, sizeof guarded.before);
    std::memset(guarded.after, 0xA5, sizeof guarded.after);
    guarded.record = InitialSpeedDialRecord();

    const bool relay = DecodeRelayFax(guarded.record, text.data());
    if (guarded.record.relayCount > kMaxRelayCodes)
        __builtin_trap();
    const bool secure = DecodeSecureFax(guarded.record, text.data());
    guarded.record.featureCode = FeatureCodeFor(relay, secure);
    DecodeFCode(guarded.record, text.data());
    CommModeFromText(text.data());
    ParseDigits(text.data());
    CheckGuards(guarded);

    // The small routines with buffers sized for the source.
    const std::size_t length = std::strlen(text.data());
    std::vector<char> rotated(length + 1);
    Rot13Letters(rotated.data(), text.data());
    std::vector<char> decoded(length * 3 / 4 + 2);
    DecodeBase64(decoded.data(), text.data());
    std::vector<char> padded(length + 8, '\0');
    std::memcpy(padded.data(), text.data(), length);
    PadLeftWithZeros(padded.data(), static_cast<int>(length), static_cast<int>(length + (size % 7)));
    return 0;
}
