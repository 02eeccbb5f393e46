#include <gtest/gtest.h>

#include "addrbook/fax_extraction.h"
#include "entry_texts.h"
#include "memory_address_book.h"
#include "support/windows_1252.h"

namespace {

EntryId Id(int n)
{
    return EntryId{static_cast<std::uint8_t>(n)};
}

AddressEntryRef Person(int n)
{
    return {true, Id(n), true, kObjectMailUser};
}
AddressEntryRef DistList(int n)
{
    return {true, Id(n), true, kObjectDistList};
}

OptionalText Text(const std::string& text)
{
    return {true, text};
}

class FaxExtractionTest : public ::testing::Test {
protected:
    void AddPerson(int n, const std::string& name, std::initializer_list<OptionalText> numbers)
    {
        PersonFaxProperties values;
        values.displayName = Text(name);
        int i = 0;
        for (const OptionalText& number : numbers)
            values.faxNumbers[static_cast<std::size_t>(i++)] = number;
        book.persons[Id(n)] = values;
    }

    void Extract(const std::vector<AddressEntryRef>& picked)
    {
        FaxExtraction(book, result, counters, codePage).ExtractFaxEntries(picked);
    }

    std::vector<std::string> Entries() const { return EntryTexts(result); }

    void ExpectCounters(int selected, int valid, int rejected)
    {
        EXPECT_EQ(counters.selectedEntryCount, selected);
        EXPECT_EQ(counters.validFaxCount, valid);
        EXPECT_EQ(counters.rejectedEntryCount, rejected);
    }

    Windows1252 codePage;
    MemoryAddressBook book;
    ImportResult result;
    SessionCounters counters;
};

using Texts = std::vector<std::string>;

TEST_F(FaxExtractionTest, EveryUsableNumberOfAPersonIsAnEntry)
{
    AddPerson(1, "Smith [HQ]", {Text("+49 (30) 123-45"), Text("n/a"), Text("555")});
    AddPerson(2, "Same", {Text("7"), Text("7"), {}});
    Extract({Person(1), Person(2)});
    EXPECT_EQ(Entries(), (Texts{"Smith (HQ) [+49(30)123-45]", "Smith (HQ) [N/A]", "Smith (HQ) [555]", "Same [7]"}));
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 4);
    ExpectCounters(2, 4, 0);
}

TEST_F(FaxExtractionTest, FullWidthNumbersArriveAsAscii)
{
    // Code page 932: 桜 with ０３－５５５５ and with 信 alone, whose trail byte looks like "M".
    codePage.leadBytes.AddRange(0x81, 0x9F);
    AddPerson(1, "\x8D\xF7", {Text("\x82\x4F\x82\x52\x81\x7C\x82\x54\x82\x54\x82\x54\x82\x54"), Text("\x90\x4D")});
    Extract({Person(1)});
    EXPECT_EQ(Entries(), (Texts{"\x8D\xF7 [03-5555]"}));
    ExpectCounters(1, 1, 0);
    // Numbers longer than a field before cleaning keep their last digits.
    std::string wide;
    for (int i = 0; i < 20; ++i)
        wide += "\x82\x4F\x81\x40"; // "０" and the ideographic blank
    AddPerson(2, "Lee", {Text("+1 (555) 010 - 0199  ext.  12345"), Text(wide)});
    Extract({Person(2)});
    EXPECT_EQ(Entries(),
              (Texts{"\x8D\xF7 [03-5555]", "Lee [+1(555)010-0199EXT.12345]", "Lee [" + std::string(20, '0') + "]"}));
}

TEST_F(FaxExtractionTest, PersonsWithoutUsableNumbersAreRejected)
{
    AddPerson(1, "None", {});
    AddPerson(2, "Junk", {Text(" ,[] ")});
    AddPerson(3, "Good", {Text("1")});
    Extract({Person(1), Person(2), Person(3), Person(3)});
    EXPECT_EQ(Entries(), (Texts{"Good [1]"}));
    // Picked twice: the second time every number is already there.
    ExpectCounters(4, 1, 3);
}

TEST_F(FaxExtractionTest, NamesAreCutThenTrimmed)
{
    AddPerson(1, "  " + std::string(28, 'n') + "xyz", {Text("1")});
    PersonFaxProperties anonymous;
    anonymous.faxNumbers[2] = Text("2");
    book.persons[Id(2)] = anonymous;
    Extract({Person(1), Person(2)});
    EXPECT_EQ(Entries(), (Texts{std::string(28, 'n') + " [1]", " [2]"}));
}

TEST_F(FaxExtractionTest, TheCapStillCountsRefusedNumbers)
{
    result.entryCap = 50;
    for (int i = 0; i < 51; ++i)
        AddPerson(i, "P" + std::to_string(i), {Text(std::to_string(1000 + i))});
    std::vector<AddressEntryRef> picked;
    for (int i = 0; i < 51; ++i)
        picked.push_back(Person(i));
    Extract(picked);
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 50);
    ExpectCounters(51, 51, 0);
}

