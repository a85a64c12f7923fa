# Finds Arb (ball arithmetic) with the libraries it is built on, which ship no
# CMake files of their own. Arb comes in one of two layouts:
#   FLINT 2, Arb a library of its own (Debian 12: libflint-arb-dev): arb.h in
#     the include directory (or its flint/ or arb/ folder), the functions in
#     libflint-arb, which needs libflint beside it;
#   FLINT 3 and later, Arb part of FLINT (Debian 13: libflint-dev): arb.h among
#     FLINT's headers as <flint/arb.h>, the functions in libflint itself.
# FLINT's version, read from flint/flint.h, tells which. The sources write
# #include <arb.h> either way: with FLINT 3 the flint folder is put on the
# include path, and FLINT's headers include each other by relative name.
#
# Defines Arb_FLINT_VERSION and the global imported targets
#   Arb::Arb     arb.h and the library with Arb's functions, with FLINT, MPFR
#                and GMP behind it
#   Arb::MPFR    mpfr.h and libmpfr alone
# so that targets in any folder can link them once one folder has found them.

find_path(Arb_FLINT_INCLUDE_DIR flint/flint.h)
find_library(Arb_FLINT_LIBRARY NAMES flint)
find_path(Arb_MPFR_INCLUDE_DIR mpfr.h)
find_library(Arb_MPFR_LIBRARY NAMES mpfr)
find_library(Arb_GMP_LIBRARY NAMES gmp)

set(Arb_FLINT_VERSION "")
if(Arb_FLINT_INCLUDE_DIR)
    file(STRINGS "${Arb_FLINT_INCLUDE_DIR}/flint/flint.h" Arb_version_line
        REGEX "^#define[ \t]+FLINT_VERSION[ \t]+\"[0-9]")
    string(REGEX MATCH "[0-9]+(\\.[0-9]+)*" Arb_FLINT_VERSION "${Arb_version_line}")
    unset(Arb_version_line)
endif()

if(Arb_FLINT_VERSION VERSION_GREATER_EQUAL 3)
    find_path(Arb_INCLUDE_DIR arb.h
        PATHS "${Arb_FLINT_INCLUDE_DIR}/flint" NO_DEFAULT_PATH)
    set(Arb_LIBRARY "${Arb_FLINT_LIBRARY}")
    set(Arb_behind Arb::MPFR)
else()
    find_path(Arb_INCLUDE_DIR arb.h PATH_SUFFIXES flint arb)
    find_library(Arb_FLINT2_ARB_LIBRARY NAMES flint-arb arb)
    set(Arb_LIBRARY "${Arb_FLINT2_ARB_LIBRARY}")
    set(Arb_behind "${Arb_FLINT_LIBRARY}" Arb::MPFR)
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Arb
    REQUIRED_VARS Arb_LIBRARY Arb_INCLUDE_DIR Arb_FLINT_LIBRARY Arb_FLINT_INCLUDE_DIR
                  Arb_MPFR_LIBRARY Arb_MPFR_INCLUDE_DIR Arb_GMP_LIBRARY
    REASON_FAILURE_MESSAGE
        "FLINT ${Arb_FLINT_VERSION}: Arb is libflint-arb-dev with FLINT 2, libflint-dev from FLINT 3 on")

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
        INTERFACE_LINK_LIBRARIES "${Arb_behind}")
endif()
unset(Arb_behind)

mark_as_advanced(Arb_INCLUDE_DIR Arb_FLINT2_ARB_LIBRARY Arb_FLINT_INCLUDE_DIR Arb_FLINT_LIBRARY
                 Arb_MPFR_INCLUDE_DIR Arb_MPFR_LIBRARY Arb_GMP_LIBRARY)
