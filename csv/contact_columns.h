// Which columns of a CSV file hold the name and the fax numbers, and how one
// row turns into entries. The automatic choice reads the header as the
// contact programs write it: a NAME column, a display name, the parts of a
// person's name, a company, fax columns, and phone label and value pairs such
// as "Phone 1 - Label" = "Work Fax" beside "Phone 1 - Value".
#pragma once

#include <string>
#include <vector>

#include "core/field_splitter.h"
#include "csv/csv_reader.h"

class AnsiCodePage;
class LeadByteSet;

constexpr int kNoColumn = -1;

// A column whose cells are fax numbers, or the value column of a pair whose
// label column says in each row whether the value is one.
struct FaxColumn {
    int valueColumn = kNoColumn;
    int labelColumn = kNoColumn; // kNoColumn: every cell is a fax number
};

// A row's name is the first that is not blank of: the name column, the name
// parts joined, the company.
struct ColumnChoice {
    int nameColumn = kNoColumn; // NAME, else a display or full name
    std::vector<int> nameParts; // first, middle and last name
    int companyColumn = kNoColumn;
    std::vector<FaxColumn> faxColumns;
};

// The automatic choice from the header's fields (upper-cased in place).
ColumnChoice FindContactColumns(CsvFieldTable& header, int fieldCount, const AnsiCodePage& codePage);

// The columns the entries of a row are read from, ascending, each once.
std::vector<int> UsedColumns(const ColumnChoice& choice);

// Turns data rows into entries by a column choice.
class ContactRows {
public:
    ContactRows(const ColumnChoice& choice, const AnsiCodePage& codePage);

    // Appends the entries of one row (its fields in the code page); returns
    // whether one of them has a usable fax number.
    bool Append(CsvFieldTable& fields, int fieldCount, OfferedEntryTable& entries);

private:
    void ReadName(CsvFieldTable& fields, int fieldCount);
    bool AppendNumbers(char* cell, bool keepEmpty, OfferedEntryTable& entries);
    bool AppendEntry(char* fax, bool keepEmpty, OfferedEntryTable& entries);

    const ColumnChoice& choice_;
    const AnsiCodePage& codePage_;
    const std::vector<std::string> faxWords_;
    std::string name_; // the row's name, reused from row to row
};
