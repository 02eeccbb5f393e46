#include "dialogs/data_type_choice.h"

std::vector<DataTypeItem> OfferedDataTypes(bool mapiAvailable, bool wabAvailable)
{
    std::vector<DataTypeItem> items;
    if (mapiAvailable)
        items.push_back({"MS Messaging System Address Book", DataSourceKind::kMapiAddressBook});
    if (wabAvailable)
        items.push_back({"Windows Address Book (WAB)", DataSourceKind::kWabFile});
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
