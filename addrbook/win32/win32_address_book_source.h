// The address-book sources on Win32: MAPI32.DLL's messaging address book or
// a Windows Address Book, both loaded at run time and both ending up as one
// open IAddrBook, and the platform's own address dialog to pick from it.
#pragma once

#include <windows.h>

#include <string>

#include "addrbook/address_book_source.h"
#include "addrbook/win32/address_book_state.h"
#include "addrbook/win32/mapi_address_book.h"
#include "addrbook/win32/session_memory.h"
#include "ui/session_context.h"

class Win32AddressBookSource : public AddressBookSource {
public:
    // The context's host window owns the logon prompt, the address dialog
    // and the messages.
    explicit Win32AddressBookSource(const SessionContext& context) : context_(context) {}
    // Closes whatever is still open, in the order of the close operations.
    ~Win32AddressBookSource() override;
    Win32AddressBookSource(const Win32AddressBookSource&) = delete;
    Win32AddressBookSource& operator=(const Win32AddressBookSource&) = delete;

    // Looks for the WAB library the registry names (the default one when it
    // names none) and keeps it for OpenWab; false when it cannot be loaded,
    // and then no WAB is offered.
    bool FindWabLibrary();
    bool StartMapiSession() override;
    void EndMapiSession() override;
    bool OpenWab(const std::string& fileName) override;
    void CloseWab() override;
    bool ShowAddressDialog(std::vector<AddressEntryRef>& picked) override;
    AddressBook& Book() override { return book_; }
    std::unique_ptr<ProgressNotice> ShowProgressNotice() override;

private:
    ULONG_PTR UiParam() const { return reinterpret_cast<ULONG_PTR>(context_.hostWindow); }

    const SessionContext& context_;
    std::string wabLibrary_; // found by FindWabLibrary; empty: the default one
    AddressBookState state_;
    SessionMemory memory_{state_};
    MapiAddressBook book_{state_, memory_};
};
