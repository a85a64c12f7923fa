#pragma once

// --cifre: the bounds of certified/, or with --tabella what each step proves,
// with the progress line of a long run. The one run that needs the ball
// arithmetic's libraries (Arb, FLINT, GMP, MPFR, NTL): archimede-cifre links
// them, and archimede hands it every --cifre run.

#include "archimede/command.hpp"
#include "archimede/options.hpp"

#include <ostream>

namespace archimede {

// A DigitsRun: the run of options (Mode::Digits) from its plan to its last
// line. Throws Interrupted when environment.interrupted is set.
int runDigits(const Options& options, std::ostream& out, std::ostream& err,
              const Environment& environment);

} // namespace archimede
