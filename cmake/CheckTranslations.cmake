# Runs lupdate on a copy of a catalogue and fails if that changes it (a text
# added, changed or removed in the sources and not in the catalogue), if an
# entry is unfinished or if a translation's placeholders are not its
# source's.
# Usage: cmake -DLUPDATE=... -DCATALOGUE=x_en.ts -DSOURCES=a;b -DOPTIONS=...
#        -DWORK_DIR=... -P CheckTranslations.cmake
get_filename_component(name ${CATALOGUE} NAME)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${CATALOGUE} ${WORK_DIR}/${name})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK_DIR}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${output}")
endif()
file(READ ${CATALOGUE} before)
file(READ ${WORK_DIR}/${name} after)
if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u ${CATALOGUE} ${WORK_DIR}/${name})
    message(FATAL_ERROR "${name} is not in step with the sources: "
        "build the target of its library's _lupdate and translate what it adds.")
endif()
string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${after}")
list(LENGTH unfinished count)
if(count GREATER 0)
    message(FATAL_ERROR "${name} has ${count} unfinished entries.")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/CheckPlaceholders.cmake)
