// A WAB library for the tests: WABOpen hands out an address book read from
// the WAB file named in WAB_PARAM or, for the default WAB file (an empty
// name), from the file named by FAXIMPORT_TEST_BOOK; its WAB object
// allocates and frees the buffers. The "WABOpen" switch of the book makes it
// answer with a warning or fail.

#include "block_allocator.h"
#include "book_data.h"
#include "call_log.h"
#include "fake_address_book.h"
#include "mapi_interfaces.h"

namespace doubles {
namespace {

class FakeWabObject : public RefCounted<WabObjectBase> {
public:
    ~FakeWabObject() override
    {
        // The address book is released first; by now nothing else may live.
        Log("WAB object released: objects left " + std::to_string(LiveObjects() - 1) + ", buffers left " +
            std::to_string(Allocator().Outstanding()) + ", bad frees " + std::to_string(Allocator().BadFrees()));
    }

    HRESULT STDMETHODCALLTYPE AllocateBuffer(ULONG size, LPVOID* block) override
    {
        return Allocator().Allocate(size, block);
    }
    HRESULT STDMETHODCALLTYPE AllocateMore(ULONG size, LPVOID parent, LPVOID* block) override
    {
        return Allocator().AllocateMore(size, parent, block);
    }
    HRESULT STDMETHODCALLTYPE FreeBuffer(LPVOID block) override
    {
        Allocator().Free(block);
        return S_OK;
    }
};

} // namespace
} // namespace doubles

using namespace doubles;

extern "C" HRESULT WINAPI WABOpen(LPADRBOOK* book, LPWABOBJECT* object, LPWAB_PARAM param, DWORD reserved)
{
    std::string line = "WABOpen";
    if (param == nullptr) {
        line += " param=null";
    } else {
        line += " cbSize=" + std::to_string(param->cbSize) +
                " hwnd=" + WindowValue(reinterpret_cast<ULONG_PTR>(param->hwnd)) +
                " file=" + QuotedOrNull(param->szFileName) + " flags=" + std::to_string(param->ulFlags);
    }
    line += " reserved=" + std::to_string(reserved);
    Log(line);
    if (book == nullptr || object == nullptr)
        return MAPI_E_INVALID_PARAMETER;
    *book = nullptr;
    *object = nullptr;

    const bool namedFile = param != nullptr && param->szFileName != nullptr && *param->szFileName != '\0';
    auto data = std::make_shared<const BookData>(LoadBook(namedFile ? param->szFileName : TestBookPath()));
    const std::string outcome = data->Switch("WABOpen");
    if (outcome == "fail")
        return MAPI_E_NOT_FOUND;
    *book = NewAddressBook(data);
    *object = new FakeWabObject;
    return outcome == "warning" ? MAPI_W_ERRORS_RETURNED : S_OK;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    LogLoading("WAB library", reason, reserved);
    return TRUE;
}
