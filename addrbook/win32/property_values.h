// The properties the recipient walk reads, and their conversion from the
// address book's property value arrays into the walk's own types.
#pragma once

#include "addrbook/address_book.h"
#include "addrbook/win32/mapi_headers.h"

// Texts are always asked for as 8-bit strings.
constexpr ULONG kTagDisplayName = PR_DISPLAY_NAME_A;
constexpr ULONG kTagPrimaryFax = PR_PRIMARY_FAX_NUMBER_A;
constexpr ULONG kTagBusinessFax = PR_BUSINESS_FAX_NUMBER_A;
constexpr ULONG kTagHomeFax = PR_HOME_FAX_NUMBER_A;
constexpr ULONG kTagEntryId = PR_ENTRYID;
constexpr ULONG kTagObjectType = PR_OBJECT_TYPE;

// A person's name and fax numbers, in this order.
LPSPropTagArray FaxPropertyTags();
// The columns of a distribution list's contents table.
LPSPropTagArray DistListColumns();

// The entry identifier and object type among values. A value the address
// book could not supply comes back with the error type in its tag and so
// matches neither; it counts as absent.
AddressEntryRef EntryRefFromValues(const SPropValue* values, ULONG count);
// A person's display name and fax numbers among values, by tag.
PersonFaxProperties FaxPropertiesFromValues(const SPropValue* values, ULONG count);
