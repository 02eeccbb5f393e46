#include "framework/library_loading.h"

#include <cstring>

namespace {

// A full path: "C:\..." or "\\server\...".
bool IsFullPath(const char* name)
{
    return (std::strlen(name) > 2 && name[1] == ':' && (name[2] == '\\' || name[2] == '/')) ||
           std::strncmp(name, "\\\\", 2) == 0;
}

} // namespace

void KeepCurrentFolderOutOfLibrarySearch()
{
    // Windows drops the current folder from LoadLibrary's search once the
    // library folder is set, even to "".
    SetDllDirectoryA("");
}

UniqueModule LoadLibraryOutsideCurrentFolder(const char* name)
{
    // The search flags name exactly the folders to search. They need Windows 8
    // or the library-search update of Windows 7, and older systems refuse them
    // as an invalid parameter: there the plain search applies, from which
    // KeepCurrentFolderOutOfLibrarySearch has already removed the current folder.
    // (Wine keeps the current folder in the plain search whatever it is told.)
    DWORD flags = LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
    if (IsFullPath(name))
        flags |= LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR;
    if (HMODULE module = LoadLibraryExA(name, nullptr, flags))
        return UniqueModule(module);
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    return UniqueModule(LoadLibraryA(name));
}
