#include "certified/out_of_memory.hpp"

#include "certified/arb.hpp"

#include <cstdlib>
#include <gmp.h>
#include <unistd.h>
#include <utility>

namespace certified {
namespace {

// Written before any allocation can fail, read by the functions below only.
std::string outOfMemoryLine;
int outOfMemoryStatus = 1;

[[noreturn]] void endProcess() {
    [[maybe_unused]] const ssize_t written =
        write(STDERR_FILENO, outOfMemoryLine.data(), outOfMemoryLine.size());
    _exit(outOfMemoryStatus);
}

// A null pointer for a zero size is no failure.
void* checked(void* memory, std::size_t size) {
    if (memory == nullptr && size != 0) {
        endProcess();
    }
    return memory;
}

void* allocate(std::size_t size) {
    return checked(std::malloc(size), size);
}

void* allocateZeroed(std::size_t count, std::size_t size) {
    return checked(std::calloc(count, size), count * size);
}

void* reallocate(void* memory, std::size_t size) {
    return checked(std::realloc(memory, size), size);
}

void* reallocateSized(void* memory, std::size_t, std::size_t size) {
    return reallocate(memory, size);
}

void release(void* memory) {
    std::free(memory);
}

void releaseSized(void* memory, std::size_t) {
    std::free(memory);
}

} // namespace

void endProcessWhenMemoryRunsOut(std::string line, int status) {
    outOfMemoryLine = std::move(line);
    outOfMemoryStatus = status;
    // Both default to malloc, realloc and free, so that what was allocated
    // before is released by the same functions.
    mp_set_memory_functions(allocate, reallocateSized, releaseSized);
    __flint_set_memory_functions(allocate, allocateZeroed, reallocate, release);
}

} // namespace certified
