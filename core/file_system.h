// Files as the readers and the export writer need them; the Win32 build and
// the tests each provide one.
#pragma once

#include <string>
#include <vector>

#include "core/read_outcome.h"

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Reads the whole file into bytes, followed by one zero byte (not counted
    // in the text). Returns kOk, or kCannotOpen, kNoSize, kNoMemory or
    // kNothing.
    virtual ReadStatus ReadWholeFile(const std::string& path, std::vector<char>& bytes) = 0;
    // Removes the temporary files ("fxi*.tmp") that writes interrupted more
    // than an hour ago left in the export file's folder; nothing else.
    virtual void RemoveLeftoverTemporaryFiles(const std::string& exportPath) = 0;
    // Whether path names an existing folder.
    virtual bool FolderExists(const std::string& path) = 0;
    // Replaces the file at path with exactly these bytes, or leaves it as it
    // was and describes the failure in error.
    virtual bool ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes,
                                     std::string& error) = 0;
};
