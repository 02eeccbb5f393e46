#include "csv/contact_columns.h"

#include <algorithm>
#include <cstring>

#include "core/ansi_code_page.h"
#include "core/text_routines.h"
#include "csv/code_page_words.h"

namespace {

// Whole header names, as the contact programs and the localised Outlook and
// Excel exports write them (UTF-8 here, compared in the file's code page).
const char* const kDisplayNames[] = {"Display Name", "Full Name"};
const char* const kFirstNames[] = {"First Name", "Given Name", "Vorname", "Prénom", "Nombre", "Nome", "Voornaam"};
const char* const kMiddleNames[] = {"Middle Name",     "Additional Name", "Weitere Vornamen",
                                    "Deuxième prénom", "Segundo nombre",  "Secondo nome"};
const char* const kLastNames[] = {"Last Name", "Family Name", "Surname", "Nachname",
                                  "Nom",       "Apellidos",   "Cognome", "Achternaam"};
const char* const kCompanies[] = {"Company", "Organization", "Organization Name", "Organization 1 - Name",
                                  "Firma",   "Société",      "Empresa",           "Società",
                                  "Bedrijf"};
// A label and value pair: "Phone 1 - Label" (or "- Type") and "Phone 1 - Value".
const char* const kPairStart = "Phone ";
const char* const kLabelEnds[] = {" - Label", " - Type"};
const char* const kValueEnd = " - Value";
// Google joins several numbers of one kind in one cell.
const char kNumberJoint[] = " ::: ";

bool IsOneOf(const std::string& field, const std::vector<std::string>& names)
{
    return std::find(names.begin(), names.end(), field) != names.end();
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsFaxColumn(const ColumnChoice& choice, int column)
{
    for (const FaxColumn& fax : choice.faxColumns) {
        if (fax.valueColumn == column)
            return true;
    }
    return false;
}

// The pairs whose label column stands before or after their value column.
void FindLabelValuePairs(const std::vector<std::string>& names, ColumnChoice& choice, const AnsiCodePage& codePage)
{
    const std::string pairStart = UpperInCodePage(kPairStart, codePage);
    const std::string valueEnd = UpperInCodePage(kValueEnd, codePage);
    const std::vector<std::string> labelEnds = UpperInCodePage(kLabelEnds, codePage);
    for (std::size_t label = 0; label < names.size(); ++label) {
        if (names[label].compare(0, pairStart.size(), pairStart) != 0)
            continue;
        for (const std::string& labelEnd : labelEnds) {
            if (!EndsWith(names[label], labelEnd))
                continue;
            const std::string valueName = names[label].substr(0, names[label].size() - labelEnd.size()) + valueEnd;
            for (std::size_t value = 0; value < names.size(); ++value) {
                if (names[value] == valueName && !IsFaxColumn(choice, static_cast<int>(value))) {
                    choice.faxColumns.push_back({static_cast<int>(value), static_cast<int>(label)});
                    break;
                }
            }
        }
    }
}

// The first " ::: " in text, or nullptr; most cells hold no colon at all.
char* FindNumberJoint(char* text)
{
    return std::strchr(text, ':') != nullptr ? std::strstr(text, kNumberJoint) : nullptr;
}

// Turns line breaks and tabs into blanks and trims; whether text is left.
bool Tidy(std::string& name)
{
    name += '\0'; // room for the routines below, which work on terminated text
    BlankLineBreaks(&name[0]);
    TrimSpaces(&name[0]);
    name.resize(std::strlen(name.c_str()));
    return !name.empty();
}

} // namespace

ColumnChoice FindContactColumns(CsvFieldTable& header, int fieldCount, const AnsiCodePage& codePage)
{
    ColumnChoice choice;
    std::vector<std::string> names;
    const std::vector<std::string> faxWords = FaxWords(codePage);
    for (int i = 0; i < fieldCount; ++i) {
        if (SaysFax(header[i], faxWords, codePage))
            choice.faxColumns.push_back({i, kNoColumn});
        names.emplace_back(Trimmed(header[i]));
        if (choice.nameColumn == kNoColumn && std::strcmp(header[i], "NAME") == 0)
            choice.nameColumn = i;
    }
    FindLabelValuePairs(names, choice, codePage);
    std::stable_sort(choice.faxColumns.begin(), choice.faxColumns.end(),
                     [](const FaxColumn& a, const FaxColumn& b) { return a.valueColumn < b.valueColumn; });

    const std::vector<std::string> displayNames = UpperInCodePage(kDisplayNames, codePage);
    const std::vector<std::string> firstNames = UpperInCodePage(kFirstNames, codePage);
    const std::vector<std::string> middleNames = UpperInCodePage(kMiddleNames, codePage);
    const std::vector<std::string> lastNames = UpperInCodePage(kLastNames, codePage);
    const std::vector<std::string> companies = UpperInCodePage(kCompanies, codePage);
    int first = kNoColumn, middle = kNoColumn, last = kNoColumn;
    for (int i = 0; i < fieldCount; ++i) {
        const std::string& name = names[static_cast<std::size_t>(i)];
        if (choice.nameColumn == kNoColumn && IsOneOf(name, displayNames))
            choice.nameColumn = i;
        else if (first == kNoColumn && IsOneOf(name, firstNames))
            first = i;
        else if (middle == kNoColumn && IsOneOf(name, middleNames))
            middle = i;
        else if (last == kNoColumn && IsOneOf(name, lastNames))
            last = i;
        else if (choice.companyColumn == kNoColumn && IsOneOf(name, companies))
            choice.companyColumn = i;
    }
    for (int part : {first, middle, last}) {
        if (part != kNoColumn)
            choice.nameParts.push_back(part);
    }
    return choice;
}

std::vector<int> UsedColumns(const ColumnChoice& choice)
{
    std::vector<int> columns = choice.nameParts;
    columns.insert(columns.end(), {choice.nameColumn, choice.companyColumn});
    for (const FaxColumn& fax : choice.faxColumns)
        columns.insert(columns.end(), {fax.valueColumn, fax.labelColumn});
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    columns.erase(std::remove(columns.begin(), columns.end(), kNoColumn), columns.end());
    return columns;
}

ContactRows::ContactRows(const ColumnChoice& choice, const AnsiCodePage& codePage)
    : choice_(choice), codePage_(codePage), faxWords_(FaxWords(codePage))
{
}

bool ContactRows::Append(CsvFieldTable& fields, int fieldCount, OfferedEntryTable& entries)
{
    ReadName(fields, fieldCount);
    bool usable = false;
    for (const FaxColumn& column : choice_.faxColumns) {
        if (column.valueColumn >= fieldCount)
            continue;
        char* value = fields[column.valueColumn];
        if (column.labelColumn == kNoColumn) {
            // A plain fax column gives its entry also when the cell is empty.
            usable = AppendNumbers(value, true, entries) || usable;
        } else if (column.labelColumn < fieldCount && SaysFax(fields[column.labelColumn], faxWords_, codePage_)) {
            usable = AppendNumbers(value, false, entries) || usable;
        }
    }
    return usable;
}

// The name column, else the name parts joined by blanks, else the company:
// the first that is not blank once tidied.
void ContactRows::ReadName(CsvFieldTable& fields, int fieldCount)
{
    const auto cell = [&](int column) -> const char* {
        return column != kNoColumn && column < fieldCount ? fields[column] : "";
    };
    name_ = cell(choice_.nameColumn);
    if (!Tidy(name_)) {
        for (int part : choice_.nameParts) {
            std::string text = cell(part);
            if (!Tidy(text))
                continue;
            if (!name_.empty())
                name_ += ' ';
            name_ += text;
        }
    }
    if (name_.empty()) {
        name_ = cell(choice_.companyColumn);
        Tidy(name_);
    }
    name_ += '\0';
    ReplaceBrackets(&name_[0], codePage_.LeadBytes());
}

// A cell may hold several numbers joined by " ::: ", each an entry of its
// own; keepEmpty gives a cell without such joints its entry even when it
// holds no usable number.
bool ContactRows::AppendNumbers(char* cell, bool keepEmpty, OfferedEntryTable& entries)
{
    if (keepEmpty && FindNumberJoint(cell) == nullptr)
        return AppendEntry(cell, true, entries);
    bool usable = false;
    for (char* number = cell; number != nullptr;) {
        char* joint = FindNumberJoint(number);
        if (joint != nullptr)
            *joint = '\0';
        usable = AppendEntry(number, false, entries) || usable;
        number = joint != nullptr ? joint + sizeof(kNumberJoint) - 1 : nullptr;
    }
    return usable;
}

// Cleans the number and appends its entry, also an unusable one when
// keepEmpty; returns whether the number is usable.
bool ContactRows::AppendEntry(char* fax, bool keepEmpty, OfferedEntryTable& entries)
{
    const bool usable = CleanFaxNumber(fax, codePage_) > 0;
    if (!usable && !keepEmpty)
        return false;
    OfferedEntry entry;
    CopyTextField(entry.name, name_.c_str(), codePage_.LeadBytes());
    CopyTextField(entry.faxNumber, fax, codePage_.LeadBytes());
    entries.push_back(entry);
    return usable;
}
