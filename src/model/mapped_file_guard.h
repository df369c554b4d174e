#pragma once
// A mapped file that another program may cut short while it is read: a file
// truncated or rewritten, one on a network share, one an instrument is still
// writing. Reading a page the file no longer has would end the program with
// SIGBUS. Within a guarded mapping such a fault instead puts pages of zeros
// from the faulting page to the mapping's end, so that the reading thread
// reads NULs and goes on, and marks the mapping spoiled. The last page of a
// file cut short reads as NULs after its new end without any fault, so a
// reader that meets NULs, or comes to the end, asks Intact(): the file was
// cut when a page was lost or it is now shorter than it was mapped.
//
// The handler is put in place with the first guard and stays; a SIGBUS
// anywhere else goes on to the handler that was there before (a
// sanitizer's), or ends the program as it would have. Guards are slots of a
// fixed table, taken and read without a lock (the handler may run on any
// thread at any moment); when every slot is taken, nothing is guarded and
// the caller reads the file some other way.
#include <atomic>
#include <cstddef>
#include <cstdint>

#include <signal.h>

namespace model {

class MappedFileGuard {
public:
    static constexpr int kSlots = 64;

    // Guards `length` bytes at `begin`, where the first pages of `file`
    // (then `size` bytes long) are mapped for reading; the guard keeps a
    // descriptor of the file of its own. Null when every slot is taken or
    // no descriptor is left.
    static MappedFileGuard* Guard(const char* begin, size_t length, int file, size_t size);

    // Ends the guard; the mapping is given back after it.
    static void Release(MappedFileGuard* guard);

    // True while no page of the mapping was lost; a lost page stays lost,
    // even when the file grows back.
    bool Whole() const { return !spoiled_.load(std::memory_order_acquire); }

    // Whole, and the file at least as long as it was mapped.
    bool Intact() const;

private:
    static bool Install();
    static void OnBus(int signal, siginfo_t* info, void* context);
    // Zeros in place of the page at `address` and the rest of the guarded
    // mapping it lies in; false when it lies in none.
    static bool Spoil(uintptr_t address);

    // A slot is taken, then its range written under an odd version, so that
    // the handler reads a range whole or passes the slot over.
    void Publish(uintptr_t begin, uintptr_t end);
    std::atomic<bool> taken_{false};
    std::atomic<uint32_t> version_{0};
    std::atomic<uintptr_t> begin_{0}, end_{0};
    std::atomic<bool> spoiled_{false};
    int descriptor_ = -1;
    size_t size_ = 0;
};

}  // namespace model
