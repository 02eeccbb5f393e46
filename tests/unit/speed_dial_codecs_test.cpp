#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "speeddial/speed_dial_codecs.h"

namespace {

std::string Field(const char* field, std::size_t bytes)
{
    return std::string(field, strnlen(field, bytes));
}

std::string Code(const SpeedDialRecord& record, int slot)
{
    return std::string(record.relayCodes[slot], kRelayCodeBytes);
}

TEST(ParseDigits, DigitsOnlyElseZero)
{
    EXPECT_EQ(ParseDigits("42"), 42);
    EXPECT_EQ(ParseDigits("007"), 7);
    for (const char* text : {"", "0", "4 2", "+4", "-4", "4a", " 4"})
        EXPECT_EQ(ParseDigits(text), 0) << text;
    EXPECT_EQ(ParseDigits("4294967295"), -1) << "wraps in 32 bits";
    EXPECT_EQ(ParseDigits("4294967296"), 0);
}

TEST(TextRoutines, PadRotateAndBase64)
{
    char buffer[8] = "7";
    PadLeftWithZeros(buffer, 1, 3);
    EXPECT_STREQ(buffer, "007");
    std::strcpy(buffer, "1234");
    PadLeftWithZeros(buffer, 4, 3);
    EXPECT_STREQ(buffer, "1234");

    char rotated[32];
    Rot13Letters(rotated, "Hello, World! mz");
    EXPECT_STREQ(rotated, "Uryyb, Jbeyq! zm");

    char decoded[32];
    DecodeBase64(decoded, "TWFu");
    EXPECT_STREQ(decoded, "Man");
    DecodeBase64(decoded, "TWE=");
    EXPECT_STREQ(decoded, "Ma");
    DecodeBase64(decoded, "TQ==TWFu");
    EXPECT_STREQ(decoded, "M") << "groups after a padded one are ignored";
    DecodeBase64(decoded, "TWF");
    EXPECT_STREQ(decoded, "") << "length not a multiple of 4";
    DecodeBase64(decoded, "AAAATWFu");
    EXPECT_STREQ(decoded, "") << "a decoded zero byte ends the text";
    DecodeBase64(decoded, "T!Fu");
    EXPECT_EQ(static_cast<unsigned char>(decoded[0]), 0x4C) << "a character outside the alphabet counts as 0";
}

TEST(CommMode, ValuesTwoToFour)
{
    EXPECT_EQ(CommModeFromText("2"), 1);
    EXPECT_EQ(CommModeFromText("3"), 1);
    EXPECT_EQ(CommModeFromText("4"), 2);
    EXPECT_EQ(CommModeFromText(" +4x"), 2);
    for (const char* text : {"1", "5", "x", "", "-2", "99999999999999999999"})
        EXPECT_EQ(CommModeFromText(text), 0) << text;
}

TEST(RelayFax, NumberFlagAndCodes)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    EXPECT_EQ(DecodeRelayFax(record, "P12/5/#3/*"), true);
    EXPECT_EQ(record.relayPFlag, '1');
    EXPECT_EQ(Field(record.relayNumber, 3), "12");
    ASSERT_EQ(record.relayCount, 3);
    EXPECT_EQ(Code(record, 0), "005");
    EXPECT_EQ(Code(record, 1), "0#3");
    EXPECT_EQ(Code(record, 2), "00*");
    EXPECT_EQ(Code(record, 3), std::string(3, '\0'));
}

TEST(RelayFax, IncompleteTextsGiveZero)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    EXPECT_EQ(DecodeRelayFax(record, "12"), false);
    EXPECT_EQ(Field(record.relayNumber, 3), "12");
    EXPECT_EQ(record.relayCount, 0);

    EXPECT_EQ(DecodeRelayFax(record, "0/5"), false);
    EXPECT_EQ(Field(record.relayNumber, 3), "");
    EXPECT_EQ(record.relayCount, 1);

    EXPECT_EQ(DecodeRelayFax(record, "123/5"), true);
    EXPECT_EQ(Field(record.relayNumber, 3), "12");

    EXPECT_EQ(DecodeRelayFax(record, "P"), false);
    EXPECT_EQ(record.relayPFlag, '1') << "the flag stays even when the codec fails";
    EXPECT_EQ(DecodeRelayFax(record, ""), false);
    EXPECT_EQ(record.relayPFlag, '0');
    EXPECT_EQ(DecodeRelayFax(record, "p5/1"), false) << "only an upper-case P is the flag";
}

