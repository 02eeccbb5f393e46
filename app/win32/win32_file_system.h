// Files through KERNEL32: whole-file reads for the readers, and the export
// file replaced atomically so that a failed write never leaves a half file.
#pragma once

#include "core/file_system.h"

class Win32FileSystem : public FileSystem {
public:
    ReadStatus ReadWholeFile(const std::string& path, std::vector<char>& bytes) override;
    bool FolderExists(const std::string& path) override;
    void RemoveLeftoverTemporaryFiles(const std::string& exportPath) override;
    bool ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes,
                             std::string& error) override;
};
