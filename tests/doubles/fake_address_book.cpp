#include "fake_address_book.h"

#include <cstring>
#include <utility>

#include "block_allocator.h"
#include "call_log.h"
#include "framework/handles.h"

namespace doubles {

long& LiveObjects()
{
    static long live = 0;
    return live;
}

namespace {

// A value the address book cannot supply: the tag with the error type.
void SetMissing(ULONG tag, SPropValue& value)
{
    value.ulPropTag = CHANGE_PROP_TYPE(tag, PT_ERROR);
    value.Value.err = MAPI_E_NOT_FOUND;
}

// The text hangs on parent, so it goes when parent is freed.
bool SetText(ULONG tag, const Text& text, void* parent, SPropValue& value)
{
    if (!text.present || PROP_TYPE(tag) != PT_STRING8) {
        SetMissing(tag, value);
        return false;
    }
    void* copy = nullptr;
    if (FAILED(Allocator().AllocateMore(static_cast<ULONG>(text.value.size() + 1), parent, &copy))) {
        SetMissing(tag, value);
        return false;
    }
    std::memcpy(copy, text.value.c_str(), text.value.size() + 1);
    value.ulPropTag = tag;
    value.Value.lpszA = static_cast<LPSTR>(copy);
    return true;
}

// One property of a member row or a picked entry.
bool SetMemberValue(ULONG tag, const Member& member, void* parent, SPropValue& value)
{
    if (tag == PR_DISPLAY_NAME_A)
        return SetText(tag, member.name, parent, value);
    if (tag == PR_OBJECT_TYPE && member.hasType) {
        value.ulPropTag = tag;
        value.Value.l = member.type;
        return true;
    }
    if (tag == PR_ENTRYID && member.hasId) {
        const std::string bytes = EntryIdBytes(member.id);
        void* copy = nullptr;
        if (FAILED(Allocator().AllocateMore(static_cast<ULONG>(bytes.size()), parent, &copy))) {
            SetMissing(tag, value);
            return false;
        }
        std::memcpy(copy, bytes.data(), bytes.size());
        value.ulPropTag = tag;
        value.Value.bin.cb = static_cast<ULONG>(bytes.size());
        value.Value.bin.lpb = static_cast<LPBYTE>(copy);
        return true;
    }
    SetMissing(tag, value);
    return false;
}

// A property value array for member with these tags, in one block.
SPropValue* MemberValues(const Member& member, const ULONG* tags, ULONG count)
{
    void* block = nullptr;
    if (FAILED(Allocator().Allocate(static_cast<ULONG>(sizeof(SPropValue) * (count == 0 ? 1 : count)), &block)))
        return nullptr;
    auto* values = static_cast<SPropValue*>(block);
    for (ULONG i = 0; i < count; ++i)
        SetMemberValue(tags[i], member, block, values[i]);
    return values;
}

// The "pause" switch: the first person read in this process tells the test
// through its event <name>-reading that the walk is under way, then waits
// until the test sets <name>-go, so that the test acts at a known point of
// the walk instead of guessing it from the time.
void PauseOnFirstRead(const std::string& name)
{
    constexpr DWORD kLongestPauseMs = 60000;
    static bool paused = false;
    if (name.empty() || paused)
        return;
    paused = true;
    const UniqueHandle reading(OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "-reading").c_str()));
    const UniqueHandle go(OpenEventA(SYNCHRONIZE, FALSE, (name + "-go").c_str()));
    if (reading && go && SetEvent(reading.get()))
        WaitForSingleObject(go.get(), kLongestPauseMs);
}

class FakePerson : public RefCounted<MailUserBase> {
public:
    FakePerson(const Person& person, std::string pauseEvent) : person_(person), pauseEvent_(std::move(pauseEvent)) {}

