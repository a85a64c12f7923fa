# Installs the build in BUILD_DIR under PREFIX and checks that the
# application's files are where the desktop standards want them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
set(expected
    "${CMAKE_INSTALL_BINDIR}/lavoro1"
    "${CMAKE_INSTALL_BINDIR}/archimede"
    "${CMAKE_INSTALL_LIBEXECDIR}/lavoro1/archimede-cifre"
    "${CMAKE_INSTALL_LIBEXECDIR}/lavoro1/lavoro1-esplora-grafico.so"
    "${CMAKE_INSTALL_LIBEXECDIR}/lavoro1/archimede-immagini"
    "${CMAKE_INSTALL_MANDIR}/man1/lavoro1.1.gz"
    "${CMAKE_INSTALL_MANDIR}/man1/archimede.1.gz"
    "${CMAKE_INSTALL_MANDIR}/it/man1/lavoro1.1.gz"
    "${CMAKE_INSTALL_MANDIR}/it/man1/archimede.1.gz"
    "${CMAKE_INSTALL_DATADIR}/applications/${APP_ID}.desktop"
    "${CMAKE_INSTALL_DATADIR}/metainfo/${APP_ID}.metainfo.xml"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps/${APP_ID}.png"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps/${APP_ID}.png"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
