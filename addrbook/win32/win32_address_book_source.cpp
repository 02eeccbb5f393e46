// Opening and closing the two address books, and the address dialog. Each
// close operation releases only what is present, so it is safe after an open
// that failed half-way; the session always pairs them.
#include "addrbook/win32/win32_address_book_source.h"

#include <string>
#include <vector>

#include "addrbook/win32/address_book_probes.h"
#include "addrbook/win32/entry_point.h"
#include "addrbook/win32/outlook_bitness.h"
#include "addrbook/win32/property_values.h"
#include "addrbook/win32/wab_param_size.h"
#include "framework/library_loading.h"
#include "framework/message_box.h"
#include "ui/progress_dlg.h"

namespace {

constexpr char kMapiLibrary[] = "MAPI32.DLL";
constexpr char kMapiMissingText[] = "A required .DLL file, MAPI32.DLL, was not found.";
constexpr char kMapiErrorCaption[] = "Start MAPI Subsystem Error";

} // namespace

Win32AddressBookSource::~Win32AddressBookSource()
{
    EndMapiSession();
    CloseWab();
}

bool Win32AddressBookSource::StartMapiSession()
{
    // Outlook's MAPI of the other bitness cannot load into this process: the
    // user learns which faximport to use instead of seeing the logon fail.
    if (ReportOutlookBitnessMismatch(context_.hostWindow, kMapiErrorCaption)) {
        context_.KeepHostDisabled();
        return false;
    }
    state_.mapiLibrary = LoadLibraryOutsideCurrentFolder(kMapiLibrary);
    if (!state_.mapiLibrary) {
        ShowMessageBox(context_.hostWindow, kMapiMissingText, kMapiErrorCaption, MB_OK | MB_ICONERROR);
        context_.KeepHostDisabled();
        return false;
    }
    // MAPI is used, and later uninitialised, only once it initialised.
    auto initialize = EntryPoint<MAPIINITIALIZE>(state_.mapiLibrary.get(), "MAPIInitialize");
    if (initialize == nullptr || FAILED(initialize(nullptr)))
        return false;
    state_.mapiInitialized = true;

    auto logon = EntryPoint<MAPILOGONEX>(state_.mapiLibrary.get(), "MAPILogonEx");
    if (logon == nullptr)
        return false;
    LPMAPISESSION session = nullptr;
    const HRESULT loggedOn = logon(UiParam(), nullptr, nullptr, MAPI_LOGON_UI | MAPI_EXTENDED | MAPI_NO_MAIL, &session);
    context_.KeepHostDisabled();
    state_.mapiSession.reset(session);
    if (FAILED(loggedOn) || !state_.mapiSession)
        return false;

    LPADRBOOK book = nullptr;
    const HRESULT opened = state_.mapiSession->OpenAddressBook(UiParam(), nullptr, 0, &book);
    context_.KeepHostDisabled();
    state_.addressBook.reset(book);
    // A warning still gives a usable address book.
    return SUCCEEDED(opened) && state_.addressBook;
}

void Win32AddressBookSource::EndMapiSession()
{
    state_.addressBook.reset();
    if (state_.mapiSession) {
        state_.mapiSession->Logoff(UiParam(), LOGOFF_ORDERLY, 0);
        state_.mapiSession.reset();
    }
    if (state_.mapiInitialized) {
        if (auto uninitialize = EntryPoint<MAPIUNINITIALIZE>(state_.mapiLibrary.get(), "MAPIUninitialize"))
            uninitialize();
        state_.mapiInitialized = false;
    }
    state_.mapiLibrary.reset();
}

bool Win32AddressBookSource::FindWabLibrary()
{
    wabLibrary_ = LoadableWabLibrary();
    return !wabLibrary_.empty();
}

bool Win32AddressBookSource::OpenWab(const std::string& fileName)
{
    const char* library = wabLibrary_.empty() ? kDefaultWabLibrary : wabLibrary_.c_str();
    state_.wabLibrary = LoadLibraryOutsideCurrentFolder(library);
    if (!state_.wabLibrary)
        return false;
    auto open = EntryPoint<WABOPEN>(state_.wabLibrary.get(), "WABOpen");
    if (open == nullptr)
        return false;

    // The default WAB file is asked for with an empty name, not a null one.
    std::vector<char> name(fileName.begin(), fileName.end());
    name.push_back('\0');
    WAB_PARAM param = {};
    param.cbSize = kFourFieldWabParamSize;
    param.hwnd = nullptr;
    param.szFileName = name.data();
    param.ulFlags = 0;

    LPADRBOOK book = nullptr;
    LPWABOBJECT object = nullptr;
    const HRESULT opened = open(&book, &object, &param, 0);
    // Kept whatever the result, so that CloseWab releases it.
    state_.addressBook.reset(book);
    state_.wabObject.reset(object);
    // A warning is not good enough here: only a complete open is used.
    return opened == S_OK && state_.addressBook;
}

void Win32AddressBookSource::CloseWab()
{
    state_.addressBook.reset();
    state_.wabObject.reset();
    state_.wabLibrary.reset();
}

bool Win32AddressBookSource::ShowAddressDialog(std::vector<AddressEntryRef>& picked)
{
    picked.clear();
    if (!state_.addressBook)
        return false;

    // ADRPARM takes its texts by non-const pointer.
    char caption[] = "Address Book";
    char newEntryTitle[] = "Used for message only, not for fax import";
    char wellsTitle[] = "Selected Recipients";
    char toTitle[] = "To";
    LPSTR destTitles[] = {toTitle};
    ULONG destComps[] = {MAPI_TO};

    ADRPARM parameters = {};
    parameters.cbABContEntryID = 0;
    parameters.lpABContEntryID = nullptr;
    parameters.ulFlags = DIALOG_MODAL;
    parameters.lpReserved = nullptr;
    parameters.ulHelpContext = 0;
    parameters.lpszHelpFileName = nullptr;
    parameters.lpfnABSDI = nullptr;
    parameters.lpfnDismiss = nullptr;
    parameters.lpvDismissContext = nullptr;
    parameters.lpszCaption = caption;
    parameters.lpszNewEntryTitle = newEntryTitle;
    parameters.lpszDestWellsTitle = wellsTitle;
    parameters.cDestFields = 1;
    parameters.nDestFieldFocus = 0;
    parameters.lppszDestTitles = destTitles;
    parameters.lpulDestComps = destComps;
    parameters.lpContRestriction = nullptr;
    parameters.lpHierRestriction = nullptr;

    // The dialog gets the host as its owner. A copy: a modeless dialog would
    // write its own window into it, and the host handle must stay as it is.
    ULONG_PTR uiParam = UiParam();
    LPADRLIST received = nullptr;
    const HRESULT addressed = state_.addressBook->Address(&uiParam, &parameters, &received);
    context_.KeepHostDisabled();
    const OwnedAddressList list(received, AddressListFreer{&memory_});
    // Cancel included; a list that came back anyway is freed all the same.
    if (FAILED(addressed))
        return false;
    if (list) {
        for (ULONG i = 0; i < list->cEntries; ++i)
            picked.push_back(EntryRefFromValues(list->aEntries[i].rgPropVals, list->aEntries[i].cValues));
    }
    return true;
}

std::unique_ptr<ProgressNotice> Win32AddressBookSource::ShowProgressNotice()
{
    return std::make_unique<CStoppableProgressNotice>(CProgressDlg::Work::kAddressBookWalk, context_.help,
                                                      kHelpAddressBooks);
}
