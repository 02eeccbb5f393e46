// Times the CSV reader on a generated file of at least 100 MB against the
// plainest possible pass over the same bytes: counting line feeds with memchr.
// Both figures come from the same run, so their ratio holds across machines.
// The same rows are timed once more as UTF-8 with multi-byte names, which the
// reader first converts into the code page.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/median_time.h"
#include "core/import_result.h"
#include "csv/csv_reader.h"
#include "support/windows_1252.h"

namespace {

// Accepts the mapping and returns from the selection at once.
class NoDialogs : public CsvDialogs {
public:
    bool MapFields(const std::string&, const std::vector<const char*>&, int& nameIndex, int& faxIndex) override
    {
        nameIndex = 0;
        faxIndex = 2;
        return true;
    }
    bool SelectRecipients(const std::string&, const OfferedEntryTable& entries, ImportResult& result) override
    {
        tableSize = entries.size();
        result.recipients.RemoveAll();
        return true;
    }
    std::size_t tableSize = 0;
};

// A wide export, as address books write them: one fax column among sixty,
// about 1.6 kB a row, and no more rows than one import can take, so the
// reader goes through the whole file.
std::string GenerateCsv(std::size_t minimumBytes, const std::string& namePrefix)
{
    std::string text = "Name,Company,Fax";
    for (int column = 3; column < 60; ++column)
        text += ",Field " + std::to_string(column);
    text += "\r\n";
    std::string rest;
    for (int column = 3; column < 60; ++column)
        rest += ",\"value of field " + std::to_string(column) + ", quoted\"";
    text.reserve(minimumBytes + 4096);
    for (unsigned row = 0; text.size() < minimumBytes && row < 65535; ++row) {
        text += "\"" + namePrefix + std::to_string(row) + ", Jr.\",Company " + std::to_string(row % 977) +
                ",+1 (555) " + std::to_string(1000000 + row) + rest + "\r\n";
    }
    return text;
}

std::vector<char> Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.push_back('\0');
    return bytes;
}

} // namespace

// Median seconds of the reader over a fresh copy of text per run.
double TimeReader(const std::vector<char>& original, const std::string& path, int runs, ReadOutcome& result)
{
    NoDialogs dialogs;
    const Windows1252 codePage;
    std::vector<char> text;
    // The reader cuts its text in place, so each run reads a fresh copy, made
    // before the clock starts.
    return MedianSeconds(
        runs, [&] { text = original; },
        [&] {
            ImportResult importResult;
            result = ReadCsvText(text, dialogs, codePage, path, importResult, DataSourceKind::kCsvAuto);
        });
}

double MemchrSeconds(const std::vector<char>& original, int runs, std::size_t& lines)
{
    return MedianSeconds(runs, [&] {
        lines = 0;
        const char* p = original.data();
        const char* end = p + original.size() - 1;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
            ++lines;
            ++p;
        }
    });
}

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 100;
    // With a second argument the generated file stays there for other readers.
    const bool keep = argc > 2;
    const std::string path = keep ? argv[2] : "/tmp/faximport-bench.csv";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string text = GenerateCsv(megabytes * 1000 * 1000, "Person ");
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const std::vector<char> original = Load(path);
    const double sizeMb = static_cast<double>(original.size() - 1) / 1e6;
    const int runs = 5;

    std::size_t lines = 0;
    const double memchrSeconds = MemchrSeconds(original, runs, lines);
    ReadOutcome result;
    const double readerMedian = TimeReader(original, path, runs, result);
    if (!result.Ok()) {
        std::fprintf(stderr, "the CSV reader failed on %s\n", path.c_str());
        return 1;
    }

    std::printf("file: %.1f MB, %zu lines (median of %d runs)\n", sizeMb, lines, runs);
    std::printf("memchr line count: %8.1f MB/s\n", sizeMb / memchrSeconds);
    std::printf("CSV reader:        %8.1f MB/s (the whole file cut into lines and fields, %d)\n", sizeMb / readerMedian,
                result.count);
    std::printf("ratio reader/memchr time: %.1f\n", readerMedian / memchrSeconds);

    // The same rows in UTF-8, names with two-, three- and four-byte letters.
    std::vector<char> utf8;
    {
        const std::string text =
            GenerateCsv(megabytes * 1000 * 1000, "Zo\xC3\xAB M\xC3\xBCller \xE5\xB1\xB1\xE7\x94\xB0 \xF0\x9F\x93\xA0 ");
        utf8.assign(text.begin(), text.end());
        utf8.push_back('\0');
    }
    const double utf8MemchrSeconds = MemchrSeconds(utf8, runs, lines);
    const double utf8Median = TimeReader(utf8, path, runs, result);
    if (!result.Ok()) {
        std::fprintf(stderr, "the CSV reader failed on the UTF-8 rows\n");
        return 1;
    }
    const double utf8Mb = static_cast<double>(utf8.size() - 1) / 1e6;
    std::printf("UTF-8 file: %.1f MB, %zu lines\n", utf8Mb, lines);
    std::printf("CSV reader, UTF-8: %8.1f MB/s (%d)\n", utf8Mb / utf8Median, result.count);
    std::printf("ratio UTF-8 reader/memchr time: %.1f\n", utf8Median / utf8MemchrSeconds);
    std::printf("ratio UTF-8/ANSI of the two: %.2f\n",
                (utf8Median / utf8MemchrSeconds) / (readerMedian / memchrSeconds));
    if (!keep)
        std::remove(path.c_str());
    return 0;
}
