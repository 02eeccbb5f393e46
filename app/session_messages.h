// Texts and captions of the session's message boxes.
#pragma once

namespace msg {
constexpr const char* kCaptionImport = "Import Fax Recipient Data";
constexpr const char* kCaptionCsvError = "CSV Import Error";
constexpr const char* kCaptionWabError = "WAB Import Error";
constexpr const char* kCaptionDirectoryError = "Directory Import Error";

constexpr const char* kNoEntry = "No entry to be imported.";
constexpr const char* kNoFaxInSelection = "Cannot find fax number in all selected entries.\nNo entry will be imported.";
constexpr const char* kNotSpeedDial = "Invalid Speed Dial EWS CSV data format!\nCannot import data from %s.";
constexpr const char* kUnclosedQuote = "Invalid CSV data format!\nCannot import data from %s.";
constexpr const char* kNoFaxColumn = "Cannot find fax number in %s.\nNo entry will be imported.";
constexpr const char* kNoMemory = "Insufficient memory to import data from %s.";
constexpr const char* kCannotAccess = "Fail to access %s.\nNo data has been read for import.";
constexpr const char* kTooManyEntries =
    "%s holds more than %s entries, more than one import can take.\nNo entry will be imported.";
constexpr const char* kWabOpenFailed = "Fail to open Windows Address Book.\nCannot import data from %s.";
constexpr const char* kWabPathTooLong =
    "The file path is too long for the Windows Address Book.\nCannot import data from %s.";
constexpr const char* kExportPathTooLong =
    "The export file path on the command line is longer than %s characters.\nNo entry will be imported.";
constexpr const char* kExportPathUnclear =
    "The export file path on the command line is not clear:\n%s\nNo entry will be imported.";
constexpr const char* kExportWriteFailed = "Cannot write the export file %s.\n%s\nNo entry has been imported.";
} // namespace msg
