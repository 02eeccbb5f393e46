#include "dialogs/data_type_choice.h"

#include "core/import_result.h"

std::vector<DataTypeItem> OfferedDataTypes(bool mapiAvailable, bool wabAvailable)
{
    std::vector<DataTypeItem> items;
    if (mapiAvailable)
        items.push_back({"MS Messaging System Address Book", kKindMapiAddressBook});
    if (wabAvailable)
        items.push_back({"Windows Address Book (WAB)", kKindWabFile});
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
