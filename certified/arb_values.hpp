#pragma once

// Owners of the ball-arithmetic library's values: each is initialised on
// construction and cleared on destruction, so that a calculation may be left
// by an exception at any point without leaking.

#include <arb.h>

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

using Ball = Owned<arb_struct, arb_init, arb_clear>; // midpoint and radius
using Float = Owned<arf_struct, arf_init, arf_clear>;
using Integer = Owned<fmpz, fmpz_init, fmpz_clear>;

} // namespace certified