TEST_F(FaxExtractionTest, ListsAreExpandedDepthFirstAndOnlyOnce)
{
    AddPerson(1, "A", {Text("1")});
    AddPerson(2, "B", {Text("2")});
    AddPerson(3, "C", {Text("3")});
    // List 10 holds A, list 11 (which holds B and list 10 again), itself, and C.
    book.lists[Id(10)].members = {Person(1), DistList(11), DistList(10), Person(3)};
    book.lists[Id(11)].members = {Person(2), DistList(10)};
    Extract({DistList(10)});
    EXPECT_EQ(Entries(), (Texts{"A [1]", "B [2]", "C [3]"}));
    ExpectCounters(3, 3, 0);
    EXPECT_EQ(book.openedLists, 2);
}

TEST_F(FaxExtractionTest, ListPickedTwiceIsWalkedTwice)
{
    AddPerson(1, "A", {Text("1")});
    book.lists[Id(10)].members = {Person(1)};
    Extract({DistList(10), DistList(10)});
    EXPECT_EQ(Entries(), (Texts{"A [1]"}));
    ExpectCounters(2, 1, 1);
}

TEST_F(FaxExtractionTest, ListsThatFailContributeWhatWasReadBefore)
{
    AddPerson(1, "A", {Text("1")});
    AddPerson(2, "B", {Text("2")});
    book.lists[Id(10)].members = {Person(1), Person(2)};
    book.lists[Id(10)].failAfter = 1;
    Extract({DistList(10), DistList(99)});
    EXPECT_EQ(Entries(), (Texts{"A [1]"}));
    // The list that cannot be opened counts nothing.
    ExpectCounters(1, 1, 0);
}

TEST_F(FaxExtractionTest, EntriesAreTakenForWhatTheyOpenAs)
{
    // Listed as lists: a person is read as a person, a container is neither
    // and counts as rejected; the person met again in a list is passed over
    // like a list met again.
    AddPerson(1, "A", {Text("1")});
    book.otherObjects[Id(4)] = 4;
    book.lists[Id(10)].members = {DistList(1), DistList(4)};
    Extract({DistList(1), DistList(10)});
    EXPECT_EQ(Entries(), (Texts{"A [1]"}));
    ExpectCounters(2, 1, 1);
    EXPECT_EQ(book.openedLists, 1);
}

TEST_F(FaxExtractionTest, AStoppedWalkKeepsWhatItCollected)
{
    // A list that never ends: the walk goes on until it is stopped.
    AddPerson(1, "A", {Text("1")});
    AddPerson(2, "B", {Text("2")});
    book.lists[Id(10)].members.assign(100000, Person(2));
    const struct {
        int checksBeforeStop;
        Texts entries;
        int counted;
    } stops[] = {
        {0, {}, 0},                 // Cancel as soon as the notice shows: nothing read, nothing counted
        {3, {"A [1]", "B [2]"}, 2}, // the picked person and the list's first member
    };
    for (const auto& stop : stops) {
        SCOPED_TRACE("stopped after " + std::to_string(stop.checksBeforeStop) + " checks");
        result = ImportResult();
        counters = SessionCounters();
        int checks = 0;
        FaxExtraction extraction(book, result, counters, codePage);
        extraction.StopWhen([&] { return checks++ >= stop.checksBeforeStop; });
        extraction.ExtractFaxEntries({Person(1), DistList(10), Person(1)});
        EXPECT_TRUE(counters.walkStopped);
        EXPECT_EQ(Entries(), stop.entries);
        ExpectCounters(stop.counted, stop.counted, 0);
        EXPECT_EQ(checks, stop.checksBeforeStop + 1) << "not asked again once stopped";
    }
}

TEST_F(FaxExtractionTest, UncomparableMemberListIsSkipped)
{
    AddPerson(1, "A", {Text("1")});
    book.lists[Id(10)].members = {DistList(11)};
    book.lists[Id(11)].members = {Person(1)};
    book.uncomparable = {Id(11)};
    Extract({DistList(10)});
    ExpectCounters(0, 0, 0);
}

TEST_F(FaxExtractionTest, OtherEntriesUnreadablePersonsAndMissingProperties)
{
    AddPerson(1, "A", {Text("1")});
    book.unreadable = {Id(1)};
    AddressEntryRef folder{true, Id(5), true, 3};
    AddressEntryRef noId{false, {}, true, kObjectMailUser};
    AddressEntryRef noType{true, Id(1), false, 0};
    Extract({folder, Person(1), noId, noType});
    EXPECT_TRUE(Entries().empty());
    ExpectCounters(4, 0, 4);
}

TEST_F(FaxExtractionTest, At256ListsFurtherListsCountAsRejected)
{
    AddPerson(1, "A", {Text("1")});
    // A chain of 300 nested lists, each holding the next; the person is in the last.
    for (int i = 0; i < 300; ++i) {
        EntryId id = {static_cast<std::uint8_t>(i & 0xFF), static_cast<std::uint8_t>(i >> 8), 1};
        EntryId next = {static_cast<std::uint8_t>((i + 1) & 0xFF), static_cast<std::uint8_t>((i + 1) >> 8), 1};
        book.lists[id].members = {{true, next, true, kObjectDistList}};
    }
    Extract({{true, {0, 0, 1}, true, kObjectDistList}});
    EXPECT_EQ(book.openedLists, 256);
    ExpectCounters(1, 0, 1);
}

} // namespace
