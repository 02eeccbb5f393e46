// Which columns of a CSV file hold the name and the fax numbers, and how one
// row turns into entries. The automatic choice reads the header as the
// contact programs write it: a NAME column, a display name, the parts of a
// person's name, a company, fax columns, and label and value pairs such as
// "Phone 1 - Label" = "Work Fax" beside "Phone 1 - Value".
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

struct ColumnChoice {
    int nameColumn = kNoColumn;
    std::vector<int> nameParts;    // first, middle and last name, when there is no name column
    int companyColumn = kNoColumn; // the name of a row whose name comes out empty
    std::vector<FaxColumn> faxColumns;
};

// The automatic choice from the header's fields (upper-cased in place).
ColumnChoice FindContactColumns(CsvFieldTable& header, int fieldCount, const AnsiCodePage& codePage);

// Appends the entries of one data row; returns whether one of them has a
// usable fax number. scratch is room the call may reuse from row to row.
bool AppendRowEntries(CsvFieldTable& fields, int fieldCount, const ColumnChoice& choice, const AnsiCodePage& codePage,
                      CsvEntryTable& entries, std::string& scratch);
