# The desktop entry offers Esplora as an action, and still validates.
# Called by ctest with -DDESKTOP=<configured entry> -DVALIDATE=<desktop-file-validate>.
file(READ "${DESKTOP}" entry)
foreach(expected
        "\nActions=esplora;\n"
        "\n\\[Desktop Action esplora\\]\n"
        "\nName\\[it\\]=Esplora poligoni e convergenza\n"
        "\nExec=lavoro1 --esplora\n")
    if(NOT entry MATCHES "${expected}")
        message(FATAL_ERROR "the desktop entry lacks ${expected}")
    endif()
endforeach()
execute_process(COMMAND "${VALIDATE}" "${DESKTOP}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${status} ${out}${err}")
endif()
