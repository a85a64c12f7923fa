#include "certified/long_numbers.hpp"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace certified {

void keepMemoryForLongNumbers(std::int64_t precisionBits) {
#if defined(__GLIBC__)
    if (precisionBits < longNumberBits) {
        return;
    }
    // Once: the settings are the process's, and a second call would only
    // repeat them. The largest mmap threshold glibc accepts on 64 bits.
    static const bool kept = [] {
        constexpr int mmapThreshold = 32 << 20;
        constexpr int trimThreshold = 1 << 30;
        return mallopt(M_MMAP_THRESHOLD, mmapThreshold) == 1 &&
               mallopt(M_TRIM_THRESHOLD, trimThreshold) == 1;
    }();
    static_cast<void>(kept);
#else
    static_cast<void>(precisionBits);
#endif
}

} // namespace certified
