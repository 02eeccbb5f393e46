#include "dialogs/data_type_choice.h"

#include "core/import_result.h"

std::vector<DataTypeItem> OfferedDataTypes(const AvailableSources& available)
{
    std::vector<DataTypeItem> items;
    if (available.mapi)
        items.push_back({"MS Messaging System Address Book", kKindMapiAddressBook});
    if (available.wab)
        items.push_back({"Windows Address Book (WAB)", kKindWabFile});
    if (available.directory)
        items.push_back({"Company Directory (LDAP)", kKindDirectory});
    items.push_back({"Comma Separated Values (CSV)", kKindCsvManual});
    items.push_back({"Speed Dial Data EWS-CSV", kKindSpeedDial});
    return items;
}

int ResolveDataType(int selectedKind, bool autoSearchChecked, bool defaultWabChecked)
{
    if (selectedKind == kKindCsvManual && autoSearchChecked)
        return kKindCsvAuto;
    if (selectedKind == kKindWabFile && defaultWabChecked)
        return kKindDefaultWab;
    return selectedKind;
}
