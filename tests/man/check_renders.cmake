# Formats the page PAGE with man, warnings on, as lintian does: any message
# on standard error is a fault. Then the NAME section must give lexgrog the
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
foreach(section NOME SINTESI DESCRIZIONE OPZIONI "STATO D'USCITA" "VEDERE ANCHE")
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
