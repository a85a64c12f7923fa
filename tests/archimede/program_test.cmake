# Runs the built archimede: exit statuses, the streams they use, and the
# language and the decimal separator taken from the environment. Called by
# ctest with -DARCHIMEDE=<path of the program> -DVERSION=<the project's version>.

# archimede ARGS in an environment where only ENV chooses the language and the
# locale.
function(run_archimede)
    cmake_parse_arguments(RUN "" "" "ENV;ARGS" ${ARGN})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=LC_NUMERIC --unset=LANG --unset=LANGUAGE
                --unset=LC_MESSAGES ${RUN_ENV} ${ARCHIMEDE} ${RUN_ARGS}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(status "${status}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_run)
    cmake_parse_arguments(RUN "" "STATUS;OUT;ERR" "ENV;ARGS" ${ARGN})
    run_archimede(ENV ${RUN_ENV} ARGS ${RUN_ARGS})
    if(NOT status EQUAL RUN_STATUS)
        message(SEND_ERROR "${RUN_ENV} archimede ${RUN_ARGS}: status ${status}, expected ${RUN_STATUS}")
    endif()
    if(DEFINED RUN_OUT AND NOT out MATCHES "${RUN_OUT}")
        message(SEND_ERROR "${RUN_ENV} archimede ${RUN_ARGS}: output '${out}' does not match '${RUN_OUT}'")
    endif()
    if(DEFINED RUN_ERR AND NOT err MATCHES "${RUN_ERR}")
        message(SEND_ERROR "${RUN_ENV} archimede ${RUN_ARGS}: error '${err}' does not match '${RUN_ERR}'")
    endif()
endfunction()

# An Italian locale, installed or not, writes a comma; the C locale a point.
# The language follows LANGUAGE, then LC_ALL: the separator only the locale.
set(italian LANGUAGE=it)
expect_run(ENV LC_ALL=it_IT.UTF-8 ARGS 5 STATUS 0 ERR "^$"
           OUT "^Numero lati poligono inscritto e circoscritto: 9,600E\\+01\n3,14103195 < costante < 3,14271460\n$")
expect_run(ENV ${italian} LC_ALL=C ARGS 5 STATUS 0
           OUT "^Numero lati poligono inscritto e circoscritto: 9\\.600E\\+01\n3\\.14103195 < costante < 3\\.14271460\n$")
expect_run(ENV LC_ALL=C ARGS 5 STATUS 0 ERR "^$"
           OUT "^Number of sides of each polygon: 9\\.600E\\+01\n3\\.14103195 < pi < 3\\.14271460\n$")
expect_run(ENV LANGUAGE=en LC_ALL=it_IT.UTF-8 ARGS 5 STATUS 0
           OUT "\n3,14103195 < pi < 3,14271460\n$")
expect_run(ENV LANG=pt_PT.UTF-8 ARGS 3 --tabella STATUS 0
           OUT "^Step +Sides +Lower bound +Upper bound +Difference\n")
# The first language of the list that archimede has, each with its own words.
expect_run(ENV LANGUAGE=pt:it LANG=pt_PT.UTF-8 ARGS 0 STATUS 2
           ERR "^Inserire un numero di iterazioni da 1 a 500\\.\n$")
expect_run(ENV LANG=el_GR.UTF-8 ARGS 5 STATUS 0
           OUT "^Πλήθος πλευρών κάθε πολυγώνου: 9,600E\\+01\n3,14103195 < π < 3,14271460\n$")
# The help, refusals and errors in both languages.
expect_run(ENV ${italian} ARGS --help STATUS 0 OUT "^Uso: archimede PASSI ")
expect_run(ENV LANG=en_US.UTF-8 ARGS --help STATUS 0 OUT "^Usage: archimede STEPS ")
expect_run(ENV ${italian} ARGS 501 STATUS 2 OUT "^$" ERR "^Risultati inattendibili!\n$")
expect_run(ENV LC_ALL=C ARGS 0 STATUS 2 OUT "^$" ERR "^Enter a number of steps from 1 to 500\\.\n$")
expect_run(ENV ${italian} ARGS 3000000000 STATUS 1 OUT "^$"
           ERR "^Errore di run-time '6': Overflow\n$")
expect_run(ENV LC_ALL=C ARGS 3000000000 STATUS 1 OUT "^$" ERR "^Run-time error '6': Overflow\n$")
expect_run(ENV ${italian} ARGS --nessuna STATUS 2 OUT "^$"
           ERR "^archimede: opzione sconosciuta '--nessuna'\\. Vedere 'archimede --help'\\.\n$")
expect_run(ENV LC_ALL=C ARGS --nessuna STATUS 2 OUT "^$"
           ERR "^archimede: unknown option '--nessuna'\\. See 'archimede --help'\\.\n$")
# Results that cannot be written are a failure, and say so.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${italian} ${ARCHIMEDE} 500 --tabella
                OUTPUT_FILE /dev/full RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err MATCHES "^archimede: impossibile scrivere i risultati[^\n]*\n$")
    message(SEND_ERROR "archimede 500 --tabella > /dev/full: status ${status}, error '${err}'")
