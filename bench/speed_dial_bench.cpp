// Times the speed-dial reader on a generated export of 65,535 data lines
// against the CSV reader on a CSV file of the same size and row count, in the
// same run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/median_time.h"
#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/import_result.h"
#include "csv/csv_reader.h"
#include "speeddial/speed_dial_reader.h"
#include "support/windows_1252.h"

namespace {

// One file held in memory, so both readers are timed without disk reads.
class MemoryFile : public FileSystem {
public:
    explicit MemoryFile(std::string text) : text_(std::move(text)) {}
    ReadStatus ReadWholeFile(const std::string&, std::vector<char>& bytes) override
    {
        bytes.assign(text_.begin(), text_.end());
        bytes.push_back('\0');
        return ReadStatus::kOk;
    }
    bool FolderExists(const std::string&) override { return false; }
    void RemoveLeftoverTemporaryFiles(const std::string&) override {}
    bool ReplaceFileContents(const std::string&, const std::vector<unsigned char>&, std::string&) override
    {
        return false;
    }

private:
    std::string text_;
};

class AcceptNothing : public CsvDialogs, public SpeedDialDialogs {
public:
    bool MapFields(const std::string&, const std::vector<const char*>&, int&, int&) override { return false; }
    bool SelectRecipients(const std::string&, const OfferedEntryTable&, ImportResult& result) override
    {
        result.recipients.RemoveAll();
        return true;
    }
    bool SelectSpeedDials(const std::string&, const SpeedDialTable&, ImportResult& result) override
    {
        result.recipients.RemoveAll();
        return true;
    }
};

std::string SpeedDialExport(int lines)
{
    std::string text = "*,1,0,2\r\n";
    for (int i = 0; i < lines; ++i) {
        const std::string n = std::to_string(i);
        text += n + ",X,+1 555 " + n + ",Person " + n + ",,,4,,,,,DHWQERH=,P12/5/#3/*,,ExyFH1EDDIWHByASD09BEN==\r\n";
    }
    return text;
}

// A CSV file of the same size and the same number of rows (one entry each),
// its rows padded with a notes column.
std::string CsvOfSize(std::size_t size, int rows)
{
    std::string text = "Name,Fax,Notes\r\n";
    const std::size_t rowBytes = size / static_cast<std::size_t>(rows);
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        std::string row = "Person " + n + ",+1 555 " + n + ",";
        row.append(rowBytes > row.size() + 2 ? rowBytes - row.size() - 2 : 0, 'n');
        text += row + "\r\n";
    }
    return text;
}

} // namespace

int main()
{
    MemoryFile speedDial(SpeedDialExport(65535));
    const std::size_t size = SpeedDialExport(65535).size();
    MemoryFile csv(CsvOfSize(size, 65535));
    AcceptNothing dialogs;
    const Windows1252 codePage;
    const int runs = 7;

    const double speedDialSeconds = MedianSeconds(runs, [&] {
        ImportResult result;
        ReadSpeedDialFile(speedDial, dialogs, "speed.csv", result, codePage);
    });
    const double csvSeconds = MedianSeconds(runs, [&] {
        ImportResult result;
        ReadCsvRecipients(csv, dialogs, codePage, "list.csv", result, DataSourceKind::kCsvAuto);
    });
    std::printf("file size: %.1f MB each (median of %d runs)\n", static_cast<double>(size) / 1e6, runs);
    std::printf("speed-dial reader, 65535 lines: %.1f ms\n", speedDialSeconds * 1e3);
    std::printf("CSV reader, same size:          %.1f ms\n", csvSeconds * 1e3);
    std::printf("ratio speed-dial/CSV: %.2f\n", speedDialSeconds / csvSeconds);
    return 0;
}
