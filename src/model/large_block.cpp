#include "model/large_block.h"

#include <cstdint>

#include <sys/mman.h>

namespace model {
namespace {

constexpr size_t kLargeBlock = size_t{1} << 20;  // from here on a block is mapped apart
constexpr size_t kLargePage = size_t{2} << 20;

size_t Mapped(size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }

}  // namespace

void (*gBeforeLargeBlock)() = nullptr;

// A mapping of a large page more than asked for, cut down to the aligned
// part: an unaligned start would leave the block's first and last pages
// outside any large page.
void* AllocateBlock(size_t bytes) {
    if (bytes < kLargeBlock) return ::operator new(bytes);
    if (gBeforeLargeBlock) gBeforeLargeBlock();
    const size_t length = Mapped(bytes);
    if (length < bytes) throw std::bad_alloc();
    void* region = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<uintptr_t>(region);
    const uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > start) munmap(region, aligned - start);
    if (const size_t tail = start + kLargePage - aligned) munmap(reinterpret_cast<char*>(aligned) + length, tail);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}

void FreeBlock(void* block, size_t bytes) noexcept {
    if (bytes < kLargeBlock) {
        ::operator delete(block);
    } else {
        munmap(block, Mapped(bytes));
    }
}

}  // namespace model
