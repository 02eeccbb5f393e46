// The recipient walk's address book over the open IAddrBook, MAPI's or the
// WAB's alike: persons read through GetProps, lists walked through their
// contents table one row at a time, identifiers compared by the address book.
#pragma once

#include "addrbook/address_book.h"
#include "addrbook/win32/address_book_state.h"
#include "addrbook/win32/session_memory.h"

class MapiAddressBook : public AddressBook {
public:
    MapiAddressBook(const AddressBookState& state, const SessionMemory& memory) : state_(state), memory_(memory) {}

    bool ReadPerson(const EntryId& id, PersonFaxProperties& values) override;
    std::unique_ptr<MemberCursor> OpenList(const EntryId& id, int& openedAs) override;
    Comparison Compare(const EntryId& remembered, const EntryId& member) override;

private:
    // The object the identifier names, with the type it opened as; null
    // (and type 0) when it cannot be opened.
    UniqueCom<IUnknown> OpenEntry(const EntryId& id, ULONG& objectType) const;

    const AddressBookState& state_;
    const SessionMemory& memory_;
};
