// The address-book sources as the session drives them: open MAPI or a WAB,
// let the user pick in the platform's address dialog, then close again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "addrbook/address_book.h"
#include "core/progress_notice.h"

class AddressBookSource {
public:
    virtual ~AddressBookSource() = default;
    // True when the messaging address book is open; shows its own message when
    // the MAPI library is missing.
    virtual bool StartMapiSession() = 0;
    virtual void EndMapiSession() = 0;
    // True when the WAB at fileName ("" for the default one) is open.
    virtual bool OpenWab(const std::string& fileName) = 0;
    virtual void CloseWab() = 0;
    // Runs the address dialog; false after a failure or Cancel. The picked
    // entries come back as copies, the platform's list already freed.
    virtual bool ShowAddressDialog(std::vector<AddressEntryRef>& picked) = 0;
    // The open address book.
    virtual AddressBook& Book() = 0;
    virtual std::unique_ptr<ProgressNotice> ShowProgressNotice() = 0;
};
