#include "faults/allocation_faults.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>

#include "model/large_block.h"

namespace faults {
namespace {

std::atomic<long> gCountdown{-1};  // allocations before the failing one; -1 none
std::atomic<long> gMade{0};
thread_local long tMade = 0;
std::atomic<const long*> gCounted{nullptr};  // the tMade of the one thread counted down; none: all

bool Fails() {
    gMade.fetch_add(1, std::memory_order_relaxed);
    ++tMade;
    const long* counted = gCounted.load(std::memory_order_relaxed);
    if (counted && counted != &tMade) return false;
    return gCountdown.load(std::memory_order_relaxed) >= 0 && gCountdown.fetch_sub(1) == 0;
}

void* Allocate(std::size_t size) {
    if (Fails()) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (Fails()) throw std::bad_alloc();
    const auto align = static_cast<std::size_t>(alignment);
    if (void* p = std::aligned_alloc(align, (size + align - 1) / align * align)) return p;
    throw std::bad_alloc();
}

// Large blocks are mapped apart from the heap: they count as allocations too.
const bool gLargeBlocksCounted = [] {
    model::gBeforeLargeBlock = [] {
        if (Fails()) throw std::bad_alloc();
    };
    return true;
}();

}  // namespace

void FailAllocation(long n) {
    gCounted = nullptr;
    gCountdown = n;
}
void FailAllocationHere(long n) {
    gCountdown = -1;
    gCounted = &tMade;
    gCountdown = n;
}
void Disarm() { gCountdown = -1; }
long Allocations() { return gMade.exchange(0); }
long AllocationsHere() { return std::exchange(tMade, 0); }

}  // namespace faults

void* operator new(std::size_t size) { return faults::Allocate(size); }
void* operator new[](std::size_t size) { return faults::Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return faults::AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return faults::AllocateAligned(size, alignment); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return faults::Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return faults::Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
