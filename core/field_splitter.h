// Cuts CSV text into records and fields in place, as RFC 4180 has them: a
// double quote as a field's first byte opens a quoted field, which may hold
// separators, line breaks and doubled quotes; anywhere else it is an
// ordinary byte.
#pragma once

#include <array>

constexpr int kMaxCsvFields = 1024;
using CsvFieldTable = std::array<char*, kMaxCsvFields>;

// Result of cutting one record into fields.
struct CsvSplit {
    int fieldCount = 0; // fields found (at most kMaxCsvFields); with an unclosed quote, the open field is the last
    bool unclosedQuote = false; // a quoted field had no closing quote before the end of the text
};

// Cuts the record that starts at record into fields, up to the line feed
// that ends it outside quoted fields (a CR before it goes too) or up to end;
// the lines are the line walker's (LineEnds::kLineFeed). The separator is
// never a CR or an LF. Fields past kMaxCsvFields are passed over. Returns
// where the next record starts: end when there is none, or after an
// unclosed quote.
char* SplitCsvRecord(char* record, char* end, char separator, CsvFieldTable& fields, CsvSplit& split);

// Cuts the zero-terminated line at fields[0] into fields; an empty line has
// none.
CsvSplit SplitCsvLine(CsvFieldTable& fields, char separator = ',');

// The separator a CSV file's header line shows (read up to its line feed):
// of comma, semicolon (Excel in many European locales) and tab (Excel's
// Unicode text), the one found most often outside quoted fields; a comma when
// two are found equally often or none is.
char DetectFieldSeparator(const char* header);

// Excel's "sep=X" first line names the separator and is no part of the
// data. When text (up to end) begins with one, sets separator to X and
// returns the start of the next line; otherwise returns text. X is never a
// CR, an LF or a zero byte.
char* SkipSeparatorLine(char* text, const char* end, char& separator);
