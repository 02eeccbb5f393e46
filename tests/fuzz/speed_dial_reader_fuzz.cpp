// The speed-dial reader on arbitrary files, in a single- or a double-byte
// code page, then the export of the chosen records, which runs every field
// codec over the column texts.
#include "app/export_writer.h"
#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "fuzz_input.h"
#include "speeddial/speed_dial_reader.h"
#include "speeddial/speed_dial_selection.h"
#include "support/windows_1252.h"

namespace {

class OneFile : public FileSystem {
public:
    OneFile(const std::uint8_t* data, std::size_t size) : bytes_(data, data + size) {}
    ReadStatus ReadWholeFile(const std::string&, std::vector<char>& bytes) override
    {
        if (bytes_.empty())
            return ReadStatus::kNothing;
        bytes.assign(bytes_.begin(), bytes_.end());
        bytes.push_back('\0');
        return ReadStatus::kOk;
    }
    bool FolderExists(const std::string&) override { return false; }
    void RemoveLeftoverTemporaryFiles(const std::string&) override {}
    bool ReplaceFileContents(const std::string&, const std::vector<unsigned char>&, std::string&) override
    {
        return true;
    }

private:
    std::vector<char> bytes_;
};

class TakeEverything : public SpeedDialDialogs, public SpeedDialSelection::View {
public:
    bool SelectSpeedDials(const std::string&, const SpeedDialTable& table, ImportResult& result) override
    {
        if (!result.recipients.Empty())
            __builtin_trap();
        SpeedDialSelection selection(table, 0);
        std::vector<int> all;
        for (std::size_t i = table.size(); i-- > 0;)
            all.push_back(static_cast<int>(i));
        selection.AddRecords(all, *this);
        selection.StoreChoice(result);
        return true;
    }
    void Appended(const std::string&, int) override {}
    void Removed(int) override {}
    bool AskReplace(const SpeedDialRecord&) override { return answer = !answer; }

private:
    bool answer = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    OneFile file(data, size);
    TakeEverything dialogs;
    ImportResult result;
    // Files of odd size are read in a code page with the lead bytes of 932,
    // so the corpus keeps its meaning.
    Windows1252 codePage;
    if ((size & 1) != 0) {
        codePage.leadBytes.AddRange(0x81, 0x9F);
        codePage.leadBytes.AddRange(0xE0, 0xFC);
    }
    const ReadOutcome read = ReadSpeedDialFile(file, dialogs, "fuzz.csv", result, codePage);
    if (read.count < 0 || read.rejected < 0)
        __builtin_trap();
    if (read.Ok() && read.count > 0) {
        const std::vector<unsigned char> bytes = BuildSpeedDialExport(result);
        if (bytes.size() != 2 + static_cast<std::size_t>(read.count) * sizeof(SpeedDialRecord))
            __builtin_trap();
    }
    return 0;
}
