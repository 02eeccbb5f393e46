// A source file deeper than MAX_PATH, as the file chooser returns such
// paths, is read whole through the program's file system, not refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/win32_file_system.h"

namespace {

// Folders and a file made through extended-length paths, removed again.
class DeepFile {
public:
    void Make(const std::string& folder, const std::string& content)
    {
        path_ = folder;
        for (char part = 'a'; part < 'f'; ++part) {
            path_ += std::string(60, part);
            const bool made = CreateDirectoryW(Wide(path_).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
            ASSERT_TRUE(made) << GetLastError();
            made_.push_back(path_);
            path_ += '\\';
        }
        path_ += "list.csv";
        HANDLE file = CreateFileW(Wide(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~DeepFile()
    {
        DeleteFileW(Wide(path_).c_str());
        for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder)
            RemoveDirectoryW(Wide(*folder).c_str());
    }
    const std::string& Path() const { return path_; }

private:
    static std::wstring Wide(const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }

    std::string path_;
    std::vector<std::string> made_;
};

TEST(LongPaths, AFileDeeperThanMaxPathIsReadWhole)
{
    char temp[MAX_PATH] = "";
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    DeepFile deep;
    deep.Make(temp, "Name,Fax\nAnn,111\n");
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_GT(deep.Path().size(), static_cast<std::size_t>(MAX_PATH));

    std::vector<char> bytes;
    EXPECT_EQ(Win32FileSystem().ReadWholeFile(deep.Path(), bytes), ReadStatus::kOk);
    EXPECT_EQ(std::string(bytes.data()), "Name,Fax\nAnn,111\n");
}

} // namespace
