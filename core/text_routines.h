// Text routines shared by every source, the confirmation and the export writer.
// All of them work in place on zero-terminated single-byte texts.
#pragma once

#include <string>
#include <string_view>

#include "core/field_splitter.h"

class AnsiCodePage;
class LeadByteSet;
struct ImportResult;

// text without the characters of drop (blanks, 0x20, unless told) at either end.
std::string_view Trimmed(std::string_view text, const char* drop = " ");

// a to z as A to Z; every other byte as it is.
char AsciiUpper(char c);
// Comparisons that ignore the case of the ASCII letters only, as protocol
// and format names want (vCard properties, LDAP attributes, setting words).
bool StartsWithIgnoringCase(std::string_view text, std::string_view word);
bool EqualsIgnoringCase(std::string_view text, std::string_view word);
// Trimmed in place.
void TrimSpaces(char* text);
// Turns line breaks (CR LF counts as one) and tabs into blanks.
void BlankLineBreaks(char* text);
// Turns "[" and "]" into "(" and ")", leaving the trail byte of a double-byte
// character alone.
void ReplaceBrackets(char* text, const LeadByteSet& leadBytes);
// Turns full-width digits, letters and marks and the ideographic blank into
// their ASCII forms, upper-cases a to z and drops every character that cannot
// be part of a dialled number (a double-byte one with both its bytes);
// returns the remaining length.
int CleanFaxNumber(char* text, const AnsiCodePage& codePage);
// Copies at most kMaxTextBytes bytes of source into a kTextFieldBytes field;
// a double-byte character that would lose its trail byte is left out whole.
void CopyTextField(char* field, const char* source, const LeadByteSet& leadBytes);

// "name [fax]", the text a list shows for a recipient.
std::string FormatEntryText(const char* name, const char* fax);
// The same text appended to text, with room made for it first.
void AppendEntryText(std::string& text, const char* name, const char* fax);

enum class AddEntryOutcome { kNotAdded, kAdded, kCapReached };
// Cleans the number and the name and appends them to the result's
// recipients unless the number is unusable, the pair is already there, or the
// cap is reached.
AddEntryOutcome AddRecipientEntry(char* name, char* fax, ImportResult& result, const AnsiCodePage& codePage);
