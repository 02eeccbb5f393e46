// The fixed 184-byte record a speed-dial entry is exported as. Its layout is
// shared with the host, so every field sits at a fixed offset with no gaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The export records are written as they lie in memory: little-endian targets only."
#endif

constexpr int kMaxRelayCodes = 20;
constexpr int kRelayCodeBytes = 3;

struct SpeedDialRecord {
    char name[31];
    char faxNumber[31];
    std::uint16_t commMode; // 0, 1 or 2
    char featureCode;       // '0', '1' or '4'
    char secureFax1[4];
    char secureFax2[5];
    char relayNumber[3];
    char relayPFlag;          // '1' when the relay text began with 'P'
    std::uint16_t relayCount; // codes stored in relayCodes
    char relayCodes[kMaxRelayCodes][kRelayCodeBytes];
    char reserved[2];
    char fCode1[21];
    char fCode2[21];
};

static_assert(sizeof(SpeedDialRecord) == 184, "the export record is 184 bytes");
static_assert(offsetof(SpeedDialRecord, commMode) == 62, "record layout");
static_assert(offsetof(SpeedDialRecord, featureCode) == 64, "record layout");
static_assert(offsetof(SpeedDialRecord, secureFax1) == 65, "record layout");
static_assert(offsetof(SpeedDialRecord, secureFax2) == 69, "record layout");
static_assert(offsetof(SpeedDialRecord, relayNumber) == 74, "record layout");
static_assert(offsetof(SpeedDialRecord, relayPFlag) == 77, "record layout");
static_assert(offsetof(SpeedDialRecord, relayCount) == 78, "record layout");
static_assert(offsetof(SpeedDialRecord, relayCodes) == 80, "record layout");
static_assert(offsetof(SpeedDialRecord, reserved) == 140, "record layout");
static_assert(offsetof(SpeedDialRecord, fCode1) == 142, "record layout");
static_assert(offsetof(SpeedDialRecord, fCode2) == 163, "record layout");

// The record a table slot starts as: all zero but the two flag characters.
SpeedDialRecord InitialSpeedDialRecord();

// One accepted line of the export: the record as read, and the texts of the
// columns that are decoded into the record only when it is exported.
struct SpeedDialEntry {
    SpeedDialRecord record;
    std::string key; // the speed-dial number, as the file has it
    std::string commMode;
    std::string secureFax;
    std::string relayFax;
    std::string fCode;
};

// The speed-dial table: one entry per accepted line, in file order.
using SpeedDialTable = std::vector<SpeedDialEntry>;
