#include "certified/arb.hpp"
#include "certified/out_of_memory.hpp"

#include <gtest/gtest.h>

#include <gmp.h>
#include <sys/resource.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizer = true;
#elif defined(__has_feature)
constexpr bool addressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool addressSanitizer = false;
#endif

// 4 GiB of address space, then 8 GiB asked for at once.
void limitAddressSpace() {
    const rlimit limit{rlim_t{1} << 32, rlim_t{1} << 32};
    setrlimit(RLIMIT_AS, &limit);
}
constexpr mp_bitcnt_t eightGibibytesOfBits = mp_bitcnt_t{1} << 36;

TEST(OutOfMemory, GmpAndFlintEndTheProcessWithTheLineInsteadOfAborting) {
    if (addressSanitizer) {
        GTEST_SKIP() << "the sanitizer's allocator reports the failure itself";
    }
    EXPECT_EXIT(
        {
            certified::endProcessWhenMemoryRunsOut("memoria esaurita\n", 1);
            limitAddressSpace();
            mpz_t number;
            mpz_init2(number, eightGibibytesOfBits);
        },
        ::testing::ExitedWithCode(1), "^memoria esaurita\n$");
    EXPECT_EXIT(
        {
            certified::endProcessWhenMemoryRunsOut("memoria esaurita\n", 1);
            limitAddressSpace();
            flint_malloc(eightGibibytesOfBits / 8);
        },
        ::testing::ExitedWithCode(1), "^memoria esaurita\n$");
}

} // namespace
