// The two mappings of the field mapping dialog: which header field holds the
// name and which the fax number. One field never holds both.
#pragma once

class FieldMapping {
public:
    static constexpr int kUnmapped = -1;

    explicit FieldMapping(int fieldCount) : fieldCount_(fieldCount) {}

    // The name button: unmaps a mapped name, otherwise maps the selected
    // field (taking it away from the fax number).
    void PressName(int selectedField) { Press(nameIndex_, faxIndex_, selectedField); }
    // The fax button, the mirror image.
    void PressFax(int selectedField) { Press(faxIndex_, nameIndex_, selectedField); }

    int NameIndex() const { return nameIndex_; }
    int FaxIndex() const { return faxIndex_; }
    // OK needs a fax mapping.
    bool CanFinish() const { return faxIndex_ != kUnmapped; }

private:
    void Press(int& mine, int& other, int selectedField)
    {
        if (fieldCount_ <= 0)
            return;
        if (mine != kUnmapped) {
            mine = kUnmapped;
            return;
        }
        if (selectedField < 0 || selectedField >= fieldCount_)
            return;
        mine = selectedField;
        if (other == mine)
            other = kUnmapped;
    }

    int fieldCount_;
    int nameIndex_ = kUnmapped;
    int faxIndex_ = kUnmapped;
};