TEST(RelayFax, CodeRules)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    EXPECT_EQ(DecodeRelayFax(record, "5/#0/#10/*5/AB/#//"), false);
    EXPECT_EQ(record.relayCount, 0);

    EXPECT_EQ(DecodeRelayFax(record, "5/5*/**/0/0123/123/#9"), true);
    ASSERT_EQ(record.relayCount, 6);
    EXPECT_EQ(Code(record, 0), "05*");
    EXPECT_EQ(Code(record, 1), "0**");
    EXPECT_EQ(Code(record, 2), "000");
    EXPECT_EQ(Code(record, 3), "012");
    EXPECT_EQ(Code(record, 4), std::string("12\0", 3));
    EXPECT_EQ(Code(record, 5), "0#9");
}

TEST(RelayFax, AtMostTwentyCodes)
{
    std::string text = "9";
    for (int i = 1; i <= 25; ++i)
        text += "/" + std::to_string(i);
    SpeedDialRecord record = InitialSpeedDialRecord();
    EXPECT_EQ(DecodeRelayFax(record, text.c_str()), true);
    EXPECT_EQ(record.relayCount, 20);
    EXPECT_EQ(Code(record, 19), "020");
    EXPECT_EQ(record.reserved[0], 0) << "nothing is written past the last slot";
}

TEST(SecureFax, PartsAndAcceptance)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    // "ABCDE": no colon, first part cut to 3.
    EXPECT_EQ(DecodeSecureFax(record, "DHWQERH="), true);
    EXPECT_EQ(Field(record.secureFax1, 4), "ABC");
    EXPECT_EQ(Field(record.secureFax2, 5), "");
    // "ABCDE:12": a second part of 2 characters is stored but not usable.
    EXPECT_EQ(DecodeSecureFax(record, "DHWQERH6ZGV="), false);
    EXPECT_EQ(Field(record.secureFax2, 5), "12");
    // "ABCDE:123456": cut to 4.
    EXPECT_EQ(DecodeSecureFax(record, "DHWQERH6ZGVmAQH2"), true);
    EXPECT_EQ(Field(record.secureFax2, 5), "1234");
    // "a:": an empty second part is fine.
    EXPECT_EQ(DecodeSecureFax(record, "LGb="), true);
    EXPECT_EQ(Field(record.secureFax1, 4), "a");
    // Not a multiple of 4 characters: nothing decodes.
    EXPECT_EQ(DecodeSecureFax(record, "DHWQERH"), false);
    EXPECT_EQ(Field(record.secureFax1, 4), "");
    EXPECT_EQ(DecodeSecureFax(record, ""), false);
}

TEST(FCode, TwoPartsOfTwentyCharacters)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    DecodeFCode(record, "ExyFH1EDDIWHByASD09BEN=="); // FIRSTPART:SECOND
    EXPECT_EQ(Field(record.fCode1, 21), "FIRSTPART");
    EXPECT_EQ(Field(record.fCode2, 21), "SECOND");
    DecodeFCode(record, "rN=="); // x
    EXPECT_EQ(Field(record.fCode1, 21), "x");
    EXPECT_EQ(Field(record.fCode2, 21), "");
    DecodeFCode(record, "abc");
    EXPECT_EQ(Field(record.fCode1, 21), "");
}

TEST(FeatureCode, FromTheTwoResults)
{
    EXPECT_EQ(FeatureCodeFor(true, true), '0');
    EXPECT_EQ(FeatureCodeFor(false, false), '0');
    EXPECT_EQ(FeatureCodeFor(true, false), '1');
    EXPECT_EQ(FeatureCodeFor(false, true), '4');
}

} // namespace
