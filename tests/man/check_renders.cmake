# Formats the page PAGE, in LANGUAGE (en or it), with man, warnings on, as
# lintian does: any message on standard error is a fault. The page must have
# its language's usual sections, and its NAME section must give lexgrog the
# whatis line "NAME - summary".
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
        "${MAN}" --warnings=w -l "${PAGE}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE text
    ERROR_VARIABLE messages)
if(NOT result EQUAL 0 OR NOT messages STREQUAL "")
    message(FATAL_ERROR "man -l ${PAGE} (status ${result}):\n${messages}")
endif()
if(LANGUAGE STREQUAL "it")
    set(sections NOME SINTESI DESCRIZIONE OPZIONI "STATO D'USCITA" "VEDERE ANCHE")
elseif(LANGUAGE STREQUAL "en")
    set(sections NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" "SEE ALSO")
else()
    message(FATAL_ERROR "no section names for the language '${LANGUAGE}'")
endif()
foreach(section IN LISTS sections)
    if(NOT text MATCHES "\n${section}\n")
        message(FATAL_ERROR "${PAGE}: no section ${section}")
    endif()
endforeach()

execute_process(
    COMMAND "${LEXGROG}" "${PAGE}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE whatis
    ERROR_VARIABLE messages)
if(NOT result EQUAL 0 OR NOT whatis MATCHES ": \"${NAME} - [^\"]+\"")
    message(FATAL_ERROR "lexgrog ${PAGE} (status ${result}): ${whatis}${messages}")
endif()
