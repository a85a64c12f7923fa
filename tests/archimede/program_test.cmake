# Runs the built archimede: exit statuses, the streams they use, and the
# decimal separator taken from the environment. Called by ctest with
# -DARCHIMEDE=<path of the program> -DVERSION=<the project's version>.

function(expect_run)
    cmake_parse_arguments(RUN "" "STATUS;OUT;ERR" "ENV;ARGS" ${ARGN})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=LC_NUMERIC --unset=LANG ${RUN_ENV}
                ${ARCHIMEDE} ${RUN_ARGS}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL RUN_STATUS)
        message(SEND_ERROR "archimede ${RUN_ARGS}: status ${status}, expected ${RUN_STATUS}")
    endif()
    if(DEFINED RUN_OUT AND NOT out MATCHES "${RUN_OUT}")
        message(SEND_ERROR "archimede ${RUN_ARGS}: output '${out}' does not match '${RUN_OUT}'")
    endif()
    if(DEFINED RUN_ERR AND NOT err MATCHES "${RUN_ERR}")
        message(SEND_ERROR "archimede ${RUN_ARGS}: error '${err}' does not match '${RUN_ERR}'")
    endif()
endfunction()

# An Italian locale, installed or not, writes a comma; the C locale a point.
expect_run(ENV LC_ALL=it_IT.UTF-8 ARGS 5 STATUS 0 ERR "^$"
           OUT "^Numero lati poligono inscritto e circoscritto: 9,600E\\+01\n3,14103195 < costante < 3,14271460\n$")
expect_run(ENV LC_ALL=C ARGS 5 STATUS 0
           OUT "\n3\\.14103195 < costante < 3\\.14271460\n$")
# Machine formats keep the point whatever the locale.
expect_run(ENV LC_ALL=it_IT.UTF-8 ARGS 2 --formato csv STATUS 0
           OUT "\n2,12,3\\.1058285412302489,")
expect_run(ENV LC_ALL=C ARGS 501 STATUS 2 OUT "^$" ERR "^Risultati inattendibili!\n$")
expect_run(ENV LC_ALL=C ARGS 3000000000 STATUS 1 OUT "^$"
           ERR "^Errore di run-time '6': Overflow\n$")
# Results that cannot be written are a failure, and say so.
execute_process(COMMAND ${ARCHIMEDE} 500 --tabella OUTPUT_FILE /dev/full
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err MATCHES "^archimede: impossibile scrivere i risultati[^\n]*\n$")
    message(SEND_ERROR "archimede 500 --tabella > /dev/full: status ${status}, error '${err}'")
endif()
expect_run(ENV LC_ALL=C ARGS --nessuna STATUS 2 OUT "^$" ERR "^archimede: [^\n]*\n$")
string(REPLACE "." "\\." version_pattern "${VERSION}")
expect_run(ENV LC_ALL=C ARGS --version STATUS 0 OUT "^archimede ${version_pattern}\n$")
expect_run(ENV LC_ALL=C ARGS --cifre 30 STATUS 0 ERR "^$"
           OUT "\n3\\.141592653589793238462643383279 < costante < 3\\.141592653589793238462643383280\n$")
expect_run(ENV LC_ALL=it_IT.UTF-8 ARGS --cifre 5 --metodo huygens STATUS 0 ERR "^$"
           OUT "\n3,14159 < costante < 3,14160\n$")
