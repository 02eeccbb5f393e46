// IAddrBook calls behind the recipient walk. Every object opened here is
// released, and every value array or row set freed through the session's
// allocator, before the call that obtained it returns.
#include "addrbook/win32/mapi_address_book.h"

#include "addrbook/win32/property_values.h"

namespace {

// The address book takes identifiers by non-const pointer but only reads them.
LPENTRYID EntryIdArgument(const EntryId& id)
{
    return reinterpret_cast<LPENTRYID>(const_cast<std::uint8_t*>(id.data()));
}

ULONG EntryIdSize(const EntryId& id)
{
    return static_cast<ULONG>(id.size());
}

// A list's members, one QueryRows call per member.
class TableCursor : public MemberCursor {
public:
    TableCursor(UniqueCom<IMAPIContainer> list, UniqueCom<IMAPITable> table, const SessionMemory& memory)
        : list_(std::move(list)), table_(std::move(table)), memory_(memory)
    {
    }

    Step Next(AddressEntryRef& member) override
    {
        LPSRowSet received = nullptr;
        const HRESULT queried = table_->QueryRows(1, 0, &received);
        const OwnedRowSet rows(received, AddressListFreer{&memory_});
        if (FAILED(queried))
            return Step::kFailed;
        if (!rows || rows->cRows == 0)
            return Step::kEnd;
        member = EntryRefFromValues(rows->aRow[0].lpProps, rows->aRow[0].cValues);
        return Step::kMember;
    }

private:
    // Released in reverse: the table before the list it belongs to.
    UniqueCom<IMAPIContainer> list_;
    UniqueCom<IMAPITable> table_;
    const SessionMemory& memory_;
};

} // namespace

UniqueCom<IUnknown> MapiAddressBook::OpenEntry(const EntryId& id, ULONG& objectType) const
{
    objectType = 0;
    if (!state_.addressBook)
        return nullptr;
    LPUNKNOWN received = nullptr;
    const HRESULT opened =
        state_.addressBook->OpenEntry(EntryIdSize(id), EntryIdArgument(id), nullptr, 0, &objectType, &received);
    UniqueCom<IUnknown> object(received);
    if (FAILED(opened) || !object) {
        objectType = 0;
        return nullptr;
    }
    return object;
}

bool MapiAddressBook::ReadPerson(const EntryId& id, PersonFaxProperties& values)
{
    // Opened without an interface, an entry comes as its own interface: for
    // a person one that derives from IMAPIProp. Anything else is not read as
    // a person, whatever its properties said.
    ULONG objectType = 0;
    UniqueCom<IUnknown> object = OpenEntry(id, objectType);
    if (!object || objectType != MAPI_MAILUSER)
        return false;
    UniqueCom<IMAPIProp> person(static_cast<IMAPIProp*>(object.release()));
    ULONG count = 0;
    LPSPropValue received = nullptr;
    const HRESULT read = person->GetProps(FaxPropertyTags(), 0, &count, &received);
    person.reset();
    const SessionBuffer<SPropValue> properties(received, SessionBufferFreer{&memory_});
    // A warning means some values are missing; those come with the error type.
    if (FAILED(read) || !properties)
        return false;
    values = FaxPropertiesFromValues(properties.get(), count);
    return true;
}

std::unique_ptr<MemberCursor> MapiAddressBook::OpenList(const EntryId& id, int& openedAs)
{
    // A list's own interface derives from IMAPIContainer; only an entry that
    // opened as a list has it.
    ULONG objectType = 0;
    UniqueCom<IUnknown> object = OpenEntry(id, objectType);
    openedAs = static_cast<int>(objectType);
    if (!object || objectType != MAPI_DISTLIST)
        return nullptr;
    UniqueCom<IMAPIContainer> list(static_cast<IMAPIContainer*>(object.release()));
    LPMAPITABLE received = nullptr;
    const HRESULT opened = list->GetContentsTable(0, &received);
    UniqueCom<IMAPITable> table(received);
    if (FAILED(opened) || !table)
        return nullptr;
    if (FAILED(table->SetColumns(DistListColumns(), 0)))
        return nullptr;
    if (FAILED(table->SeekRow(BOOKMARK_BEGINNING, 0, nullptr)))
        return nullptr;
    return std::make_unique<TableCursor>(std::move(list), std::move(table), memory_);
}

AddressBook::Comparison MapiAddressBook::Compare(const EntryId& remembered, const EntryId& member)
{
    if (!state_.addressBook)
        return Comparison::kFailed;
    ULONG same = FALSE;
    const HRESULT compared = state_.addressBook->CompareEntryIDs(
        EntryIdSize(remembered), EntryIdArgument(remembered), EntryIdSize(member), EntryIdArgument(member), 0, &same);
    if (FAILED(compared))
        return Comparison::kFailed;
    return same ? Comparison::kSame : Comparison::kDifferent;
}
