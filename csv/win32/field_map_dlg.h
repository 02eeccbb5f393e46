// The field mapping dialog: the user maps one header field to the name
// (optional) and one to the fax number before the CSV rows are read.
#pragma once

#include <string>
#include <vector>

#include "csv/field_mapping.h"
#include "framework/dialog.h"
#include "framework/list_box.h"

class CFieldMapDlg : public CDialog {
public:
    // path and headerFields belong to the caller and outlive the dialog.
    CFieldMapDlg(HWND parent, const std::string& path, const std::vector<const char*>& headerFields);

    // After OK: the fax field's index, and the name field's index or -1.
    int NameIndex() const { return mapping_.NameIndex(); }
    int FaxIndex() const { return mapping_.FaxIndex(); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;

private:
    // Shows both mappings in their edits and button captions.
    void ShowMappings() const;
    const char* FieldText(int index) const;

    const std::string& path_;
    const std::vector<const char*>& headerFields_;
    FieldMapping mapping_;
    CListBox fieldList_;
};
