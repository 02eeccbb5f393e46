// Owners for the kernel, module, registry and file search handles the program opens, so
// that every path out of a function closes what it opened exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ModuleFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct RegistryKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct FindCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};

using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;
using UniqueRegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyCloser>;
using UniqueFindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

// CreateFile reports failure with INVALID_HANDLE_VALUE rather than null.
inline UniqueHandle OwnFileHandle(HANDLE handle)
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
