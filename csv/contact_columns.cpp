#include "csv/contact_columns.h"

#include <algorithm>
#include <cstring>

#include "core/ansi_code_page.h"
#include "core/text_routines.h"
#include "csv/text_decoding.h"

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
// Parts of a header that make its column a fax column.
const char* const kFaxWords[] = {"FAX", "Télécopie"};
// Ends of the header names of a label and value pair.
const char* const kLabelEnds[] = {" - Label", " - Type"};
const char* const kValueEnd = " - Value";

// A name in the code page, upper-cased with its letters.
std::string InCodePage(const char* utf8, const AnsiCodePage& codePage)
{
    std::vector<char> text;
    AppendUtf8AsAnsi(utf8, std::strlen(utf8), codePage, text);
    text.push_back('\0');
    codePage.UpperCase(text.data());
    return text.data();
}

// A list of names in the code page, converted once per file.
template <std::size_t N>
std::vector<std::string> InCodePage(const char* const (&utf8Names)[N], const AnsiCodePage& codePage)
{
    std::vector<std::string> names;
    for (const char* name : utf8Names)
        names.push_back(InCodePage(name, codePage));
    return names;
}

bool IsOneOf(const std::string& field, const std::vector<std::string>& names)
{
    return std::find(names.begin(), names.end(), field) != names.end();
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Trimmed(const char* text)
{
    std::string copy(text);
    TrimSpaces(&copy[0]);
    return copy.c_str();
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
    const std::string valueEnd = InCodePage(kValueEnd, codePage);
    const std::vector<std::string> labelEnds = InCodePage(kLabelEnds, codePage);
    for (std::size_t label = 0; label < names.size(); ++label) {
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

// The row's name: the name column, else the name parts joined by blanks,
// else the company; line breaks and tabs as blanks, trimmed.
void RowName(CsvFieldTable& fields, int fieldCount, const ColumnChoice& choice, const LeadByteSet& leadBytes,
             std::string& name)
{
    name.clear();
    const auto cell = [&](int column) -> const char* {
        return column != kNoColumn && column < fieldCount ? fields[column] : "";
    };
    if (choice.nameColumn != kNoColumn) {
        name = cell(choice.nameColumn);
    } else {
        for (int part : choice.nameParts) {
            std::string text = Trimmed(cell(part));
            if (text.empty())
                continue;
            if (!name.empty())
                name += ' ';
            name += text;
        }
    }
    const auto tidy = [&name] {
        name += '\0'; // room for the routines below, which work on terminated text
        BlankLineBreaks(&name[0]);
        TrimSpaces(&name[0]);
    };
    tidy();
    if (name[0] == '\0' && choice.nameColumn == kNoColumn) {
        name = cell(choice.companyColumn);
        tidy();
    }
    ReplaceBrackets(&name[0], leadBytes);
}

// Appends one entry; returns whether its number is usable.
bool AppendEntry(const std::string& name, char* fax, const AnsiCodePage& codePage, CsvEntryTable& entries)
{
    CsvEntry entry;
    CopyTextField(entry.name, name.c_str(), codePage.LeadBytes());
    const bool usable = CleanFaxNumber(fax, codePage) > 0;
    CopyTextField(entry.faxNumber, fax, codePage.LeadBytes());
    entries.push_back(entry);
    return usable;
}

// A pair's value may hold several numbers joined by " ::: ".
bool AppendPairEntries(const std::string& name, char* value, const AnsiCodePage& codePage, CsvEntryTable& entries)
{
    static const char kJoint[] = " ::: ";
    bool usable = false;
    for (char* number = value; number != nullptr;) {
        char* joint = std::strstr(number, kJoint);
        if (joint != nullptr)
            *joint = '\0';
        if (CleanFaxNumber(number, codePage) > 0)
            usable = AppendEntry(name, number, codePage, entries) || usable;
        number = joint != nullptr ? joint + sizeof(kJoint) - 1 : nullptr;
    }
    return usable;
}

} // namespace

ColumnChoice FindContactColumns(CsvFieldTable& header, int fieldCount, const AnsiCodePage& codePage)
{
    ColumnChoice choice;
    std::vector<std::string> names;
    const std::vector<std::string> faxWords = InCodePage(kFaxWords, codePage);
    for (int i = 0; i < fieldCount; ++i) {
        codePage.UpperCase(header[i]);
        names.push_back(Trimmed(header[i]));
        if (choice.nameColumn == kNoColumn && std::strcmp(header[i], "NAME") == 0)
            choice.nameColumn = i;
        for (const std::string& word : faxWords) {
            if (std::strstr(header[i], word.c_str()) != nullptr) {
                choice.faxColumns.push_back({i, kNoColumn});
                break;
            }
        }
    }
    FindLabelValuePairs(names, choice, codePage);
    std::stable_sort(choice.faxColumns.begin(), choice.faxColumns.end(),
                     [](const FaxColumn& a, const FaxColumn& b) { return a.valueColumn < b.valueColumn; });
    if (choice.nameColumn != kNoColumn)
        return choice;

    const std::vector<std::string> displayNames = InCodePage(kDisplayNames, codePage);
    const std::vector<std::string> firstNames = InCodePage(kFirstNames, codePage);
    const std::vector<std::string> middleNames = InCodePage(kMiddleNames, codePage);
    const std::vector<std::string> lastNames = InCodePage(kLastNames, codePage);
    const std::vector<std::string> companies = InCodePage(kCompanies, codePage);
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
    if (choice.nameColumn == kNoColumn) {
        for (int part : {first, middle, last}) {
            if (part != kNoColumn)
                choice.nameParts.push_back(part);
        }
    }
    return choice;
}

bool AppendRowEntries(CsvFieldTable& fields, int fieldCount, const ColumnChoice& choice, const AnsiCodePage& codePage,
                      CsvEntryTable& entries, std::string& scratch)
{
    RowName(fields, fieldCount, choice, codePage.LeadBytes(), scratch);
    bool usable = false;
    for (const FaxColumn& column : choice.faxColumns) {
        if (column.valueColumn >= fieldCount)
            continue;
        char* value = fields[column.valueColumn];
        if (column.labelColumn == kNoColumn) {
            usable = AppendEntry(scratch, value, codePage, entries) || usable;
            continue;
        }
        if (column.labelColumn >= fieldCount)
            continue;
        char* label = fields[column.labelColumn];
        codePage.UpperCase(label);
        if (std::strstr(label, "FAX") != nullptr)
            usable = AppendPairEntries(scratch, value, codePage, entries) || usable;
    }
    return usable;
}
