#include "app/session.h"

#include "addrbook/address_book_source.h"
#include "addrbook/fax_extraction.h"
#include "app/command_line.h"
#include "app/export_writer.h"
#include "app/session_messages.h"
#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/path_limits.h"
#include "csv/csv_reader.h"
#include "directory/directory_reading.h"
#include "speeddial/speed_dial_reader.h"

namespace {

// Fills the "%s" places of format in order.
std::string FillIn(const char* format, const std::string& first, const std::string& second = {})
{
    std::string text(format);
    const std::string values[] = {first, second};
    std::size_t from = 0;
    for (const std::string& value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}

// The host reads speed-dial records after 1028 and plain records after 1022.
int HandBackCommand(DataSourceKind kind)
{
    return kind == DataSourceKind::kSpeedDial ? kCommandSpeedDialExport : kCommandPlainExport;
}

// The message of a reader's failure; files that cannot be read give the
// access message.
const char* ReaderErrorFormat(ReadStatus status)
{
    switch (status) {
    case ReadStatus::kNotSpeedDial:
        return msg::kNotSpeedDial;
    case ReadStatus::kUnclosedQuote:
        return msg::kUnclosedQuote;
    case ReadStatus::kNoFaxColumn:
        return msg::kNoFaxColumn;
    case ReadStatus::kNoMemory:
        return msg::kNoMemory;
    case ReadStatus::kTooManyEntries:
        return msg::kTooManyEntries;
    case ReadStatus::kOk:
    case ReadStatus::kCannotOpen:
    case ReadStatus::kNoSize:
    case ReadStatus::kNothing:
        break;
    }
    return msg::kCannotAccess;
}

} // namespace

void ImportSession::Run()
{
    const bool hasHost = platform_.AttachHostWindow();
    if (hasHost) {
        result_.entryCap = platform_.HostHasCapControl() ? kHostEntryCap : 0;
        platform_.DisableHost();
    }

    DataSourceKind kind = DataSourceKind::kCancelled;
    const std::string commandLine = platform_.CommandLine();
    const ExportPathStatus exportPath = ParseExportPath(commandLine, platform_.Files(), exportPath_);
    if (exportPath == ExportPathStatus::kTooLong) {
        // Writing to a cut-down path would put the file somewhere else.
        platform_.ShowMessage(FillIn(msg::kExportPathTooLong, std::to_string(kMaxExportPathChars)), msg::kCaptionImport,
                              MessageIcon::kError);
    } else if (exportPath == ExportPathStatus::kUnclear) {
        platform_.ShowMessage(FillIn(msg::kExportPathUnclear, commandLine), msg::kCaptionImport, MessageIcon::kError);
    } else {
        if (!exportPath_.empty())
            platform_.Files().RemoveLeftoverTemporaryFiles(exportPath_);
        const std::string program = platform_.ExecutablePath();
        platform_.InstallHelpFiles(HelpFilePathFor(program, kHtmlHelpFileName),
                                   HelpFilePathFor(program, kWinHelpFileName));
        kind = platform_.RunDataTypeDialog();
        platform_.PrepareHandBack(HandBackCommand(kind));
        if (kind != DataSourceKind::kCancelled) {
            RunSource(kind);
            if (counters_.selectedEntryCount == 0)
                Warn(msg::kNoEntry);
            else if (result_.recipients.Empty())
                Warn(msg::kNoFaxInSelection);
            else
                ConfirmAndExport(kind);
        }
    }

    if (hasHost)
        platform_.HandBackToHost(HandBackCommand(kind));
}

void ImportSession::RunSource(DataSourceKind kind)
{
    switch (kind) {
    case DataSourceKind::kCsvManual:
    case DataSourceKind::kCsvAuto:
    case DataSourceKind::kSpeedDial:
        RunFileSource(kind);
        break;
    case DataSourceKind::kDirectory:
        RunDirectorySource();
        break;
    default:
        RunAddressBookSource(kind);
        break;
    }
}

void ImportSession::RunAddressBookSource(DataSourceKind kind)
{
    AddressBookSource& source = platform_.AddressBooks();
    if (kind == DataSourceKind::kMapiAddressBook) {
        if (source.StartMapiSession())
            PickAndExtract(source);
        source.EndMapiSession();
        return;
    }
    std::string wabFile;
    if (kind == DataSourceKind::kWabFile && !platform_.ChooseSourceFile(kind, wabFile))
        return;
    if (wabFile.size() > kMaxWabFilePathBytes) {
        // The chooser takes longer paths than the WAB does: refused, not cut.
        platform_.ShowMessage(FillIn(msg::kWabPathTooLong, wabFile), msg::kCaptionWabError, MessageIcon::kError);
        return;
    }
    if (source.OpenWab(wabFile))
        PickAndExtract(source);
    else
        platform_.ShowMessage(
            FillIn(msg::kWabOpenFailed, kind == DataSourceKind::kWabFile ? wabFile : "Default WAB File"),
            msg::kCaptionWabError, MessageIcon::kError);
    source.CloseWab();
}

void ImportSession::PickAndExtract(AddressBookSource& source)
{
    std::vector<AddressEntryRef> picked;
    if (!source.ShowAddressDialog(picked) || picked.empty())
        return;
    const std::unique_ptr<ProgressNotice> notice = source.ShowProgressNotice();
    FaxExtraction extraction(source.Book(), result_, counters_, platform_.CodePage());
    extraction.StopWhen([&notice] { return notice->StopRequested(); });
    extraction.ExtractFaxEntries(picked);
}

void ImportSession::RunDirectorySource()
{
    DirectoryService& directory = platform_.Directory();
    DirectoryReading reading;
    std::string message;
    if (!ReadDirectory(directory, platform_.CodePage(), reading, message)) {
        if (!message.empty())
            platform_.ShowMessage(message, msg::kCaptionDirectoryError, MessageIcon::kError);
        return;
    }
    if (!directory.SelectRecipients(reading.server, reading.entries, result_))
        return;
    const int chosen = static_cast<int>(result_.EntryCount());
    counters_.selectedEntryCount = chosen;
    counters_.validFaxCount = chosen + reading.numbersLeftOut;
    counters_.rejectedEntryCount = reading.entriesWithoutFax;
    counters_.walkStopped = reading.stopped;
    counters_.sourceIncomplete = reading.incomplete;
}

void ImportSession::RunFileSource(DataSourceKind kind)
{
    std::string sourcePath;
    if (!platform_.ChooseSourceFile(kind, sourcePath))
        return;
    const ReadOutcome read =
        kind == DataSourceKind::kSpeedDial
            ? ReadSpeedDialFile(platform_.Files(), platform_.SpeedDialUi(), sourcePath, result_, platform_.CodePage())
            : ReadCsvRecipients(platform_.Files(), platform_.CsvUi(), platform_.CodePage(), sourcePath, result_, kind);
    if (!read.Ok()) {
        ReportReaderError(read.status, sourcePath);
        return;
    }
    counters_.selectedEntryCount = read.count;
    counters_.validFaxCount = read.count;
    counters_.rejectedEntryCount = read.rejected;
}

void ImportSession::ReportReaderError(ReadStatus status, const std::string& sourcePath)
{
    platform_.ShowMessage(FillIn(ReaderErrorFormat(status), sourcePath, std::to_string(kMaxEntryCount)),
                          msg::kCaptionCsvError, MessageIcon::kError);
}

void ImportSession::ConfirmAndExport(DataSourceKind kind)
{
    if (!platform_.RunConfirmDialog(result_, counters_, kind) || exportPath_.empty()) {
        Warn(msg::kNoEntry);
        return;
    }
    std::string error;
    if (!WriteExportFile(platform_.Files(), exportPath_, result_, kind, error))
        platform_.ShowMessage(FillIn(msg::kExportWriteFailed, exportPath_, error), msg::kCaptionImport,
                              MessageIcon::kError);
}

void ImportSession::Warn(const char* text)
{
    platform_.ShowMessage(text, msg::kCaptionImport, MessageIcon::kWarning);
}
