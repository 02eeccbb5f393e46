// An address book held in memory for the tests of the walk and the session.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "addrbook/address_book.h"

// An address book held in memory: persons and lists keyed by a one-byte id.
class MemoryAddressBook : public AddressBook {
public:
    struct List {
        std::vector<AddressEntryRef> members;
        int failAfter = -1; // member reads before the table fails, -1 never
    };

    std::map<EntryId, PersonFaxProperties> persons;
    std::map<EntryId, List> lists;
    std::vector<EntryId> unreadable;
    std::vector<EntryId> uncomparable;
    int openedLists = 0;

    bool ReadPerson(const EntryId& id, PersonFaxProperties& values) override
    {
        auto person = persons.find(id);
        if (person == persons.end() || std::find(unreadable.begin(), unreadable.end(), id) != unreadable.end())
            return false;
        values = person->second;
        return true;
    }

    std::map<EntryId, int> otherObjects; // entries that open as neither, with their type

    std::unique_ptr<MemberCursor> OpenList(const EntryId& id, int& openedAs) override
    {
        auto list = lists.find(id);
        openedAs = list != lists.end() ? kObjectDistList : persons.count(id) ? kObjectMailUser : 0;
        if (otherObjects.count(id))
            openedAs = otherObjects[id];
        if (list == lists.end())
            return nullptr;
        ++openedLists;
        return std::make_unique<Cursor>(list->second);
    }

    Comparison Compare(const EntryId& remembered, const EntryId& member) override
    {
        if (std::find(uncomparable.begin(), uncomparable.end(), member) != uncomparable.end())
            return Comparison::kFailed;
        return remembered == member ? Comparison::kSame : Comparison::kDifferent;
    }

private:
    class Cursor : public MemberCursor {
    public:
        explicit Cursor(const List& list) : list_(list) {}
        Step Next(AddressEntryRef& member) override
        {
            if (list_.failAfter >= 0 && next_ == static_cast<std::size_t>(list_.failAfter))
                return Step::kFailed;
            if (next_ == list_.members.size())
                return Step::kEnd;
            member = list_.members[next_++];
            return Step::kMember;
        }

    private:
        const List& list_;
        std::size_t next_ = 0;
    };
};
