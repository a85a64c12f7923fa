# The translations of the user-visible texts, one Qt Linguist catalogue per
# library in translations/, so that work on one folder never touches another's
# catalogue. Italian is the source language: the texts in the code are the
# Italian ones, shown as they are when no translator is installed, so an
# Italian catalogue holds only plural forms. Each catalogue is compiled into a resource of its
# library under :/i18n/, and so into every program that links the library.

# Marks lupdate gets: the Qt-free core marks its texts with
# LAVORO1_TRANSLATABLE (runtime/translatable.hpp), read as QT_TRANSLATE_NOOP,
# or translates them where they are made with runtime::translated, and Qt
# code with runtime::host::translatedText (plurals too: a fourth argument n),
# both read as QCoreApplication::translate.
# No source locations in the catalogues, so that moving a line does not
# change them; texts no longer in the sources are dropped. Includes are
# spelled from the project root, the one include path lupdate is given, so
# that tr() contexts get their namespaces.
set(LAVORO1_LUPDATE_OPTIONS
    -locations none
    -no-obsolete
    -silent
    -tr-function-alias
    QT_TRANSLATE_NOOP+=LAVORO1_TRANSLATABLE,translate+=translated,translate+=translatedText)

# lavoro1_add_translations(TARGET target CATALOGUE name SOURCES files...)
# Catalogues translations/<name>_<language>.ts hold the texts of SOURCES
# (relative to the current folder or absolute), one per language: _en always,
# and any other that is there (_fr.ts, a copy of _en.ts with language="fr").
# An Italian one, _it.ts, holds only the source language's plural forms of the
# texts that have them (tr(text, nullptr, n) with %n), made by lupdate
# -pluralonly: the code's text is one form, Qt needs them all.
# Building <target>_lupdate, or update_translations for every library,
# updates them from the sources. Their .qm files are embedded in target, a Qt
# library: for the Qt-free core, one above it that every program links.
function(lavoro1_add_translations)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET;CATALOGUE" "SOURCES")
    file(GLOB ts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/${arg_CATALOGUE}_*.ts)
    list(APPEND ts ${PROJECT_SOURCE_DIR}/translations/${arg_CATALOGUE}_en.ts)
    list(REMOVE_DUPLICATES ts)
    set(plurals ${PROJECT_SOURCE_DIR}/translations/${arg_CATALOGUE}_it.ts)
    set(translated ${ts})
    list(REMOVE_ITEM translated ${plurals})
    set(sources "")
    foreach(source IN LISTS arg_SOURCES)
        cmake_path(ABSOLUTE_PATH source NORMALIZE)
        list(APPEND sources ${source})
    endforeach()
    qt_add_lupdate(${arg_TARGET} TS_FILES ${translated} SOURCES ${sources}
        INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR} OPTIONS ${LAVORO1_LUPDATE_OPTIONS})
    if(EXISTS ${plurals})
        add_custom_command(TARGET ${arg_TARGET}_lupdate POST_BUILD
            COMMAND Qt6::lupdate ${LAVORO1_LUPDATE_OPTIONS} -pluralonly -I ${PROJECT_SOURCE_DIR}
                ${sources} -ts ${plurals}
            VERBATIM)
    endif()
    # Newer Qt makes this target itself; Debian 12's 6.4 does not.
    if(NOT TARGET update_translations)
        add_custom_target(update_translations)
    endif()
    add_dependencies(update_translations ${arg_TARGET}_lupdate)
    qt_add_lrelease(${arg_TARGET} TS_FILES ${ts} QM_FILES_OUTPUT_VARIABLE qm
        NO_TARGET_DEPENDENCY)
    qt_add_resources(${arg_TARGET} ${arg_CATALOGUE}_translations
        PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm})
    set_property(GLOBAL APPEND PROPERTY LAVORO1_TRANSLATION_CATALOGUES ${arg_CATALOGUE})
    set_property(GLOBAL PROPERTY LAVORO1_TRANSLATION_${arg_CATALOGUE}_SOURCES "${sources}")
    set_property(GLOBAL PROPERTY LAVORO1_TRANSLATION_${arg_CATALOGUE}_FILES "${ts}")
endfunction()

# One test per catalogue and language, from tests/ where testing is enabled:
# lupdate would change nothing and every entry is translated. English keeps
# the name translations_<name>_in_sync, another language is
# translations_<name>_<language>_in_sync.
function(lavoro1_add_translation_tests)
    get_property(catalogues GLOBAL PROPERTY LAVORO1_TRANSLATION_CATALOGUES)
    foreach(catalogue IN LISTS catalogues)
        get_property(sources GLOBAL PROPERTY LAVORO1_TRANSLATION_${catalogue}_SOURCES)
        get_property(files GLOBAL PROPERTY LAVORO1_TRANSLATION_${catalogue}_FILES)
        foreach(file IN LISTS files)
            get_filename_component(stem ${file} NAME_WE)
            string(REGEX REPLACE "_en$" "" test ${stem})
            set(options ${LAVORO1_LUPDATE_OPTIONS})
            if(stem MATCHES "_it$")
                list(APPEND options -pluralonly)
            endif()
            add_test(NAME translations_${test}_in_sync
                COMMAND ${CMAKE_COMMAND}
                    -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                    -DCATALOGUE=${file}
                    "-DSOURCES=${sources}"
                    "-DOPTIONS=${options};-I;${PROJECT_SOURCE_DIR}"
                    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/translations_check/${stem}
                    -P ${PROJECT_SOURCE_DIR}/cmake/CheckTranslations.cmake)
            set_property(TEST translations_${test}_in_sync PROPERTY LABELS static)
        endforeach()
    endforeach()
endfunction()
