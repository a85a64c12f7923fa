#pragma once

// The cause of a failed system call, in a few words of the user's language,
// to end a message that is in that language.

#include "runtime/translatable.hpp"

#include <string>

namespace runtime {

// Ours for the errors that writing files and starting programs meet; for
// any other number, the C library's text where the catalogue of the user's
// language takes it (English does), else the number; in the user's
// language (runtime::translated).
std::string systemErrorText(int error);

} // namespace runtime