    HRESULT STDMETHODCALLTYPE GetProps(LPSPropTagArray tags, ULONG flags, ULONG* count, LPSPropValue* values) override
    {
        // Asking for all properties (no tag array) or in Unicode is not what
        // the program does; refuse it so that a test notices.
        if (tags == nullptr || count == nullptr || values == nullptr || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        PauseOnFirstRead(pauseEvent_);
        void* block = nullptr;
        const ULONG wanted = tags->cValues;
        if (FAILED(Allocator().Allocate(static_cast<ULONG>(sizeof(SPropValue) * (wanted == 0 ? 1 : wanted)), &block)))
            return MAPI_E_NOT_ENOUGH_MEMORY;
        auto* array = static_cast<SPropValue*>(block);
        bool allThere = true;
        for (ULONG i = 0; i < wanted; ++i)
            allThere = SetText(tags->aulPropTag[i], TextFor(tags->aulPropTag[i]), block, array[i]) && allThere;
        *count = wanted;
        *values = array;
        return allThere ? S_OK : MAPI_W_ERRORS_RETURNED;
    }

private:
    Text TextFor(ULONG tag) const
    {
        switch (PROP_ID(tag)) {
        case PROP_ID(PR_DISPLAY_NAME_A):
            return person_.name;
        case PROP_ID(PR_PRIMARY_FAX_NUMBER_A):
            return person_.fax[0];
        case PROP_ID(PR_BUSINESS_FAX_NUMBER_A):
            return person_.fax[1];
        case PROP_ID(PR_HOME_FAX_NUMBER_A):
            return person_.fax[2];
        default:
            return Text();
        }
    }

    Person person_;
    std::string pauseEvent_;
};

class FakeTable : public RefCounted<TableBase> {
public:
    FakeTable(std::shared_ptr<const BookData> book, std::vector<std::string> members)
        : book_(std::move(book)), members_(std::move(members))
    {
    }

