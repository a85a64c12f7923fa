# Fails if a translation of CATALOGUE, or a plural form of one, lacks a placeholder of its source (%1,
# %L2, %n) or has one the source does not: the program would show a literal
# "%2" or drop a number.
# Usage: cmake -DCATALOGUE=x_fr.ts -P CheckPlaceholders.cmake (also included
# by CheckTranslations.cmake).
cmake_policy(VERSION 3.25)
set(placeholder_pattern "%L?[0-9]+|%n")

# The distinct placeholders of text, sorted and written "%1 %2", or "none".
function(placeholders_of text out)
    string(REGEX MATCHALL "${placeholder_pattern}" found "${text}")
    list(REMOVE_DUPLICATES found)
    list(SORT found)
    list(JOIN found " " written)
    if(written STREQUAL "")
        set(written none)
    endif()
    set(${out} "${written}" PARENT_SCOPE)
endfunction()

file(READ ${CATALOGUE} catalogue_text)
get_filename_component(catalogue_name ${CATALOGUE} NAME)
set(rest "${catalogue_text}")
set(mismatches "")
# string(FIND)/SUBSTRING rather than a list: texts hold ';' and brackets.
while(TRUE)
    string(FIND "${rest}" "<message" start)
    if(start EQUAL -1)
        break()
    endif()
    string(SUBSTRING "${rest}" ${start} -1 rest)
    string(FIND "${rest}" "</message>" end)
    string(SUBSTRING "${rest}" 0 ${end} message)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
    set(source "${CMAKE_MATCH_1}")
    # A plural message's every form, or the one translation, as a list: no
    # ';' or '[' of a text may split it.
    string(REPLACE ";" "," message "${message}")
    string(REPLACE "[" "(" message "${message}")
    string(REGEX MATCHALL "<numerusform>[^<]*</numerusform>" translations "${message}")
    if(NOT translations)
        string(REGEX MATCH "<translation[^>]*>([^<]*)</translation>" ignored "${message}")
        set(translations "<numerusform>${CMAKE_MATCH_1}</numerusform>")
    endif()
    placeholders_of("${source}" expected)
    foreach(translation IN LISTS translations)
        string(REGEX REPLACE "</?numerusform>" "" translation "${translation}")
        placeholders_of("${translation}" got)
        if(NOT expected STREQUAL got)
            string(APPEND mismatches
                "\n  '${source}': ${expected} in the source, ${got} in the translation")
        endif()
    endforeach()
endwhile()
if(mismatches)
    message(FATAL_ERROR "${catalogue_name}: placeholders differ from the source:${mismatches}")
endif()
