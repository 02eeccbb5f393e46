// Times the CSV reader on a generated file of at least 100 MB against the
// plainest possible pass over the same bytes: counting line feeds with memchr.
// Both figures come from the same run, so their ratio holds across machines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/import_result.h"
#include "bench/median_time.h"
#include "csv/csv_reader.h"

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
    bool SelectRecipients(const std::string&, const CsvEntryTable& entries, ImportResult& result) override
    {
        tableSize = entries.size();
        result.entryCount = 0;
        return true;
    }
    std::size_t tableSize = 0;
};

// A wide export, as address books write them: one fax column among sixty,
// about 1.6 kB a row, and no more rows than one import can take, so the
// reader goes through the whole file.
std::string GenerateCsv(std::size_t minimumBytes)
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
        text += "\"Person " + std::to_string(row) + ", Jr.\",Company " + std::to_string(row % 977) + ",+1 (555) " +
                std::to_string(1000000 + row) + rest + "\r\n";
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

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 100;
    // With a second argument the generated file stays there for other readers.
    const bool keep = argc > 2;
    const std::string path = keep ? argv[2] : "/tmp/faximport-bench.csv";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string text = GenerateCsv(megabytes * 1000 * 1000);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const std::vector<char> original = Load(path);
    const double sizeMb = static_cast<double>(original.size() - 1) / 1e6;
    const int runs = 5;

    std::size_t lines = 0;
    const double memchrSeconds = MedianSeconds(runs, [&] {
        lines = 0;
        const char* p = original.data();
        const char* end = p + original.size() - 1;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
            ++lines;
            ++p;
        }
    });

    NoDialogs dialogs;
    std::vector<char> text;
    int result = 0;
    // The reader cuts its text in place, so each run reads a fresh copy, made
    // before the clock starts.
    const double readerMedian = MedianSeconds(
        runs, [&] { text = original; },
        [&] {
            ImportResult importResult;
            int rejected = 0;
            result = ReadCsvText(text, dialogs, path, importResult, rejected, kKindCsvAuto);
        });

    std::printf("file: %.1f MB, %zu lines (median of %d runs)\n", sizeMb, lines, runs);
    std::printf("memchr line count: %8.1f MB/s\n", sizeMb / memchrSeconds);
    std::printf("CSV reader:        %8.1f MB/s (the whole file cut into lines and fields, %d)\n",
                sizeMb / readerMedian, result);
    std::printf("ratio reader/memchr time: %.1f\n", readerMedian / memchrSeconds);
    if (!keep)
        std::remove(path.c_str());
    return 0;
}
