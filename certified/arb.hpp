#pragma once

// Arb's ball arithmetic, in whichever layout it is installed: part of FLINT
// from FLINT 3 on (<flint/arb.h>), a library of its own beside FLINT 2
// (<arb.h>). Only FLINT's parent folder is on the include path, never the
// flint folder itself, whose header names would shadow others.
#if __has_include(<flint/arb.h>)
#include <flint/arb.h>
#else
#include <arb.h>
#endif
