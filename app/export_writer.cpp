#include "app/export_writer.h"

#include <cstring>

#include "app/file_system.h"
#include "csv/text_routines.h"

std::vector<unsigned char> BuildPlainExport(const ImportResult& result)
{
    std::size_t count = result.entryCount;
    if (count > result.recipients.Count())
        count = result.recipients.Count();
    std::vector<unsigned char> bytes(2 + count * kPlainRecordBytes, 0);
    bytes[0] = static_cast<unsigned char>(count & 0xFF);
    bytes[1] = static_cast<unsigned char>(count >> 8);
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

bool WriteExportFile(FileSystem& files, const std::string& exportPath, const ImportResult& result,
                     int kind, std::string& error)
{
    (void)kind; // speed-dial records join here once that source exists
    return files.ReplaceFileContents(exportPath, BuildPlainExport(result), error);
}
