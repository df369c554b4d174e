#pragma once
// Memory for the large arrays a reading or a conversion fills at once (a
// million records' texts, their depths). Each first touch of a fresh page
// costs a fault, about 10 us on a virtual machine, so a block of a megabyte
// or more is mapped apart, aligned to the system's large pages and marked
// for them: where the system has them, 2 MB come with one fault instead of
// 512. Smaller blocks come from the heap. A block that cannot be had is
// std::bad_alloc, as from the heap.
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace model {

// A test seam, null outside tests: called before a large block is mapped, it
// may throw std::bad_alloc as a failed mapping does.
extern void (*gBeforeLargeBlock)();

void* AllocateBlock(size_t bytes);
void FreeBlock(void* block, size_t bytes) noexcept;

// For standard containers whose arrays grow large.
template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) {}

    T* allocate(size_t n) {
        if (n > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(AllocateBlock(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) noexcept { FreeBlock(p, n * sizeof(T)); }
    // Elements made without a value are left as they are (resize, not assign):
    // a block to be written later is not written twice.
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        if constexpr (sizeof...(Args) == 0) {
            ::new (static_cast<void*>(p)) U;
        } else {
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
        }
    }

    template <class U>
    bool operator==(const LargeAllocator<U>&) const {
        return true;
    }
};

// An array of numbers or characters in large blocks.
template <class T>
using LargeArray = std::vector<T, LargeAllocator<T>>;

}  // namespace model
