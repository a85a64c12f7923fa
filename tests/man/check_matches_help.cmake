# Every option of `PROGRAM --help` in LANGUAGE (en or it), the names, --name
# or -x, that open a line of its option list, must appear in the page source
# PAGE of that language as \-\-name. The exit statuses of its exit status
# table, when it has one (a row "  N  meaning" each), and the ".B N" tags of
# the page's exit status section must be the same list.
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env LANGUAGE=${LANGUAGE} LC_ALL=C.UTF-8
        "${PROGRAM}" --help
    RESULT_VARIABLE result
    OUTPUT_VARIABLE help)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help: status ${result}")
endif()
file(READ "${PAGE}" page)

string(REGEX MATCHALL "\n  -[-a-z]+(, -[-a-z]+)*" option_lines "${help}")
string(REGEX MATCHALL "-[-a-z]+" options "${option_lines}")
if(NOT options)
    message(FATAL_ERROR "no option found in the help:\n${help}")
endif()
list(APPEND options --version --help)
list(REMOVE_DUPLICATES options)
foreach(option IN LISTS options)
    # groff's \- for each hyphen, and the whole name: -h is not \-\-help.
    string(REPLACE "-" "\\\\-" pattern "${option}")
    if(NOT page MATCHES "${pattern}([^-a-z]|$)")
        message(FATAL_ERROR "${PAGE} does not describe ${option}")
    endif()
endforeach()

string(REGEX MATCH "(Stato d'uscita|Exit status):[^\n]*(\n[^\n]+)*" statuses_paragraph
    "${help}")
if(NOT statuses_paragraph)
    message(STATUS "options: ${options}; no exit status in the help")
    return()
endif()
string(REGEX MATCHALL "\n  [0-9]+ " status_items "${statuses_paragraph}")
set(statuses)
foreach(item IN LISTS status_items)
    string(REGEX REPLACE "[^0-9]" "" status "${item}")
    list(APPEND statuses ${status})
endforeach()
if(NOT statuses)
    message(FATAL_ERROR "no exit status found in the help:\n${help}")
endif()
if(LANGUAGE STREQUAL "it")
    set(section_title "STATO D'USCITA")
else()
    set(section_title "EXIT STATUS")
endif()
string(FIND "${page}" ".SH \"${section_title}\"" section_start)
if(section_start EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no section ${section_title}")
endif()
string(SUBSTRING "${page}" ${section_start} -1 section)
string(REGEX REPLACE "\n\\.SH [^\n]*\n.*" "" section "${section}")
string(REGEX MATCHALL "\n\\.B [0-9]+\n" page_items "${section}")
set(page_statuses)
foreach(item IN LISTS page_items)
    string(REGEX REPLACE "[^0-9]" "" status "${item}")
    list(APPEND page_statuses ${status})
endforeach()
if(NOT page_statuses STREQUAL statuses)
    message(FATAL_ERROR
        "${PAGE} lists the exit statuses ${page_statuses}, the help ${statuses}")
endif()
message(STATUS "options: ${options}; exit statuses: ${statuses}")
