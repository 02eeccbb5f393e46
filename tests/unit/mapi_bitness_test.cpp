#include <gtest/gtest.h>

#include "addrbook/mapi_bitness.h"
#include "faximport_version.h"

namespace {

TEST(MapiBitness, OnlyX86AndX64AreBitnessValues)
{
    EXPECT_EQ(ParseBitness("x86"), Bitness::kBits32);
    EXPECT_EQ(ParseBitness("X64"), Bitness::kBits64);
    for (const char* other : {"", "x", "x64 ", "x6", "x640", "amd64", "64"})
        EXPECT_EQ(ParseBitness(other), Bitness::kUnknown) << '"' << other << '"';
}

TEST(MapiBitness, HighestVersionDecidesByNumberNotByText)
{
    // As text, "9.0" would sort above "16.0"; leading zeros do not count.
    EXPECT_EQ(DecidingBitness({{"15.0", "x64"}, {"16.0", "x86"}, {"9.0", "x64"}}), Bitness::kBits32);
    EXPECT_EQ(DecidingBitness({{"016.0", "x86"}, {"16.1", "x64"}, {"16", "x86"}}), Bitness::kBits64);
    EXPECT_EQ(DecidingBitness({{"16.0", "x64"}, {"99999999999999999999.0", "x86"}}), Bitness::kBits32);
    // Of equal versions (both registry locations), the first.
    EXPECT_EQ(DecidingBitness({{"16.0", "x86"}, {"16.00", "x64"}}), Bitness::kBits32);
}

TEST(MapiBitness, RecordsThatAreNoVersionOrNoBitnessArePassedOver)
{
    EXPECT_EQ(DecidingBitness({}), Bitness::kUnknown);
    EXPECT_EQ(DecidingBitness({{"Common", "x64"}, {"16.", "x64"}, {".0", "x64"}, {"16..0", "x64"}, {"", "x64"}}),
              Bitness::kUnknown);
    EXPECT_EQ(DecidingBitness({{"14.0", "x86"}, {"16.0", "unknown"}, {"ClickToRun", "x64"}}), Bitness::kBits32);
}

TEST(MapiBitness, MismatchNamesThePackageOfOutlooksBitness)
{
    const std::string version = FAXIMPORT_RELEASE_VERSION;
    EXPECT_EQ(BitnessMismatchText(Bitness::kBits64, Bitness::kBits32),
              "Outlook on this computer is a 64-bit program, and this 32-bit faximport cannot use its address "
              "book.\nUse the 64-bit faximport (faximport-" +
                  version + "-x64.zip) to import from it.");
    EXPECT_EQ(BitnessMismatchText(Bitness::kBits32, Bitness::kBits64),
              "Outlook on this computer is a 32-bit program, and this 64-bit faximport cannot use its address "
              "book.\nUse the 32-bit faximport (faximport-" +
                  version + "-x86.zip) to import from it.");
    EXPECT_EQ(BitnessMismatchText(Bitness::kBits32, Bitness::kBits32), "");
    EXPECT_EQ(BitnessMismatchText(Bitness::kBits64, Bitness::kBits64), "");
    EXPECT_EQ(BitnessMismatchText(Bitness::kUnknown, Bitness::kBits32), "");
}

} // namespace
