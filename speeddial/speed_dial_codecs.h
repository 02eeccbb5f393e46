// Field codecs of the speed-dial record: the small text routines and the
// relay fax, secure fax and F code decoders that fill the record at export.
#pragma once

#include <cstdint>

#include "speeddial/speed_dial_record.h"

// The value of a text of digits only (wrapping in 32 bits); 0 for anything else.
std::int32_t ParseDigits(const char* text);
// Moves the length characters right and fills the front with '0' up to width.
void PadLeftWithZeros(char* buffer, int length, int width);
// Turns each ASCII letter 13 places on; destination holds the source's length + 1.
void Rot13Letters(char* destination, const char* source);
// Standard Base64; destination holds at least 3/4 of the source's length + 1.
void DecodeBase64(char* destination, const char* source);

// The commMode code of a communication mode column text.
std::uint16_t CommModeFromText(const char* text);

// Each fills the fields it owns; the first two return whether their feature
// is complete and usable.
bool DecodeRelayFax(SpeedDialRecord& record, const char* text);
bool DecodeSecureFax(SpeedDialRecord& record, const char* text);
void DecodeFCode(SpeedDialRecord& record, const char* text);

// '0' when both features agree, '1' for relay only, '4' for secure only.
char FeatureCodeFor(bool relayUsable, bool secureUsable);
