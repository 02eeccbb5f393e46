// What an open address book holds between its open and close operations:
// the loaded library, the WAB object or MAPI session, and the IAddrBook both
// end up with. Declared so that members go in reverse: objects are released
// before the libraries that implement them are unloaded.
#pragma once

#include "addrbook/win32/com_owner.h"
#include "addrbook/win32/mapi_headers.h"
#include "framework/handles.h"

struct AddressBookState {
    UniqueModule mapiLibrary;
    // MAPIInitialize succeeded: MAPIUninitialize is owed before the library goes.
    bool mapiInitialized = false;
    UniqueModule wabLibrary;
    // While set, every buffer is allocated and freed by the WAB object.
    UniqueCom<IWABObject> wabObject;
    UniqueCom<IMAPISession> mapiSession;
    UniqueCom<IAddrBook> addressBook;
};
