// Reading: open sharing every access (a file open in the program that keeps
// it, or being replaced by it, can still be read), size, one allocation, one
// read. Writing:
// a temporary file in the target's folder, opened without sharing, filled and
// flushed, then moved over the target; on any failure the temporary file is
// deleted and the target keeps its old content.
#include "app/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

#include "framework/handles.h"
#include "framework/wide_text.h"

namespace {

// Temporary files of interrupted writes carry this prefix.
constexpr char kTemporaryPrefix[] = "fxi";

std::string DescribeSystemError(DWORD code)
{
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof(text), nullptr);
    std::string description(text, length);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r' ||
                                    description.back() == ' ' || description.back() == '.'))
        description.pop_back();
    if (description.empty())
        description = "System error " + std::to_string(code);
    return description + ".";
}

// The folder part of path, for the temporary file; "." for a bare file name.
std::string FolderOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos)
        return ".";
    if (cut == 0 || (cut == 2 && path[1] == ':'))
        return path.substr(0, cut + 1); // a drive's or the current drive's root
    return path.substr(0, cut);
}

// Deletes the temporary file unless it has been moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const char* Path() const { return path_.c_str(); }
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

bool WriteAll(HANDLE file, const std::vector<unsigned char>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > 0x10000000u ? 0x10000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// The temporary file names GetTempFileName makes with the prefix "fxi":
// "fxi", one to four hexadecimal digits, ".tmp".
bool IsOwnTemporaryName(const char* name)
{
    if (_strnicmp(name, kTemporaryPrefix, 3) != 0)
        return false;
    const char* p = name + 3;
    const char* digits = p;
    while (std::isxdigit(static_cast<unsigned char>(*p)))
        ++p;
    return p > digits && p - digits <= 4 && _stricmp(p, ".tmp") == 0;
}

std::uint64_t FileTimeValue(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The extended-length form of a full path ("\\?\C:\..." or
// "\\?\UNC\server\share\..."), converted from the ANSI code page the path
// came in; empty for a path that has none (a relative one).
std::wstring ExtendedLengthPath(const std::string& path)
{
    std::wstring prefix;
    std::string rest = path;
    if (path.size() > 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\') {
        prefix = L"\\\\?\\";
    } else if (path.size() > 2 && path.compare(0, 2, "\\\\") == 0 && path[2] != '?' && path[2] != '.') {
        prefix = L"\\\\?\\UNC\\";
        rest.erase(0, 2);
    } else {
        return std::wstring();
    }
    const std::wstring wide = WideFromAnsi(rest);
    return wide.empty() ? std::wstring() : prefix + wide;
}

// Opens an existing file for reading, sharing every access. CreateFileA
// takes paths shorter than MAX_PATH; a longer one, as the file chooser
// returns them, is opened through its extended-length form.
HANDLE OpenForSharedReading(const std::string& path)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    if (path.size() < MAX_PATH)
        return CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::wstring wide = ExtendedLengthPath(path);
    if (wide.empty())
        return INVALID_HANDLE_VALUE;
    return CreateFileW(wide.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

void Win32FileSystem::RemoveLeftoverTemporaryFiles(const std::string& exportPath)
{
    std::string folder = FolderOf(exportPath);
    if (folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    WIN32_FIND_DATAA found;
    const HANDLE first = FindFirstFileA((folder + kTemporaryPrefix + "*.tmp").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE)
        return;
    const UniqueFindHandle search(first);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    constexpr std::uint64_t kOneHour = 60ULL * 60 * 10000000; // in 100 ns steps
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsOwnTemporaryName(found.cFileName) &&
            FileTimeValue(now) - FileTimeValue(found.ftLastWriteTime) > kOneHour)
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search.get(), &found));
}

bool Win32FileSystem::FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ReadStatus Win32FileSystem::ReadWholeFile(const std::string& path, std::vector<char>& bytes)
{
    UniqueHandle file = OwnFileHandle(OpenForSharedReading(path));
    if (!file)
        return ReadStatus::kCannotOpen;

    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return ReadStatus::kNoSize;
    // One read of a DWORD count, into one buffer with room for the terminator.
    const unsigned long long limit =
        std::min<unsigned long long>(bytes.max_size() - 1, std::numeric_limits<DWORD>::max() - 1);
    if (static_cast<unsigned long long>(size.QuadPart) > limit)
        return ReadStatus::kNoMemory;
    const DWORD length = static_cast<DWORD>(size.QuadPart);
    try {
        bytes.assign(static_cast<std::size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return ReadStatus::kNoMemory;
    }

    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), length, &read, nullptr) || read == 0) {
        bytes.clear();
        return ReadStatus::kNothing;
    }
    // A short read is taken as the whole file.
    bytes.resize(static_cast<std::size_t>(read) + 1);
    bytes[read] = '\0';
    return ReadStatus::kOk;
}

bool Win32FileSystem::ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes,
                                          std::string& error)
{
    // An existing file must be one we may overwrite now: not read-only and
    // not held by another program. Renaming over it would otherwise succeed
    // where the file system lets a rename ignore both (as Wine's does).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
            error = DescribeSystemError(ERROR_ACCESS_DENIED);
            return false;
        }
        UniqueHandle existing = OwnFileHandle(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!existing) {
            error = DescribeSystemError(GetLastError());
            return false;
        }
    }

    char temporaryPath[MAX_PATH] = "";
    if (GetTempFileNameA(FolderOf(path).c_str(), kTemporaryPrefix, 0, temporaryPath) == 0) {
        error = DescribeSystemError(GetLastError());
        return false;
    }
    TemporaryFile temporary(temporaryPath); // GetTempFileName created it

    {
        UniqueHandle file = OwnFileHandle(
            CreateFileA(temporary.Path(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            error = DescribeSystemError(GetLastError());
            return false;
        }
    } // closed before the move

    if (!MoveFileExA(temporary.Path(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = DescribeSystemError(GetLastError());
        return false;
    }
    temporary.Keep();
    return true;
}
