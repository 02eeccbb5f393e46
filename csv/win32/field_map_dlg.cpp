// The field mapping dialog over the FieldMapping model: the buttons press
// the model, and the edits and captions are redrawn from it.
#include "csv/win32/field_map_dlg.h"

#include "res/resource.h"

namespace {
constexpr const char* kMapCaption = "Map to";
constexpr const char* kUnmapCaption = "UnMap";
} // namespace

CFieldMapDlg::CFieldMapDlg(HWND parent, const std::string& path, const std::vector<const char*>& headerFields)
    : CDialog(IDD_FIELD_MAP, parent), path_(path), headerFields_(headerFields),
      mapping_(static_cast<int>(headerFields.size()))
{
}

bool CFieldMapDlg::OnInitDialog()
{
    fieldList_.Attach(Item(IDC_FIELD_LIST));
    fieldList_.ResetContent();
    // Unsorted, so item i is header field i.
    for (const char* field : headerFields_)
        fieldList_.AddString(field != nullptr ? field : "");
    fieldList_.SetCurSel(0);

    ShowMappings();
    SetCaption("CSV Import - " + path_);

    SetForegroundWindow(Handle());
    return true;
}

const char* CFieldMapDlg::FieldText(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= headerFields_.size() ||
        headerFields_[static_cast<std::size_t>(index)] == nullptr)
        return "";
    return headerFields_[static_cast<std::size_t>(index)];
}

void CFieldMapDlg::ShowMappings() const
{
    const int name = mapping_.NameIndex();
    const int fax = mapping_.FaxIndex();
    SetItemText(IDC_NAME_FIELD, FieldText(name));
    SetItemText(IDC_MAP_NAME, name == FieldMapping::kUnmapped ? kMapCaption : kUnmapCaption);
    SetItemText(IDC_FAX_FIELD, FieldText(fax));
    SetItemText(IDC_MAP_FAX, fax == FieldMapping::kUnmapped ? kMapCaption : kUnmapCaption);
}

bool CFieldMapDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_MAP_NAME)
        mapping_.PressName(fieldList_.GetCurSel());
    else if (id == IDC_MAP_FAX)
        mapping_.PressFax(fieldList_.GetCurSel());
    else
        return false;
    ShowMappings();
    return true;
}

void CFieldMapDlg::OnOK()
{
    if (!mapping_.CanFinish()) {
        ShowMessage("You must map at least a field to the Fax Number.", "CSV Import", MB_OK | MB_ICONWARNING);
        return;
    }
    EndDialog(IDOK);
}
