// Text routines shared by every source, the confirmation and the export writer.
// All of them work in place on zero-terminated single-byte texts.
#pragma once

#include <array>
#include <string>

struct ImportResult;

constexpr int kMaxCsvFields = 1024;
using CsvFieldTable = std::array<char*, kMaxCsvFields>;

constexpr int kUnclosedQuote = -6;

// Result of cutting one line into fields.
struct CsvSplit {
    int fieldCount = 0;         // fields found; with an unclosed quote, the open field is the last
    bool unclosedQuote = false; // a quoted field had no closing quote
};

// Cuts the line at fields[0] into fields, in place, at each separator
// outside quoted fields.
CsvSplit SplitCsvLine(CsvFieldTable& fields, char separator = ',');
// The same, reporting an unclosed quote as kUnclosedQuote: the field count,
// 0 for an empty line, or -6.
int SplitCsvFields(CsvFieldTable& fields, char separator = ',');
// The separator a CSV file's header line shows: a comma when it holds one
// outside quoted fields; else a semicolon (Excel in many European locales)
// or a tab (Excel's Unicode text), when it holds one; else a comma.
char DetectFieldSeparator(const char* header);

// Removes leading and trailing blanks (0x20 only).
void TrimSpaces(char* text);
// Turns "[" and "]" into "(" and ")", leaving the second byte of a double-byte
// character alone.
void ReplaceBrackets(char* text);
// Upper-cases a to z and drops every byte that cannot be part of a dialled
// number; returns the remaining length.
int CleanFaxNumber(char* text);
// Cuts a text to at most maxBytes bytes.
void CutText(char* text, int maxBytes);
// Copies at most kMaxTextBytes bytes of source into a kTextFieldBytes field.
void CopyTextField(char* field, const char* source);

// "name [fax]"
std::string FormatEntryText(const char* name, const char* fax);
// The same text appended to text, with room made for it first.
void AppendEntryText(std::string& text, const char* name, const char* fax);
// Splits an entry text into its name and fax number (31-byte buffers each).
void SplitEntryText(const char* entryText, char* name, char* fax);

enum AddEntryOutcome { kEntryNotAdded = 0, kEntryAdded = 1, kEntryCapReached = 2 };
// Cleans the number and the name and appends the entry text to the result
// unless it is unusable, already present, or the cap is reached.
int AddRecipientEntry(char* name, char* fax, ImportResult& result);
