#pragma once

// What the ball arithmetic does when memory runs out. GMP and FLINT beneath it
// abort the process there (status 134, a line of their own in English); once
// this is called they write line to standard error and end the process with
// status instead. At once: no exception may unwind through their C frames, so
// only for a program whose run leaves nothing to clean up.

#include <string>

namespace certified {

void endProcessWhenMemoryRunsOut(std::string line, int status);

} // namespace certified
