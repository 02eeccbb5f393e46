#include "block_allocator.h"

#include <cstdlib>

#include <mapicode.h>

#include "call_log.h"

namespace doubles {

namespace {

void* ZeroedBlock(ULONG size)
{
    return std::calloc(1, size == 0 ? 1 : size);
}

} // namespace

HRESULT BlockAllocator::Allocate(ULONG size, void** block)
{
    if (block == nullptr)
        return MAPI_E_INVALID_PARAMETER;
    *block = ZeroedBlock(size);
    if (*block == nullptr)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    blocks_[*block];
    return S_OK;
}

HRESULT BlockAllocator::AllocateMore(ULONG size, void* parent, void** block)
{
    if (block == nullptr)
        return MAPI_E_INVALID_PARAMETER;
    auto owner = blocks_.find(parent);
    if (owner == blocks_.end()) {
        Log("AllocateMore on a block that AllocateBuffer did not hand out");
        return MAPI_E_INVALID_PARAMETER;
    }
    *block = ZeroedBlock(size);
    if (*block == nullptr)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    owner->second.push_back(*block);
    return S_OK;
}

void BlockAllocator::Free(void* block)
{
    if (block == nullptr)
        return;
    auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        // Freeing it would corrupt the heap: count it and leave it.
        ++badFrees_;
        Log("FreeBuffer of a block that AllocateBuffer did not hand out");
        return;
    }
    for (void* more : found->second)
        std::free(more);
    std::free(found->first);
    blocks_.erase(found);
}

BlockAllocator& Allocator()
{
    static BlockAllocator allocator;
    return allocator;
}

} // namespace doubles
