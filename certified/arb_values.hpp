#pragma once

// Owners of the ball-arithmetic library's values: each is initialised on
// construction and cleared on destruction, so that a calculation may be left
// by an exception at any point without leaking.

#include "certified/arb.hpp"

namespace certified {

template <class Struct, void (*initialise)(Struct*), void (*clear)(Struct*)> class Owned {
public:
    Owned() { initialise(value_); }
    ~Owned() { clear(value_); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    operator Struct*() { return value_; }
    operator const Struct*() const { return value_; }

private:
    Struct value_[1];
};

// Some of the library's init and clear functions are static inline, which
// would give the owners internal linkage and forbid them as members of the
// classes in headers: these forward to them with external linkage.
inline void initialiseBall(arb_struct* x) {
    arb_init(x);
}
inline void clearBall(arb_struct* x) {
    arb_clear(x);
}
inline void initialiseFloat(arf_struct* x) {
    arf_init(x);
}
inline void clearFloat(arf_struct* x) {
    arf_clear(x);
}
inline void initialiseInteger(fmpz* x) {
    fmpz_init(x);
}
inline void clearInteger(fmpz* x) {
    fmpz_clear(x);
}
inline void initialiseMag(mag_struct* x) {
    mag_init(x);
}
inline void clearMag(mag_struct* x) {
    mag_clear(x);
}

using Ball = Owned<arb_struct, initialiseBall, clearBall>; // midpoint and radius
using Float = Owned<arf_struct, initialiseFloat, clearFloat>;
using Integer = Owned<fmpz, initialiseInteger, clearInteger>;
using Mag = Owned<mag_struct, initialiseMag, clearMag>; // an upper bound, rounded up

} // namespace certified
