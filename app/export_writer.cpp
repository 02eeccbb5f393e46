#include "app/export_writer.h"

#include <algorithm>
#include <cstring>

#include "core/file_system.h"
#include "core/text_routines.h"
#include "speeddial/speed_dial_codecs.h"

namespace {

void PutCount(std::vector<unsigned char>& bytes, std::size_t count)
{
    bytes[0] = static_cast<unsigned char>(count & 0xFF);
    bytes[1] = static_cast<unsigned char>((count >> 8) & 0xFF);
}

} // namespace

std::vector<unsigned char> BuildPlainExport(const ImportResult& result)
{
    std::size_t count = result.entryCount;
    if (count > result.recipients.Count())
        count = result.recipients.Count();
    std::vector<unsigned char> bytes(2 + count * kPlainRecordBytes, 0);
    PutCount(bytes, count);
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char* record = &bytes[2 + i * kPlainRecordBytes];
        char name[kTextFieldBytes];
        char fax[kTextFieldBytes];
        SplitEntryText(result.recipients.At(i).c_str(), name, fax);
        std::memcpy(record, name, std::strlen(name));
        std::memcpy(record + kTextFieldBytes, fax, std::strlen(fax));
    }
    return bytes;
}

std::vector<unsigned char> BuildSpeedDialExport(const ImportResult& result, const SpeedDialTable& table)
{
    const std::size_t chosen = std::min<std::size_t>(result.entryCount, result.chosenRecords.size());
    std::vector<unsigned char> bytes(2, 0);
    bytes.reserve(2 + chosen * sizeof(SpeedDialRecord));
    std::size_t written = 0;
    for (std::size_t i = 0; i < chosen; ++i) {
        const std::size_t r = result.chosenRecords[i];
        if (r >= table.size())
            continue;
        // The table stays as the reader left it; the export gets a completed copy.
        SpeedDialRecord record = table[r];
        const bool relay = DecodeRelayFax(record, result.relayFaxTexts.At(r).c_str());
        const bool secure = DecodeSecureFax(record, result.secureFaxTexts.At(r).c_str());
        record.featureCode = FeatureCodeFor(relay, secure);
        DecodeFCode(record, result.fCodeTexts.At(r).c_str());
        const unsigned char* raw = reinterpret_cast<const unsigned char*>(&record);
        bytes.insert(bytes.end(), raw, raw + sizeof record);
        ++written;
    }
    PutCount(bytes, written);
    return bytes;
}

bool WriteExportFile(FileSystem& files, const std::string& exportPath, const ImportResult& result, DataSourceKind kind,
                     const SpeedDialTable* table, std::string& error)
{
    if (kind == DataSourceKind::kSpeedDial) {
        if (table == nullptr) {
            error = "No speed-dial records were read.";
            return false;
        }
        return files.ReplaceFileContents(exportPath, BuildSpeedDialExport(result, *table), error);
    }
    return files.ReplaceFileContents(exportPath, BuildPlainExport(result), error);
}
