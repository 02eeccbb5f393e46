#include "dialogs/data_type_choice.h"

#include "core/import_result.h"

std::vector<DataTypeItem> OfferedDataTypes(const AvailableSources& available)
{
    std::vector<DataTypeItem> items;
    if (available.mapi)
        items.push_back({"MS Messaging System Address Book", DataSourceKind::kMapiAddressBook});
    if (available.wab)
        items.push_back({"Windows Address Book (WAB)", DataSourceKind::kWabFile});
    if (available.directory)
        items.push_back({"Company Directory (LDAP)", DataSourceKind::kDirectory});
    items.push_back({"Comma Separated Values (CSV)", DataSourceKind::kCsvManual});
    items.push_back({"Speed Dial Data EWS-CSV", DataSourceKind::kSpeedDial});
    return items;
}

DataSourceKind ResolveDataType(DataSourceKind selectedKind, bool autoSearchChecked, bool defaultWabChecked)
{
    if (selectedKind == DataSourceKind::kCsvManual && autoSearchChecked)
        return DataSourceKind::kCsvAuto;
    if (selectedKind == DataSourceKind::kWabFile && defaultWabChecked)
        return DataSourceKind::kDefaultWab;
    return selectedKind;
}
