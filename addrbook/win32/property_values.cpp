// Tag arrays and value conversion for the recipient walk.
#include "addrbook/win32/property_values.h"

namespace {

const SizedSPropTagArray(4, faxPropertyTags) = {4, {kTagDisplayName, kTagPrimaryFax, kTagBusinessFax, kTagHomeFax}};
const SizedSPropTagArray(3, distListColumns) = {3, {kTagDisplayName, kTagEntryId, kTagObjectType}};

// The address book interfaces take tag arrays by non-const pointer but only
// read them.
template <class Sized>
LPSPropTagArray TagArrayArgument(const Sized& tags)
{
    return reinterpret_cast<LPSPropTagArray>(const_cast<Sized*>(&tags));
}

void TakeText(OptionalText& target, const SPropValue& value)
{
    if (value.Value.lpszA == nullptr)
        return;
    target.present = true;
    target.text = value.Value.lpszA;
}

} // namespace

LPSPropTagArray FaxPropertyTags()
{
    return TagArrayArgument(faxPropertyTags);
}

LPSPropTagArray DistListColumns()
{
    return TagArrayArgument(distListColumns);
}

AddressEntryRef EntryRefFromValues(const SPropValue* values, ULONG count)
{
    AddressEntryRef entry;
    if (values == nullptr)
        return entry;
    for (ULONG i = 0; i < count; ++i) {
        const SPropValue& value = values[i];
        if (value.ulPropTag == kTagEntryId) {
            const SBinary& id = value.Value.bin;
            if (id.lpb == nullptr && id.cb != 0)
                continue;
            entry.hasEntryId = true;
            entry.entryId.assign(id.lpb, id.lpb + id.cb);
        } else if (value.ulPropTag == kTagObjectType) {
            entry.hasObjectType = true;
            entry.objectType = static_cast<int>(value.Value.l);
        }
    }
    return entry;
}

PersonFaxProperties FaxPropertiesFromValues(const SPropValue* values, ULONG count)
{
    PersonFaxProperties person;
    if (values == nullptr)
        return person;
    for (ULONG i = 0; i < count; ++i) {
        const SPropValue& value = values[i];
        switch (value.ulPropTag) {
        case kTagDisplayName:
            TakeText(person.displayName, value);
            break;
        case kTagPrimaryFax:
            TakeText(person.faxNumbers[0], value);
            break;
        case kTagBusinessFax:
            TakeText(person.faxNumbers[1], value);
            break;
        case kTagHomeFax:
            TakeText(person.faxNumbers[2], value);
            break;
        default:
            break;
        }
    }
    return person;
}
