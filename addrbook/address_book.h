// The address book as the recipient walk sees it: persons whose fax numbers
// can be read, distribution lists whose members can be listed, and entry
// identifiers that can be compared. The Windows build adapts IAddrBook to it;
// the tests use an address book held in memory.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Object types of address entries.
constexpr int kObjectMailUser = 6;
constexpr int kObjectDistList = 8;

using EntryId = std::vector<std::uint8_t>;

// One picked entry or list member, from its property values.
struct AddressEntryRef {
    bool hasEntryId = false;
    EntryId entryId;
    bool hasObjectType = false;
    int objectType = 0;
};

// A text property that may be absent.
struct OptionalText {
    bool present = false;
    std::string text;
};

// The four values read from a person, in this order.
struct PersonFaxProperties {
    OptionalText displayName;
    std::array<OptionalText, 3> faxNumbers; // primary, business, home
};

// Reads a list's members one at a time.
class MemberCursor {
public:
    enum class Step { kMember, kEnd, kFailed };
    virtual ~MemberCursor() = default;
    virtual Step Next(AddressEntryRef& member) = 0;
};

class AddressBook {
public:
    enum class Comparison { kSame, kDifferent, kFailed };
    virtual ~AddressBook() = default;
    // false when the entry does not open as a person or its values cannot
    // be read.
    virtual bool ReadPerson(const EntryId& id, PersonFaxProperties& values) = 0;
    // nullptr when the entry does not open as a list or its member table
    // cannot be set up. openedAs is the object type the entry opened as
    // (whatever its properties said), 0 when it did not open.
    virtual std::unique_ptr<MemberCursor> OpenList(const EntryId& id, int& openedAs) = 0;
    virtual Comparison Compare(const EntryId& remembered, const EntryId& member) = 0;
};
