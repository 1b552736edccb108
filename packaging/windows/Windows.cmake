# The Windows program's resources and its NSIS installer, included by
# packaging/CMakeLists.txt in a MinGW-w64 cross build (scripts/windows.sh).
# Every name, the version and the publisher come from the top-level
# CMakeLists.txt, as on Linux.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The icon, made at build time from the PNG icons the Linux desktop gets.
set(icon_dir ${PROJECT_SOURCE_DIR}/src/ui/resources)
set(icon_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND icon_pngs ${icon_dir}/cindrel-${size}.png)
endforeach()
set(CINDREL_ICO ${CMAKE_CURRENT_BINARY_DIR}/cindrel.ico)
add_custom_command(OUTPUT ${CINDREL_ICO}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/png2ico.py ${CINDREL_ICO} ${icon_pngs}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/png2ico.py ${icon_pngs}
  COMMENT "Making the Windows icon"
  VERBATIM)
add_custom_target(cindrel_ico DEPENDS ${CINDREL_ICO})

# Version resource and manifest, compiled into cindrel.exe.
set(CINDREL_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
set(CINDREL_FILE_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
set(CINDREL_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/cindrel.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cindrel.manifest.in ${CINDREL_MANIFEST} @ONLY)
# The console twin cindrel.com (src/console/ConsoleTwin.cpp) carries the same.
foreach(target_and_file cindrel:cindrel.exe cindrel_console:cindrel.com)
  string(REPLACE ":" ";" target_and_file ${target_and_file})
  list(GET target_and_file 0 target)
  list(GET target_and_file 1 CINDREL_RC_FILE_NAME)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/cindrel.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${CINDREL_ICO};${CINDREL_MANIFEST}")
  add_dependencies(${target} cindrel_ico)
endforeach()
# A windowed program: no console window opens beside it.
set_target_properties(cindrel PROPERTIES WIN32_EXECUTABLE ON)

# What the program needs at run time, and nothing more: Qt's four libraries,
# the Windows platform plugin and the Windows style, MinGW's runtime, and
# Qt's own translations of its standard buttons for the program's languages.
# The Qt prefix layout (bin, plugins, translations) is kept, and qt.conf
# points Qt at it.
set(qt_prefix ${QT6_INSTALL_PREFIX})
foreach(module Core Gui Widgets PrintSupport)
  install(FILES ${qt_prefix}/bin/Qt6${module}.dll DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${runtime_path}")
    # The compiler names only the files it links itself; winpthread lives
    # with the target's system libraries.
    find_file(runtime_path_${runtime} ${runtime} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)
    set(runtime_path ${runtime_path_${runtime}})
  endif()
  install(FILES ${runtime_path} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
set(qt_translations_dir /usr/share/qt6/translations)
foreach(language IN LISTS CINDREL_LANGUAGES)
  if(NOT EXISTS ${qt_translations_dir}/qtbase_${language}.qm)
    message(FATAL_ERROR "${qt_translations_dir}/qtbase_${language}.qm is missing (qt6-translations-l10n)")
  endif()
  install(FILES ${qt_translations_dir}/qtbase_${language}.qm DESTINATION translations)
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = ..\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION ${CMAKE_INSTALL_BINDIR})
# The licence notices of all of the above, in licences/.
include(${CMAKE_CURRENT_LIST_DIR}/Notices.cmake)

# The installer: CPack's NSIS generator, built as a 64-bit installer so that
# it needs no 32-bit Windows layer (wine32) to run, from the project's own
# template (NSIS.template.in here, found first on CMAKE_MODULE_PATH): per
# user by default with no elevation, all users with /AllUsers, upgrades in
# place, and never touches the program's settings.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${CINDREL_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Nicotine dependency test")
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
# The Apps entry's key, Software\Microsoft\Windows\CurrentVersion\Uninstall\Cindrel
# under HKCU or HKLM: the product code package managers (winget) know it by.
set(CPACK_CINDREL_PRODUCT_CODE ${PROJECT_NAME})
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_NSIS_MUI_ICON ${CINDREL_ICO})
set(CPACK_NSIS_MUI_UNIICON ${CINDREL_ICO})
set(CPACK_NSIS_URL_INFO_ABOUT "${CINDREL_SITE_URL}")
set(CPACK_NSIS_HELP_LINK "${CINDREL_PAGE_URL}${CINDREL_HELP_PAGE_KEY}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")

# Every package is made of the same staged files, stripped and signed once
# they are staged (CindrelStage.cmake): every executable and DLL loses its
# symbols, kept as debug files in build-windows/debug/ for crash reports,
# and Cindrel's own executables are signed when a key is given. The list of
# Cindrel's own (never Qt's or MinGW's) is here; a name that is not staged
# is passed over.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CindrelStage.cmake)
set(CPACK_CINDREL_OWN_BINARIES
    ${CMAKE_INSTALL_BINDIR}/cindrel.exe ${CMAKE_INSTALL_BINDIR}/cindrel.com
    ${CMAKE_INSTALL_BINDIR}/cindrel-print.dll)
set(CPACK_CINDREL_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_CINDREL_STRIP ${CMAKE_STRIP})
set(CPACK_CINDREL_DEBUG_DIR ${CMAKE_BINARY_DIR}/debug)
set(CPACK_CINDREL_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/windows-sign.sh)

# Read by cpack itself: the file times, and the signing of the uninstaller
# and the installer when the environment names a key.
set(CPACK_CINDREL_SOURCE_DATE_EPOCH ${CINDREL_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake)
# The staged files' times are SOURCE_DATE_EPOCH when the packages are made.
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FixedTimes.cmake)
include(CPack)
