# Finds Arb (ball arithmetic) with the libraries it is built on, which ship no
# CMake files of their own. Arb comes in one of two layouts:
#   FLINT 2, Arb a library of its own (Debian 12: libflint-arb-dev): arb.h in
#     the include directory (or its flint/ or arb/ folder), the functions in
#     libflint-arb, which needs libflint beside it;
#   FLINT 3 and later, Arb part of FLINT (Debian 13: libflint-dev): arb.h among
#     FLINT's headers as <flint/arb.h>, the functions in libflint itself.
# FLINT's version, read from flint/flint.h, tells which. The sources include
# certified/arb.hpp, which takes <flint/arb.h> where there is one and <arb.h>
# otherwise, so FLINT's own folder is never put on the include path.
#
# Defines Arb_FLINT_VERSION and the global imported targets
#   Arb::Arb     Arb's headers and the library with its functions, with FLINT, MPFR
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

# Arb_INCLUDE_DIR: the folder that holds arb.h or flint/arb.h.
if(Arb_FLINT_VERSION VERSION_GREATER_EQUAL 3)
    find_path(Arb_INCLUDE_DIR flint/arb.h
        PATHS "${Arb_FLINT_INCLUDE_DIR}" NO_DEFAULT_PATH)
    set(Arb_LIBRARY "${Arb_FLINT_LIBRARY}")
    set(Arb_behind Arb::MPFR)
else()
    find_path(Arb_INCLUDE_DIR NAMES arb.h flint/arb.h PATH_SUFFIXES arb)
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

    set(Arb_include_dirs "${Arb_INCLUDE_DIR}" "${Arb_FLINT_INCLUDE_DIR}")
    list(REMOVE_DUPLICATES Arb_include_dirs)
    add_library(Arb::Arb UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Arb::Arb PROPERTIES
        IMPORTED_LOCATION "${Arb_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Arb_include_dirs}"
        INTERFACE_LINK_LIBRARIES "${Arb_behind}")
    unset(Arb_include_dirs)
endif()
unset(Arb_behind)

mark_as_advanced(Arb_INCLUDE_DIR Arb_FLINT2_ARB_LIBRARY Arb_FLINT_INCLUDE_DIR Arb_FLINT_LIBRARY
                 Arb_MPFR_INCLUDE_DIR Arb_MPFR_LIBRARY Arb_GMP_LIBRARY)
