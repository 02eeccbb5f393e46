// A MAPI32.DLL for the tests, loaded from the program's folder instead of
// Wine's own when the mapi32 override says native. The logon opens a session
// whose address book is read from the file named by FAXIMPORT_TEST_BOOK; the
// book's "MAPIInitialize", "logon" and "OpenAddressBook" switches make those
// calls fail or warn.
#include "block_allocator.h"
#include "book_data.h"
#include "call_log.h"
#include "fake_address_book.h"
#include "mapi_interfaces.h"

namespace doubles {
namespace {

bool initialized = false;

class FakeSession : public RefCounted<SessionBase> {
public:
    explicit FakeSession(std::shared_ptr<const BookData> book) : book_(std::move(book)) {}
    ~FakeSession() override { Log("session released"); }

    HRESULT STDMETHODCALLTYPE OpenAddressBook(ULONG_PTR uiParam, LPCIID iid, ULONG flags, LPADRBOOK* book) override
    {
        Log("OpenAddressBook ui=" + WindowValue(uiParam) + " iid=" + (iid ? "set" : "null") +
            " flags=" + std::to_string(flags));
        if (book == nullptr)
            return MAPI_E_INVALID_PARAMETER;
        *book = nullptr;
        const std::string outcome = book_->Switch("OpenAddressBook");
        if (outcome == "fail")
            return MAPI_E_NO_ACCESS;
        *book = NewAddressBook(book_);
        return outcome == "warning" ? MAPI_W_ERRORS_RETURNED : S_OK;
    }

    HRESULT STDMETHODCALLTYPE Logoff(ULONG_PTR uiParam, ULONG flags, ULONG reserved) override
    {
        Log("Logoff ui=" + WindowValue(uiParam) + " flags=" + std::to_string(flags) +
            " reserved=" + std::to_string(reserved));
        return S_OK;
    }

private:
    std::shared_ptr<const BookData> book_;
};

std::string Hex(ULONG value)
{
    char text[16];
    wsprintfA(text, "0x%lX", value);
    return text;
}

} // namespace
} // namespace doubles

using namespace doubles;

extern "C" {

HRESULT WINAPI MAPIInitialize(LPVOID init)
{
    Log(std::string("MAPIInitialize init=") + (init ? "set" : "null"));
    if (LoadBook(TestBookPath()).Switch("MAPIInitialize") == "fail")
        return MAPI_E_CALL_FAILED;
    initialized = true;
    return S_OK;
}

void WINAPI MAPIUninitialize()
{
    Log(std::string(initialized ? "" : "not initialized: ") + "MAPIUninitialize: objects left " +
        std::to_string(LiveObjects()) + ", buffers left " + std::to_string(Allocator().Outstanding()) + ", bad frees " +
        std::to_string(Allocator().BadFrees()));
    initialized = false;
}

HRESULT WINAPI MAPILogonEx(ULONG_PTR uiParam, LPSTR profile, LPSTR password, ULONG flags, LPMAPISESSION* session)
{
    Log("MAPILogonEx ui=" + WindowValue(uiParam) + " profile=" + QuotedOrNull(profile) +
        " password=" + QuotedOrNull(password) + " flags=" + Hex(flags));
    if (session == nullptr)
        return MAPI_E_INVALID_PARAMETER;
    *session = nullptr;
    if (!initialized)
        return MAPI_E_NOT_INITIALIZED;
    auto book = std::make_shared<const BookData>(LoadBook(TestBookPath()));
    if (flags & MAPI_LOGON_UI)
        RunModalUiOwnedBy(uiParam);
    if (book->Switch("logon") == "fail")
        return MAPI_E_LOGON_FAILED;
    *session = new FakeSession(book);
    return S_OK;
}

SCODE WINAPI MAPIAllocateBuffer(ULONG size, LPVOID* block)
{
    return Allocator().Allocate(size, block);
}

ULONG WINAPI MAPIFreeBuffer(LPVOID block)
{
    Allocator().Free(block);
    return 0;
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    LogLoading("MAPI32", reason, reserved);
    return TRUE;
}
