# Compiler settings shared by every target of the project, in one place.
#
# Floating point is part of the product: binary64, round to nearest, each
# operation rounded before the next. -ffp-contract=off forbids fusing a
# multiply and an add; nothing here may enable -ffast-math or its parts.

option(LAVORO1_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(lavoro1_configure_target target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wconversion -Wshadow
        -ffp-contract=off -fno-fast-math)
    if(LAVORO1_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
