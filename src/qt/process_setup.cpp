#include "qt/process_setup.h"

#include <QThreadPool>
#include <sys/resource.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace qtback {
namespace {

// Qt's raster engine hands a tall fill or image copy to the threads of its
// global pool, in parts, and waits for every part: a part handed to a thread
// the system refused to start is never done, and the paint (and Qt's pool at
// the program's end) would wait for ever. So that pool keeps one thread for
// good, started before the program's own drawing threads take what the
// system allows, and starts no other: the parts take turns on it. (Should
// even that thread be refused, the first tall paint waits for ever inside Qt.)
void KeepOneThreadForQtsFills() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    pool->setMaxThreadCount(1);
    pool->start([] {});
}

// Under a limit of address space (ulimit -v), each thread's own malloc arena
// (64 MB of address space set aside at once) takes a share of what the
// program may use, and with the drawing threads most of it: Qt, which does
// not survive an allocation that fails inside it, would run out first. The
// threads share one arena then.
void ShareOneArenaUnderAnAddressLimit() {
#ifdef __GLIBC__
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace

void SetUpProcess() {
    ShareOneArenaUnderAnAddressLimit();
    KeepOneThreadForQtsFills();
}

}  // namespace qtback