    HRESULT STDMETHODCALLTYPE SetColumns(LPSPropTagArray tags, ULONG flags) override
    {
        if (tags == nullptr || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        columns_.assign(tags->aulPropTag, tags->aulPropTag + tags->cValues);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SeekRow(BOOKMARK origin, LONG rows, LONG* sought) override
    {
        if (origin != BOOKMARK_BEGINNING)
            return MAPI_E_NO_SUPPORT;
        next_ = rows < 0 ? 0 : static_cast<std::size_t>(rows);
        if (next_ > members_.size())
            next_ = members_.size();
        if (sought != nullptr)
            *sought = static_cast<LONG>(next_);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryRows(LONG wanted, ULONG flags, LPSRowSet* rows) override
    {
        if (rows == nullptr || wanted <= 0 || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        std::size_t count = members_.size() - next_;
        if (count > static_cast<std::size_t>(wanted))
            count = static_cast<std::size_t>(wanted);
        void* block = nullptr;
        if (FAILED(Allocator().Allocate(static_cast<ULONG>(CbNewSRowSet(count == 0 ? 1 : count)), &block)))
            return MAPI_E_NOT_ENOUGH_MEMORY;
        auto* set = static_cast<SRowSet*>(block);
        set->cRows = static_cast<ULONG>(count);
        for (std::size_t i = 0; i < count; ++i) {
            const Member member = book_->Resolve(members_[next_ + i]);
            set->aRow[i].cValues = static_cast<ULONG>(columns_.size());
            set->aRow[i].lpProps = MemberValues(member, columns_.data(), static_cast<ULONG>(columns_.size()));
        }
        next_ += count;
        *rows = set;
        return S_OK;
    }

private:
    std::shared_ptr<const BookData> book_;
    std::vector<std::string> members_;
    // Until SetColumns, rows carry the name alone.
    std::vector<ULONG> columns_{PR_DISPLAY_NAME_A};
    std::size_t next_ = 0;
};

class FakeDistList : public RefCounted<DistListBase> {
public:
    FakeDistList(std::shared_ptr<const BookData> book, const DistList& list) : book_(std::move(book)), list_(list) {}

    HRESULT STDMETHODCALLTYPE GetContentsTable(ULONG flags, LPMAPITABLE* table) override
    {
        if (table == nullptr || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        *table = new FakeTable(book_, list_.members);
        return S_OK;
    }

private:
    std::shared_ptr<const BookData> book_;
    DistList list_;
};

class FakeAddrBook : public RefCounted<AddrBookBase> {
public:
    explicit FakeAddrBook(std::shared_ptr<const BookData> book) : book_(std::move(book)) {}

    HRESULT STDMETHODCALLTYPE OpenEntry(ULONG size, LPENTRYID entryId, LPCIID iid, ULONG flags, ULONG* objectType,
                                        LPUNKNOWN* object) override
    {
        if (object == nullptr || objectType == nullptr || iid != nullptr || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        *object = nullptr;
        std::string id;
        if (!IdFromEntryId(reinterpret_cast<const unsigned char*>(entryId), size, id))
            return MAPI_E_INVALID_ENTRYID;
        auto person = book_->persons.find(id);
        if (person != book_->persons.end()) {
            *objectType = MAPI_MAILUSER;
            *object = static_cast<IMailUser*>(new FakePerson(person->second, book_->Switch("pause", "")));
            return S_OK;
        }
        auto list = book_->lists.find(id);
        if (list != book_->lists.end()) {
            *objectType = MAPI_DISTLIST;
            *object = static_cast<IDistList*>(new FakeDistList(book_, list->second));
            return S_OK;
        }
        return MAPI_E_NOT_FOUND;
    }

    HRESULT STDMETHODCALLTYPE CompareEntryIDs(ULONG size1, LPENTRYID id1, ULONG size2, LPENTRYID id2, ULONG flags,
                                              ULONG* result) override
    {
        if (result == nullptr || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        std::string first;
        std::string second;
        if (!IdFromEntryId(reinterpret_cast<const unsigned char*>(id1), size1, first) ||
            !IdFromEntryId(reinterpret_cast<const unsigned char*>(id2), size2, second))
            return MAPI_E_UNKNOWN_ENTRYID;
        *result = first == second ? TRUE : FALSE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Address(ULONG_PTR* uiParam, LPADRPARM parameters, LPADRLIST* list) override
    {
        Log(DescribeAddress(uiParam, parameters, list));
        if (uiParam == nullptr || parameters == nullptr || list == nullptr)
            return MAPI_E_INVALID_PARAMETER;
        if (parameters->ulFlags & DIALOG_MODAL)
            RunModalUiOwnedBy(*uiParam);
        const std::string outcome = book_->Switch("Address");
        if (outcome == "crash") {
            // An address book that faults inside the program's process.
            *static_cast<volatile int*>(nullptr) = 0;
        }
        if (outcome == "cancel")
            return MAPI_E_USER_CANCEL;
        if (book_->hasPick)
            *list = NewPickList();
        return outcome == "fail" ? MAPI_E_CALL_FAILED : S_OK;
    }

private:
    ADRLIST* NewPickList() const
    {
        static const ULONG tags[] = {PR_DISPLAY_NAME_A, PR_ENTRYID, PR_OBJECT_TYPE};
        const std::size_t count = book_->pick.size();
        void* block = nullptr;
        if (FAILED(Allocator().Allocate(static_cast<ULONG>(CbNewADRLIST(count == 0 ? 1 : count)), &block)))
            return nullptr;
        auto* list = static_cast<ADRLIST*>(block);
        list->cEntries = static_cast<ULONG>(count);
        for (std::size_t i = 0; i < count; ++i) {
            list->aEntries[i].cValues = 3;
            list->aEntries[i].rgPropVals = MemberValues(book_->Resolve(book_->pick[i]), tags, 3);
        }
        return list;
    }

    std::shared_ptr<const BookData> book_;
};

} // namespace

IAddrBook* NewAddressBook(std::shared_ptr<const BookData> book)
{
    return new FakeAddrBook(std::move(book));
}

std::string DescribeAddress(const ULONG_PTR* uiParam, const ADRPARM* parameters, const ADRLIST* const* list)
{
    std::string line = "Address ui=" + (uiParam == nullptr ? std::string("null") : WindowValue(*uiParam));
    if (parameters == nullptr)
        return line + " parameters=null";
    const ADRPARM& p = *parameters;
    line += " container=" + std::to_string(p.cbABContEntryID) + (p.lpABContEntryID ? "/set" : "/null");
    line += " flags=" + std::to_string(p.ulFlags);
    line += " reserved=" + std::string(p.lpReserved ? "set" : "null");
    line += " help=" + std::to_string(p.ulHelpContext) + "/" + QuotedOrNull(p.lpszHelpFileName);
    line += " callbacks=" + std::string(p.lpfnABSDI || p.lpfnDismiss || p.lpvDismissContext ? "set" : "null");
    line += " caption=" + QuotedOrNull(p.lpszCaption);
    line += " newEntry=" + QuotedOrNull(p.lpszNewEntryTitle);
    line += " wells=" + QuotedOrNull(p.lpszDestWellsTitle);
    line += " fields=" + std::to_string(p.cDestFields) + " focus=" + std::to_string(p.nDestFieldFocus);
    for (ULONG i = 0; i < p.cDestFields; ++i) {
        line += " title=" + QuotedOrNull(p.lppszDestTitles ? p.lppszDestTitles[i] : nullptr);
        line += " type=" + (p.lpulDestComps ? std::to_string(p.lpulDestComps[i]) : std::string("null"));
    }
    line += " restrictions=" + std::string(p.lpContRestriction || p.lpHierRestriction ? "set" : "null");
    line += " list=" + std::string(list == nullptr ? "none" : *list == nullptr ? "null" : "set");
    return line;
}

void RunModalUiOwnedBy(ULONG_PTR owner)
{
    HWND window = reinterpret_cast<HWND>(owner);
    if (window == nullptr || !IsWindow(window))
        return;
    EnableWindow(window, FALSE);
    EnableWindow(window, TRUE);
}

} // namespace doubles
