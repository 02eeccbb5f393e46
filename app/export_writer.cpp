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

// The record index a speed-dial key names, or -1 when it names none.
long RecordIndexOf(const std::string& key, std::size_t tableSize)
{
    std::size_t digits = 0;
    unsigned long index = 0;
    while (digits < key.size() && key[digits] >= '0' && key[digits] <= '9') {
        index = index * 10 + static_cast<unsigned long>(key[digits] - '0');
        if (index >= tableSize)
            return -1;
        ++digits;
    }
    return digits == 0 ? -1 : static_cast<long>(index);
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

std::vector<unsigned char> BuildSpeedDialExport(const ImportResult& result, SpeedDialTable& table)
{
    const std::size_t keys = std::min<std::size_t>(result.entryCount, result.speedDialKeys.Count());
    std::vector<unsigned char> bytes(2, 0);
    bytes.reserve(2 + keys * sizeof(SpeedDialRecord));
    std::size_t written = 0;
    for (std::size_t i = 0; i < keys; ++i) {
        const long index = RecordIndexOf(result.speedDialKeys.At(i), table.size());
        if (index < 0)
            continue;
        const std::size_t r = static_cast<std::size_t>(index);
        SpeedDialRecord& record = table[r];
        const int relay = DecodeRelayFax(record, result.relayFaxTexts.At(r).c_str());
        const int secure = DecodeSecureFax(record, result.secureFaxTexts.At(r).c_str());
        record.featureCode = FeatureCodeFor(relay, secure);
        DecodeFCode(record, result.fCodeTexts.At(r).c_str());
        const unsigned char* raw = reinterpret_cast<const unsigned char*>(&record);
        bytes.insert(bytes.end(), raw, raw + sizeof record);
        ++written;
    }
    PutCount(bytes, written);
    return bytes;
}

bool WriteExportFile(FileSystem& files, const std::string& exportPath, const ImportResult& result,
                     DataSourceKind kind, SpeedDialTable* table, std::string& error)
{
    if (kind == kKindSpeedDial) {
        if (table == nullptr) {
            error = "No speed-dial records were read.";
            return false;
        }
        return files.ReplaceFileContents(exportPath, BuildSpeedDialExport(result, *table), error);
    }
    return files.ReplaceFileContents(exportPath, BuildPlainExport(result), error);
}
