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

# lavoro1_publish_headers(target folder): the target's users include its
# headers as "folder/name.hpp" and see no other folder of the source tree.
# The include root is the target's own, in the build tree, holding a link to
# folder and nothing else.
function(lavoro1_publish_headers target folder)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# The programs, built in the build tree's bin/ and libexec/lavoro1/ as they
# are installed, so that a program finds its helper programs
# (runtime/helper_program.hpp) the same way in both.
set(LAVORO1_HELPER_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/lavoro1)

function(lavoro1_configure_program target)
    lavoro1_configure_target(${target})
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_BINDIR})
endfunction()

function(lavoro1_configure_helper_program target)
    lavoro1_configure_target(${target})
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${LAVORO1_HELPER_PROGRAM_DIR})
endfunction()
