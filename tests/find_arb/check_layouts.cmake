# FindArb on the two layouts Arb comes in, built as stand-in trees under
# WORK (empty libraries, headers holding just FLINT's version line) and put
# first on CMAKE_PREFIX_PATH; MPFR and GMP come from the system. The FLINT 3
# layout cannot be installed beside FLINT 2, so this is where it is tried.
file(REMOVE_RECURSE "${WORK}")

function(stand_in prefix version)
    file(WRITE "${prefix}/include/flint/flint.h" "#define FLINT_VERSION \"${version}\"\n")
    file(WRITE "${prefix}/lib/libflint.so" "")
    foreach(file IN LISTS ARGN)
        file(WRITE "${prefix}/${file}" "")
    endforeach()
endfunction()

# prefix, then the expected lines of arb_targets.txt
function(expect_found prefix)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -S "${PROBE}" -B "${prefix}/build" -G "${GENERATOR}"
            "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
            "-DCMAKE_MODULE_PATH=${MODULES}" "-DCMAKE_PREFIX_PATH=${prefix}"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${prefix}: Arb not found\n${output}")
    endif()
    file(STRINGS "${prefix}/build/arb_targets.txt" found)
    if(NOT found STREQUAL ARGN)
        string(REPLACE ";" "\n  " found "${found}")
        string(REPLACE ";" "\n  " expected "${ARGN}")
        message(FATAL_ERROR "${prefix}:\nfound\n  ${found}\nexpected\n  ${expected}")
    endif()
endfunction()

set(flint2 "${WORK}/flint2")
stand_in("${flint2}" 2.9.0 include/arb.h lib/libflint-arb.so)
expect_found("${flint2}"
    "FLINT=2.9.0"
    "IMPORTED_LOCATION=${flint2}/lib/libflint-arb.so"
    "INTERFACE_INCLUDE_DIRECTORIES=${flint2}/include"
    "INTERFACE_LINK_LIBRARIES=${flint2}/lib/libflint.so|Arb::MPFR")

# arb.h in the flint folder only, which stays off the include path; a stray
# libflint-arb must not be taken.
set(flint3 "${WORK}/flint3")
stand_in("${flint3}" 3.2.1 include/flint/arb.h lib/libflint-arb.so)
expect_found("${flint3}"
    "FLINT=3.2.1"
    "IMPORTED_LOCATION=${flint3}/lib/libflint.so"
    "INTERFACE_INCLUDE_DIRECTORIES=${flint3}/include"
    "INTERFACE_LINK_LIBRARIES=Arb::MPFR")

file(REMOVE_RECURSE "${WORK}")
