# Finds Arb (ball arithmetic, Debian's libflint-arb-dev) with the libraries it
# is built on, which ship no CMake or pkg-config files of their own.
#
# Defines the global imported targets
#   Arb::Arb     arb.h and libflint-arb, with FLINT, MPFR and GMP behind it
#   Arb::MPFR    mpfr.h and libmpfr alone
# so that targets in any folder can link them once one folder has found them.

find_path(Arb_INCLUDE_DIR arb.h PATH_SUFFIXES flint arb)
find_library(Arb_LIBRARY NAMES flint-arb arb)
find_path(Arb_FLINT_INCLUDE_DIR flint/flint.h)
find_library(Arb_FLINT_LIBRARY NAMES flint)
find_path(Arb_MPFR_INCLUDE_DIR mpfr.h)
find_library(Arb_MPFR_LIBRARY NAMES mpfr)
find_library(Arb_GMP_LIBRARY NAMES gmp)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Arb
    REQUIRED_VARS Arb_LIBRARY Arb_INCLUDE_DIR Arb_FLINT_LIBRARY Arb_FLINT_INCLUDE_DIR
                  Arb_MPFR_LIBRARY Arb_MPFR_INCLUDE_DIR Arb_GMP_LIBRARY)

if(Arb_FOUND AND NOT TARGET Arb::Arb)
    add_library(Arb::MPFR UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Arb::MPFR PROPERTIES
        IMPORTED_LOCATION "${Arb_MPFR_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Arb_MPFR_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${Arb_GMP_LIBRARY}")

    add_library(Arb::Arb UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Arb::Arb PROPERTIES
        IMPORTED_LOCATION "${Arb_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Arb_INCLUDE_DIR};${Arb_FLINT_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${Arb_FLINT_LIBRARY};Arb::MPFR")
endif()

mark_as_advanced(Arb_INCLUDE_DIR Arb_LIBRARY Arb_FLINT_INCLUDE_DIR Arb_FLINT_LIBRARY
                 Arb_MPFR_INCLUDE_DIR Arb_MPFR_LIBRARY Arb_GMP_LIBRARY)