endif()
string(REPLACE "." "\\." version_pattern "${VERSION}")
expect_run(ENV LC_ALL=C ARGS --version STATUS 0 OUT "^archimede ${version_pattern}\n$")
expect_run(ENV ${italian} LC_ALL=C ARGS --cifre 30 STATUS 0 ERR "^$"
           OUT "\n3\\.141592653589793238462643383279 < costante < 3\\.141592653589793238462643383280\n$")
expect_run(ENV LC_ALL=C ARGS --cifre 30 STATUS 0 ERR "^$"
           OUT "^Number of steps: [0-9]+\nNumber of sides of each polygon: 6\\*2\\^[0-9]+ = [0-9]+\nExtrapolation depth: [0-9]+\n3\\.141592653589793238462643383279 < pi < 3\\.141592653589793238462643383280\n$")
expect_run(ENV ${italian} LC_ALL=it_IT.UTF-8 ARGS --cifre 5 --metodo huygens STATUS 0 ERR "^$"
           OUT "\n3,14159 < costante < 3,14160\n$")
# Under a limit of address space too small for it, a run is refused at once,
# in one line of the user's language (the sanitizers' shadow memory needs
# more address space than any such limit leaves).
if(NOT SANITIZED)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env LANGUAGE=it sh -c "ulimit -v 150000 && exec \"$0\" --cifre 300000 --tabella" ${ARCHIMEDE}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT out STREQUAL ""
       OR NOT err MATCHES "^archimede: memoria insufficiente per 300000 cifre con la tabella[^\n]*\n$")
        message(SEND_ERROR "ulimit -v 150000; archimede --cifre 300000 --tabella: status ${status}, error '${err}'")
    endif()
endif()

# What machines read is the same in every language and locale.
foreach(arguments IN ITEMS "2;--formato;csv" "12;--tabella;--formato;json")
    run_archimede(ENV ${italian} LC_ALL=it_IT.UTF-8 ARGS ${arguments})
    set(italian_out "${out}")
    run_archimede(ENV LC_ALL=C ARGS ${arguments})
    if(NOT out STREQUAL italian_out OR out STREQUAL "")
        message(SEND_ERROR "archimede ${arguments}: '${out}' in English, '${italian_out}' in Italian")
    endif()
endforeach()
expect_run(ENV LC_ALL=en_US.UTF-8 ARGS 2 --formato csv STATUS 0
           OUT "^passo,lati,inferiore,superiore,differenza\n2,12,3\\.1058285412302489,")

# Only --cifre needs the ball arithmetic: archimede hands that run to
# archimede-cifre, and loads none of its libraries for any other, as the
# dynamic loader tells on standard error. The run of --cifre shows that it
# would tell.
set(ball_arithmetic "find library=lib(flint|gmp|mpfr|ntl)[-.]")
foreach(arguments IN ITEMS "5" "30;--tabella;--formato;json" "--help" "--cifre;12")
    run_archimede(ENV LC_ALL=C LD_DEBUG=libs ARGS ${arguments})
    if(arguments MATCHES "^--cifre")
        set(expected 1)
    else()
        set(expected 0)
    endif()
    string(REGEX MATCH "${ball_arithmetic}" loaded "${err}")
    if(NOT status EQUAL 0 OR (loaded AND NOT expected) OR (expected AND NOT loaded))
        message(SEND_ERROR "archimede ${arguments}: status ${status}, ball arithmetic loaded: '${loaded}'")
    endif()
endforeach()
