#pragma once

// The allocator's settings for a calculation on long numbers. Each ball
// operation at a million digits allocates and frees blocks of hundreds of
// kilobytes; glibc's malloc would hand each back to the kernel (mmap above its
// threshold, the top of the heap trimmed above another) and fault it in
// again at the next operation, an eighth of the run's time. Blocks of up to
// 32 MB are kept on the heap instead, and the heap's top is kept once grown.

#include <cstdint>

namespace certified {

// From the first calculation at precisionBits or more on, for the rest of the
// process; nothing below, and nothing where the C library is not glibc.
inline constexpr std::int64_t longNumberBits = std::int64_t{1} << 17;
void keepMemoryForLongNumbers(std::int64_t precisionBits);

} // namespace certified
