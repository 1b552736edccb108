# The licence notices of everything the Windows program ships that is not its
# own, made at build time by notices.py and installed as licences/notices.txt,
# where the Licences window reads them (CINDREL_NOTICES_FILE in the top-level
# CMakeLists.txt). They come from the Qt cache's attributions (the third-party
# code compiled into each DLL shipped) and from the Debian packages that hold
# MinGW's runtime and Qt's translations. Included by Windows.cmake after the
# files it installs, whose lists these follow.

# Qt's DLLs as the install tree holds them, and the files shipped from Debian's
# packages.
set(notices_qt_dlls bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll
  plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll)
set(notices_runtime)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND notices_runtime ${path})
endforeach()
find_file(notices_winpthread libwinpthread-1.dll PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)
list(APPEND notices_runtime ${notices_winpthread})
set(notices_translations)
foreach(language IN LISTS CINDREL_LANGUAGES)
  list(APPEND notices_translations /usr/share/qt6/translations/qtbase_${language}.qm)
endforeach()

set(CINDREL_NOTICES ${PROJECT_BINARY_DIR}/licences/notices.txt)
# The build tree's programs find it where the installed program does: the
# program beside src/, the tests beside tests/ui/.
set(notices_for_tests ${PROJECT_BINARY_DIR}/tests/licences/notices.txt)
add_custom_command(OUTPUT ${CINDREL_NOTICES} ${notices_for_tests}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/notices.py ${CINDREL_NOTICES}
    --program ${PROJECT_NAME} ${PROJECT_VERSION} --releases-url ${CINDREL_RELEASES_URL}
    --qt ${QT6_INSTALL_PREFIX} --qt-dlls ${notices_qt_dlls}
    --runtime ${notices_runtime} --translations ${notices_translations}
  COMMAND ${CMAKE_COMMAND} -E copy ${CINDREL_NOTICES} ${notices_for_tests}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/notices.py ${PROJECT_SOURCE_DIR}/scripts/qt-attributions.py
          ${QT6_INSTALL_PREFIX}/attributions/binaries.tsv
  COMMENT "Writing the licence notices"
  VERBATIM)
add_custom_target(cindrel_notices ALL DEPENDS ${CINDREL_NOTICES} ${notices_for_tests})
install(FILES ${CINDREL_NOTICES} DESTINATION licences)
