#include "model/mapped_file_guard.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {
namespace {

static_assert(std::atomic<uintptr_t>::is_always_lock_free && std::atomic<uint32_t>::is_always_lock_free &&
              std::atomic<bool>::is_always_lock_free);

MappedFileGuard gSlots[MappedFileGuard::kSlots];
struct sigaction gBefore;  // the handler SIGBUS had before the guard's
uintptr_t gPageMask;

// A SIGBUS that no guard takes, taken as the handler before would have.
void PassOn(int signal, siginfo_t* info, void* context) {
    if (gBefore.sa_handler == SIG_IGN && info->si_code <= 0) return;  // sent by a program, and ignored
    if (gBefore.sa_handler == SIG_DFL || gBefore.sa_handler == SIG_IGN) {
        // The program ends: the signal raised again is blocked until this
        // handler returns, then taken by the default action.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigaction(SIGBUS, &fallback, nullptr);
        raise(SIGBUS);
    } else if ((gBefore.sa_flags & SA_SIGINFO) != 0) {
        gBefore.sa_sigaction(signal, info, context);
    } else {
        gBefore.sa_handler(signal);
    }
}

}  // namespace

void MappedFileGuard::OnBus(int signal, siginfo_t* info, void* context) {
    const int saved = errno;
    const bool taken = info->si_code == BUS_ADRERR && Spoil(reinterpret_cast<uintptr_t>(info->si_addr));
    errno = saved;
    if (!taken) PassOn(signal, info, context);
}

bool MappedFileGuard::Spoil(uintptr_t address) {
    for (MappedFileGuard& slot : gSlots) {
        const uint32_t version = slot.version_.load(std::memory_order_acquire);
        const uintptr_t begin = slot.begin_.load(std::memory_order_relaxed);
        const uintptr_t end = slot.end_.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if ((version & 1) != 0 || slot.version_.load(std::memory_order_relaxed) != version || address < begin ||
            address >= end)
            continue;
        // Marked before the zeros come, so that a thread that reads them
        // finds the mark.
        slot.spoiled_.store(true, std::memory_order_release);
        const uintptr_t page = address & gPageMask;
        return mmap(reinterpret_cast<void*>(page), end - page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                    0) != MAP_FAILED;
    }
    return false;
}

void MappedFileGuard::Publish(uintptr_t begin, uintptr_t end) {
    version_.fetch_add(1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    begin_.store(begin, std::memory_order_relaxed);
    end_.store(end, std::memory_order_relaxed);
    version_.fetch_add(1, std::memory_order_release);
}

bool MappedFileGuard::Install() {
    gPageMask = ~(static_cast<uintptr_t>(sysconf(_SC_PAGESIZE)) - 1);
    if (sigaction(SIGBUS, nullptr, &gBefore) != 0) return false;
    struct sigaction guard {};
    guard.sa_sigaction = OnBus;
    guard.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&guard.sa_mask);
    return sigaction(SIGBUS, &guard, nullptr) == 0;
}

MappedFileGuard* MappedFileGuard::Guard(const char* begin, size_t length, int file, size_t size) {
    static const bool installed = Install();
    if (!installed) return nullptr;
    const int own = fcntl(file, F_DUPFD_CLOEXEC, 0);
    if (own < 0) return nullptr;
    for (MappedFileGuard& slot : gSlots) {
        bool free = false;
        if (!slot.taken_.compare_exchange_strong(free, true, std::memory_order_acquire)) continue;
        slot.descriptor_ = own;
        slot.size_ = size;
        slot.spoiled_.store(false, std::memory_order_relaxed);
        slot.Publish(reinterpret_cast<uintptr_t>(begin), reinterpret_cast<uintptr_t>(begin) + length);
        return &slot;
    }
    close(own);
    return nullptr;
}

void MappedFileGuard::Release(MappedFileGuard* guard) {
    guard->Publish(0, 0);
    close(guard->descriptor_);
    guard->descriptor_ = -1;
    guard->taken_.store(false, std::memory_order_release);
}

bool MappedFileGuard::Intact() const {
    struct stat status {};
    return Whole() && fstat(descriptor_, &status) == 0 && static_cast<size_t>(status.st_size) >= size_;
}

}  // namespace model
