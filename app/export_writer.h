// Builds and writes the export file the host reads: a 16-bit count, then one
// fixed-size record per entry.
#pragma once

#include <string>
#include <vector>

#include "core/import_result.h"
#include "speeddial/speed_dial_record.h"

class FileSystem;

constexpr std::size_t kPlainRecordBytes = 2 * kTextFieldBytes;

// The file's bytes for kinds 1 to 5: count, then a name and a fax field per
// recipient. Bytes after each terminator are zero.
std::vector<unsigned char> BuildPlainExport(const ImportResult& result);

// The file's bytes after a speed-dial import: count, then the recipients'
// speed-dial records in selection order, each completed by the field codecs
// first. Recipients without a speed-dial entry are left out.
std::vector<unsigned char> BuildSpeedDialExport(const ImportResult& result);

// Writes the export file for kind; false (with error) when it could not be
// written, in which case any earlier file at path is left as it was.
bool WriteExportFile(FileSystem& files, const std::string& exportPath, const ImportResult& result, DataSourceKind kind,
                     std::string& error);
