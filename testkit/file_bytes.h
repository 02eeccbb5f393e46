// Whole-file reads and writes for test data and for checking export files.
#pragma once

#include <string>

namespace testkit {

// The file's bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Replaces the file with exactly these bytes.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Deletes the file if it exists; true when it is gone afterwards.
bool RemoveFile(const std::string& path);
// Creates the folder when it does not exist yet.
bool EnsureDirectory(const std::string& path);

} // namespace testkit
