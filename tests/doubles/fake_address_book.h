// An IAddrBook over a BookData, shared by the MAPI32.DLL and WAB doubles:
// the address dialog returns the pre-arranged pick without showing anything,
// persons answer GetProps, lists have a contents table, and every buffer
// handed out comes from this library's BlockAllocator.
#pragma once

#include <memory>
#include <string>

#include "book_data.h"
#include "mapi_interfaces.h"

namespace doubles {

IAddrBook* NewAddressBook(std::shared_ptr<const BookData> book);

// How the program's address dialog call looked, one line for the log.
std::string DescribeAddress(const ULONG_PTR* uiParam, const ADRPARM* parameters, const ADRLIST* const* list);

// A modal window owned by owner disables it while it shows and enables it
// again when it closes; the doubles do the same, only without a window.
void RunModalUiOwnedBy(ULONG_PTR owner);

} // namespace doubles
