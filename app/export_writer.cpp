#include "app/export_writer.h"

#include <algorithm>
#include <cstring>

#include "core/file_system.h"
#include "speeddial/speed_dial_codecs.h"

namespace {

void PutCount(std::vector<unsigned char>& bytes, std::size_t count)
{
    bytes[0] = static_cast<unsigned char>(count & 0xFF);
    bytes[1] = static_cast<unsigned char>((count >> 8) & 0xFF);
}

// A text field: the text, at most kMaxTextBytes of it, then zeros (the
// record is zeroed already).
void PutField(unsigned char* field, const std::string& text)
{
    std::memcpy(field, text.data(), std::min<std::size_t>(text.size(), kMaxTextBytes));
}

} // namespace

std::vector<unsigned char> BuildPlainExport(const ImportResult& result)
{
    const std::size_t count = result.EntryCount();
    std::vector<unsigned char> bytes(2 + count * kPlainRecordBytes, 0);
    PutCount(bytes, count);
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char* record = &bytes[2 + i * kPlainRecordBytes];
        const Recipient& recipient = result.recipients.At(i);
        PutField(record, recipient.name);
        PutField(record + kTextFieldBytes, recipient.faxNumber);
    }
    return bytes;
}

std::vector<unsigned char> BuildSpeedDialExport(const ImportResult& result)
{
    std::vector<unsigned char> bytes(2, 0);
    bytes.reserve(2 + result.EntryCount() * sizeof(SpeedDialRecord));
    std::size_t written = 0;
    for (const Recipient& recipient : result.recipients) {
        if (!recipient.speedDial)
            continue;
        // The entry stays as the reader left it; the export gets a completed copy.
        const SpeedDialEntry& entry = *recipient.speedDial;
        SpeedDialRecord record = entry.record;
        const bool relay = DecodeRelayFax(record, entry.relayFax.c_str());
        const bool secure = DecodeSecureFax(record, entry.secureFax.c_str());
        record.featureCode = FeatureCodeFor(relay, secure);
        DecodeFCode(record, entry.fCode.c_str());
        const unsigned char* raw = reinterpret_cast<const unsigned char*>(&record);
        bytes.insert(bytes.end(), raw, raw + sizeof record);
        ++written;
    }
    PutCount(bytes, written);
    return bytes;
}

bool WriteExportFile(FileSystem& files, const std::string& exportPath, const ImportResult& result, DataSourceKind kind,
                     std::string& error)
{
    const std::vector<unsigned char> bytes =
        kind == DataSourceKind::kSpeedDial ? BuildSpeedDialExport(result) : BuildPlainExport(result);
    return files.ReplaceFileContents(exportPath, bytes, error);
}
