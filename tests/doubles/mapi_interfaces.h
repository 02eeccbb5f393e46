// The MAPI and WAB declarations the doubles implement, and for each
// interface a base whose every method answers MAPI_E_NO_SUPPORT, so that a
// double spells out only the calls the program makes. The IUnknown methods
// are left to RefCounted.
#pragma once

#include <windows.h>

#include <mapitags.h>
#include <mapix.h>
#include <wabapi.h>

namespace doubles {

// The interface method lists expand to full definitions here; their
// parameters go unused on purpose.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define DOUBLES_NOT_SUPPORTED                                                                                          \
    override                                                                                                           \
    {                                                                                                                  \
        return MAPI_E_NO_SUPPORT;                                                                                      \
    }

struct AddrBookBase : IAddrBook {
    MAPI_IMAPIPROP_METHODS(DOUBLES_NOT_SUPPORTED)
    MAPI_IADDRBOOK_METHODS(DOUBLES_NOT_SUPPORTED)
};

struct MailUserBase : IMailUser {
    MAPI_IMAPIPROP_METHODS(DOUBLES_NOT_SUPPORTED)
};

struct DistListBase : IDistList {
    MAPI_IMAPIPROP_METHODS(DOUBLES_NOT_SUPPORTED)
    MAPI_IMAPICONTAINER_METHODS(DOUBLES_NOT_SUPPORTED)
    MAPI_IDISTLIST_METHODS(DOUBLES_NOT_SUPPORTED)
};

struct TableBase : IMAPITable {
    MAPI_IMAPITABLE_METHODS(DOUBLES_NOT_SUPPORTED)
};

struct SessionBase : IMAPISession {
    MAPI_IMAPISESSION_METHODS(DOUBLES_NOT_SUPPORTED)
};

struct WabObjectBase : IWABObject {
    WAB_IWABOBJECT_METHODS(DOUBLES_NOT_SUPPORTED)
};

#undef DOUBLES_NOT_SUPPORTED
#pragma GCC diagnostic pop

// Objects still alive in this library.
long& LiveObjects();

// Reference counting for one object; counted in LiveObjects while it lives.
template <class Interface>
class RefCounted : public Interface {
public:
    RefCounted() { ++LiveObjects(); }
    virtual ~RefCounted() { --LiveObjects(); }
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, LPVOID* object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (!IsEqualGUID(iid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

private:
    ULONG references_ = 1;
};

} // namespace doubles
