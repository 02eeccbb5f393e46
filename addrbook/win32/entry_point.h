// Run-time lookup of a library's exported function. The address book
// libraries are never linked, and every entry point is looked up by name
// when it is used, so a library without it only loses that one call.
#pragma once

#include <windows.h>

// The function named name in module, as a pointer of its declared type
// (Function is the function type, e.g. MAPIINITIALIZE); null when the module
// is not loaded or does not export it.
template <class Function>
Function* EntryPoint(HMODULE module, const char* name)
{
    if (module == nullptr)
        return nullptr;
    const FARPROC address = GetProcAddress(module, name);
    if (address == nullptr)
        return nullptr;
    // Through the generic function pointer type, which GCC accepts as the
    // go-between for casts of unrelated function types.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}
