#pragma once
// The binary search of the depth and age conversions.

namespace model {

// The first k in 1 .. count for which `reached(k)` holds, count + 1 when none,
// for a `reached` that never turns false again once true. The search halves
// without a branch on the comparison, which random levels would make the
// processor guess wrong half of the time.
template <class Pred>
long FirstReached(long count, Pred reached) {
    if (count <= 0) return 1;
    long base = 1, length = count;
    while (length > 1) {
        const long half = length / 2;
        base += static_cast<long>(!reached(base + half - 1)) * half;
        length -= half;
    }
    return base + static_cast<long>(!reached(base));
}

// FirstReached, looking first where the last search ended and just after it:
// a caller that asks level after level down a core finds most answers there.
// `last` is updated to the answer.
template <class Pred>
long FirstReachedNear(long count, long& last, Pred reached) {
    for (const long k : {last, last + 1})
        if (k >= 1 && k <= count + 1 && (k > count || reached(k)) && (k == 1 || !reached(k - 1))) return last = k;
    return last = FirstReached(count, reached);
}

}  // namespace model
