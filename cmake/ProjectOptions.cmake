# Compiler settings shared by every target of the project, in one place.
#
# Floating point is part of the product: binary64, round to nearest, each
# operation rounded before the next. -ffp-contract=off forbids fusing a
# multiply and an add; nothing here may enable -ffast-math or its parts.

option(LAVORO1_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

# Compiled through ccache where it is installed, unless the caller chose a
# launcher (CMAKE_CXX_COMPILER_LAUNCHER, also read from the environment);
# without it the compiler runs as it is. The sloppiness lets ccache cache the
# files that use the tests' precompiled headers, which it refuses otherwise:
# the header is part of the key whatever its time stamps. The checkout's
# folder is its base, so that another clone of the same sources, as each CI
# run makes, finds what an earlier one compiled. Not for emscripten,
# whose em++ is a script ccache does not know.
option(LAVORO1_CCACHE "Compile through ccache when it is installed" ON)
if(LAVORO1_CCACHE AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER
        AND NOT CMAKE_SYSTEM_NAME STREQUAL "Emscripten")
    find_program(LAVORO1_CCACHE_PROGRAM ccache)
    if(LAVORO1_CCACHE_PROGRAM)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
            CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
            ${LAVORO1_CCACHE_PROGRAM})
    endif()
endif()

function(lavoro1_configure_target target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wconversion -Wshadow
        -ffp-contract=off -fno-fast-math)
    if(LAVORO1_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # A unity build (the sanitizer preset's, for speed) includes each source
    # into one file, where GCC takes a test's fixture in an unnamed namespace
    # for a header's.
    if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
    endif()
    # The libraries are position-independent code, as Qt asks of everything
    # that links it, so that a module (Esplora's chart) can link them too;
    # without semantic interposition, which nothing here relies on, the code
    # is what a position-independent executable gets.
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" AND NOT EMSCRIPTEN)
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
        target_compile_options(${target} PRIVATE -fno-semantic-interposition)
    endif()
endfunction()

# lavoro1_publish_headers(target folder): the target's users include its
# headers as "folder/name.hpp" and see no other folder of the source tree,
# not even one below folder (runtime/host/ is a library of its own, not part
# of runtime/'s). The include root is the target's own, in the build tree:
# folder there is a real folder holding a link to each header of the source
# folder. A header added later is linked when the build next configures.
function(lavoro1_publish_headers target folder)
    set(published ${PROJECT_BINARY_DIR}/include/${target}/${folder})
    # A link to the whole folder, as earlier builds made it, would publish
    # its subfolders: only the link goes, never what it points to.
    if(IS_SYMLINK ${published})
        file(REMOVE ${published})
    endif()
    file(MAKE_DIRECTORY ${published})
    file(GLOB headers CONFIGURE_DEPENDS LIST_DIRECTORIES false
        ${PROJECT_SOURCE_DIR}/${folder}/*.hpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
        cmake_path(GET header FILENAME name)
        if(NOT IS_SYMLINK ${published}/${name})
            file(CREATE_LINK ${header} ${published}/${name} SYMBOLIC)
        endif()
    endforeach()
    # Links to headers since removed from the source folder.
    file(GLOB links LIST_DIRECTORIES false ${published}/*)
    foreach(link IN LISTS links)
        if(IS_SYMLINK ${link} AND NOT EXISTS ${link})
            file(REMOVE ${link})
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${PROJECT_BINARY_DIR}/include/${target})
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
