// Buffers go back through the WAB object while one is open, else through
// MAPI32.DLL's allocator, looked up at each use.
#include "addrbook/win32/session_memory.h"

#include "addrbook/win32/entry_point.h"

void SessionMemory::FreeSessionBuffer(void* block) const
{
    if (block == nullptr)
        return;
    if (state_.wabObject) {
        state_.wabObject->FreeBuffer(block);
        return;
    }
    // Without MAPI's allocator the block can only be left behind.
    if (auto release = EntryPoint<MAPIFREEBUFFER>(state_.mapiLibrary.get(), "MAPIFreeBuffer"))
        release(block);
}

void SessionMemory::FreeAddressList(ADRLIST* list) const
{
    if (list == nullptr)
        return;
    for (ULONG i = 0; i < list->cEntries; ++i)
        FreeSessionBuffer(list->aEntries[i].rgPropVals);
    FreeSessionBuffer(list);
}

void SessionMemory::FreeAddressList(SRowSet* rows) const
{
    if (rows == nullptr)
        return;
    for (ULONG i = 0; i < rows->cRows; ++i)
        FreeSessionBuffer(rows->aRow[i].lpProps);
    FreeSessionBuffer(rows);
}
