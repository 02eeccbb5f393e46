// The buffer rules of MAPI and the WAB as the program must follow them: a
// block comes from AllocateBuffer, further blocks may hang on it through
// AllocateMore, and FreeBuffer of the first block frees them all. The
// allocator counts what is still out and every free of something that was
// never handed out, so the tests can see leaks and wrong frees.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <vector>

namespace doubles {

class BlockAllocator {
public:
    HRESULT Allocate(ULONG size, void** block);
    HRESULT AllocateMore(ULONG size, void* parent, void** block);
    void Free(void* block);

    std::size_t Outstanding() const { return blocks_.size(); }
    std::size_t BadFrees() const { return badFrees_; }

private:
    std::map<void*, std::vector<void*>> blocks_; // first block -> blocks hung on it
    std::size_t badFrees_ = 0;
};

// The one allocator of this library.
BlockAllocator& Allocator();

} // namespace doubles
