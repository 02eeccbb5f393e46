// The memory services of the open address book. Buffers the address book
// hands out belong to its allocator: the WAB object's while a WAB is open,
// MAPI's otherwise. Freeing through the wrong one corrupts the other heap.
#pragma once

#include <memory>

#include "addrbook/win32/address_book_state.h"

class SessionMemory {
public:
    explicit SessionMemory(const AddressBookState& state) : state_(state) {}

    // Null is ignored.
    void FreeSessionBuffer(void* block) const;
    // Every entry's property values, then the list itself; null is ignored.
    void FreeAddressList(ADRLIST* list) const;
    void FreeAddressList(SRowSet* rows) const;

private:
    const AddressBookState& state_;
};

// Owners of blocks and lists the address book handed out.
struct SessionBufferFreer {
    const SessionMemory* memory;
    void operator()(void* block) const { memory->FreeSessionBuffer(block); }
};
struct AddressListFreer {
    const SessionMemory* memory;
    void operator()(ADRLIST* list) const { memory->FreeAddressList(list); }
    void operator()(SRowSet* rows) const { memory->FreeAddressList(rows); }
};

template <class Block>
using SessionBuffer = std::unique_ptr<Block, SessionBufferFreer>;
using OwnedAddressList = std::unique_ptr<ADRLIST, AddressListFreer>;
using OwnedRowSet = std::unique_ptr<SRowSet, AddressListFreer>;
