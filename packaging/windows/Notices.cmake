# The licence notices of the Windows program, made at build time by
# notices.py from the list of everything the installer carries
# (CINDREL_SHIPPED, written by Windows.cmake) and installed as
# licences/notices.txt, where the Licences window reads them
# (CINDREL_NOTICES_FILE in the top-level CMakeLists.txt). Qt's DLLs are named
# with the third-party code compiled into each, from the Qt cache's
# attributions; the files of Debian's packages (MinGW's runtime, Qt's
# translations, NSIS's stub) with their packages' copyright files.

set(CINDREL_NOTICES ${PROJECT_BINARY_DIR}/licences/notices.txt)
# The build tree's programs find it where the installed program does: the
# program beside src/, the tests beside tests/ui/.
set(notices_for_tests ${PROJECT_BINARY_DIR}/tests/licences/notices.txt)
add_custom_command(OUTPUT ${CINDREL_NOTICES} ${notices_for_tests}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/notices.py write ${CINDREL_NOTICES}
    --program ${PROJECT_NAME} ${PROJECT_VERSION} --releases-url ${CINDREL_RELEASES_URL}
    --source-archive ${CINDREL_WINDOWS_QT_SOURCE}.tar --qt ${QT6_INSTALL_PREFIX}
    --shipped ${CINDREL_SHIPPED} --linked ${CINDREL_LINKED}
  COMMAND ${CMAKE_COMMAND} -E copy ${CINDREL_NOTICES} ${notices_for_tests}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/notices.py ${PROJECT_SOURCE_DIR}/scripts/qt-attributions.py
          ${QT6_INSTALL_PREFIX}/attributions/binaries.tsv ${CINDREL_SHIPPED}
  COMMENT "Writing the licence notices"
  VERBATIM)
add_custom_target(cindrel_notices ALL DEPENDS ${CINDREL_NOTICES} ${notices_for_tests})
install(FILES ${CINDREL_NOTICES} DESTINATION licences)
