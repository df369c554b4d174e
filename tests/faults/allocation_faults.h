#pragma once
// Allocation that fails on demand, for the tests of this folder only: their
// program replaces the global operator new and delete (allocation_faults.cpp),
// so that any allocation, on any thread, can be the one that finds no memory
// (a large block mapped apart from the heap included).
#include <algorithm>
#include <vector>

namespace faults {

// The allocation `n` allocations from now (0: the next one) throws
// std::bad_alloc, once; the others succeed.
void FailAllocation(long n);
// The same, counting only the allocations of the calling thread, while
// other threads allocate at their own pace.
void FailAllocationHere(long n);
// No allocation fails.
void Disarm();
// Allocations made since the last call.
long Allocations();
// Allocations made by the calling thread since its last call.
long AllocationsHere();

// Fails the allocation chosen, for the life of the object.
class FailingAllocation {
public:
    explicit FailingAllocation(long n) { FailAllocation(n); }
    ~FailingAllocation() { Disarm(); }
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
};

// Which of `count` allocations to fail in turn: every one when there are
// few, else about `spread` of them, the first and the last included.
inline std::vector<long> Chosen(long count, long spread) {
    std::vector<long> chosen;
    const long step = std::max(1L, count / spread);
    for (long n = 0; n < count; n += step) chosen.push_back(n);
    chosen.push_back(count - 1);
    return chosen;
}

}  // namespace faults
