// The program's dialog contract as its drivers know it: the commands the host
// receives, the dialogs' captions and control IDs, and the data type items.
// Shared by the end-to-end tests, the demo and the Wine benchmark.
#pragma once

namespace contract {

// Commands the host receives at the end of a run.
constexpr int kPlainExportCommand = 1022;
constexpr int kSpeedDialExportCommand = 1028;

// Data type dialog.
constexpr char kDataTypeCaption[] = "Import Fax Recipient Data";
constexpr int kKindCombo = 1056;
constexpr int kAutoSearchCheck = 1057;
constexpr int kDefaultWabCheck = 1059;
constexpr int kDataTypeHelpButton = 1058;
constexpr char kCsvItem[] = "Comma Separated Values (CSV)";
constexpr char kSpeedDialItem[] = "Speed Dial Data EWS-CSV";
constexpr char kDirectoryItem[] = "Company Directory (LDAP)";

// The company directory: where its settings are, its sign-in dialog, the
// selection dialog's caption and the caption of its error messages.
constexpr wchar_t kDirectorySettingsKey[] = L"Software\\faximport\\Directory";
constexpr char kSignInCaption[] = "Company Directory Sign-In";
constexpr int kSignInUser = 1067;
constexpr int kSignInPassword = 1068;
constexpr char kDirectoryCaptionStart[] = "Directory Import - ";
constexpr char kDirectoryErrorCaption[] = "Directory Import Error";

// File chooser titles.
constexpr char kCsvChooserTitle[] = "Import CSV File";
constexpr char kSpeedDialChooserTitle[] = "Import Speed Dial EWS-CSV File";

// Field mapping dialog.
constexpr int kFieldList = 1051;
constexpr int kNameField = 1052;
constexpr int kMapNameButton = 1053;
constexpr int kMapFaxButton = 1054;
constexpr int kFaxField = 1055;

// Both selection dialogs; only the speed-dial one has View Details.
constexpr int kTypeAheadEdit = 1003;
constexpr int kSourceList = 1004;
constexpr int kAddButton = 1001;
constexpr int kDeleteButton = 1049;
constexpr int kSelectedList = 1002;
constexpr int kViewDetailsButton = 1050;
constexpr int kSelectionHelpButton = 1047;

// Speed-dial selection dialog: its caption starts with this.
constexpr char kSpeedDialCaptionStart[] = "Speed Dial CSV Import - ";
constexpr char kSpeedDialCaption[] = "Speed Dial CSV Import";
constexpr int kHeadings = 1005;

// Speed-dial record dialog.
constexpr char kRecordCaptionStart[] = "Speed Dial #";
constexpr int kRecordName = 1060;
constexpr int kRecordFax = 1061;
constexpr int kRecordCommMode = 1062;
constexpr int kRecordSecureFax = 1063;
constexpr int kRecordRelayFax = 1064;
constexpr int kRecordFCode = 1065;

// Progress notice of the address-book walk: its one text.
constexpr wchar_t kProgressText[] = L"Retrieving and validating fax records...";
constexpr int kStaticTextId = 0xFFFF;

// The open-file dialog's file type list (Windows' own ID).
constexpr int kFileTypeCombo = 0x470;

// Confirmation dialog.
constexpr char kConfirmCaption[] = "Import Fax Recipient Data - Confirmation";
constexpr int kEntryList = 1001;
constexpr int kHeadline = 1002;
constexpr int kSelectedCount = 1003;
constexpr int kRejectedCount = 1004;
constexpr int kValidCount = 1005;
constexpr int kCapLine = 1054;
constexpr int kRejectedLabel = 1055;

} // namespace contract
