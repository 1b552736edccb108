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

# Everything the installer carries, in one list (shipped.tsv in the build
# folder), from which the files are staged and the licence notices written,
# and against which the staged files are checked before they are packed
# (CindrelStage.cmake): a file that is not in it cannot ship. A line a file:
# its path as installed, what it is (the notices' section: own, qt, runtime,
# translation, installer) and the file it comes from. What the program needs
# at run time, and nothing more: Qt's four libraries, the Windows platform
# plugin and the Windows style, MinGW's runtime, and Qt's own translations
# of its standard buttons for the program's languages. The Qt prefix layout
# (bin, plugins, translations) is kept, and qt.conf points Qt at it.
set(shipped_rows)
# cindrel_ship(KIND DESTINATION FILE): FILE installed into DESTINATION, and named.
function(cindrel_ship kind destination file)
  install(FILES ${file} DESTINATION ${destination})
  get_filename_component(name ${file} NAME)
  set(shipped_rows "${shipped_rows}${destination}/${name}\t${kind}\t${file}\n" PARENT_SCOPE)
endfunction()
# cindrel_mingw_file(NAME VARIABLE): the path of a file of MinGW-w64's
# runtime, as the compiler finds it.
function(cindrel_mingw_file name variable)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${name}")
  endif()
  set(${variable} ${path} PARENT_SCOPE)
endfunction()

# Cindrel's own: the program, its console twin and its print module (beside
# the program on Windows), qt.conf and the notices.
foreach(target cindrel cindrel_console cindrel_print)
  string(APPEND shipped_rows "${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\town\t-\n")
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = ..\n")
cindrel_ship(own ${CMAKE_INSTALL_BINDIR} ${CMAKE_CURRENT_BINARY_DIR}/qt.conf)
string(APPEND shipped_rows "licences/notices.txt\town\t-\n")

set(qt_prefix ${QT6_INSTALL_PREFIX})
foreach(module Core Gui Widgets PrintSupport)
  cindrel_ship(qt ${CMAKE_INSTALL_BINDIR} ${qt_prefix}/bin/Qt6${module}.dll)
endforeach()
cindrel_ship(qt plugins/platforms ${qt_prefix}/plugins/platforms/qwindows.dll)
cindrel_ship(qt plugins/styles ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  cindrel_mingw_file(${runtime} runtime_path)
  cindrel_ship(runtime ${CMAKE_INSTALL_BINDIR} ${runtime_path})
endforeach()
set(qt_translations_dir /usr/share/qt6/translations)
foreach(language IN LISTS CINDREL_LANGUAGES)
  if(NOT EXISTS ${qt_translations_dir}/qtbase_${language}.qm)
    message(FATAL_ERROR "${qt_translations_dir}/qtbase_${language}.qm is missing (qt6-translations-l10n)")
  endif()
  cindrel_ship(translation translations ${qt_translations_dir}/qtbase_${language}.qm)
endforeach()
# The uninstaller the installer writes into the install folder, made from
# NSIS's own program, one of its stubs.
string(APPEND shipped_rows "Uninstall.exe\tinstaller\t/usr/share/nsis/Stubs\n")
set(CINDREL_SHIPPED ${PROJECT_BINARY_DIR}/shipped.tsv)
file(GENERATE OUTPUT ${CINDREL_SHIPPED} CONTENT "${shipped_rows}")

# What the compiler links into every program and DLL it builds, Qt's too:
# MinGW-w64's C runtime and GCC's start-up code, named in the notices.
set(CINDREL_LINKED)
foreach(part crt2.o dllcrt2.o libmingw32.a libmingwex.a libmoldname.a libmsvcrt.a crtbegin.o crtend.o libgcc.a)
  cindrel_mingw_file(${part} part_path)
  list(APPEND CINDREL_LINKED ${part_path})
endforeach()
# The licence notices of all of the above, in licences/.
include(${CMAKE_CURRENT_LIST_DIR}/Notices.cmake)

# The installer: CPack's NSIS generator, built as a 64-bit installer so that
# it needs no 32-bit Windows layer (wine32) to run, from the project's own
# template (NSIS.template.in here, found first on CMAKE_MODULE_PATH): per
# user by default with no elevation, all users with /AllUsers, upgrades in
# place and from the last release, refuses Windows older than Qt supports,
# and never touches the program's settings.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${CINDREL_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Nicotine dependency test")
set(CPACK_PACKAGE_FILE_NAME ${CINDREL_WINDOWS_PACKAGE})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
# The Apps entry's key, Software\Microsoft\Windows\CurrentVersion\Uninstall\Cindrel
# under HKCU or HKLM: the product code package managers (winget) know it by.
set(CPACK_CINDREL_PRODUCT_CODE ${PROJECT_NAME})
# The key of the last release's Apps entry under HKLM: it was packed by
# CMake's stock template, whose CPACK_PACKAGE_INSTALL_REGISTRY_KEY was this.
set(CPACK_CINDREL_EARLIER_PRODUCT_CODE "${PROJECT_NAME} Installer")
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_NSIS_MUI_ICON ${CINDREL_ICO})
set(CPACK_NSIS_MUI_UNIICON ${CINDREL_ICO})
set(CPACK_NSIS_URL_INFO_ABOUT "${CINDREL_SITE_URL}")
set(CPACK_NSIS_HELP_LINK "${CINDREL_PAGE_URL}${CINDREL_HELP_PAGE_KEY}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")

# The installer's languages and texts: the context "Installer" of the
# program's compiled translations (CINDREL_QM_FILES, from src/ui), made into
# NSIS script at build time. Each shipped language needs the name NSIS knows
# it by.
set(nsis_language_de German)
set(nsis_language_fr French)
set(nsis_language_es Spanish)
get_property(qm_files GLOBAL PROPERTY CINDREL_QM_FILES)
set(nsis_languages)
foreach(language IN LISTS CINDREL_LANGUAGES)
  if(NOT nsis_language_${language})
    message(FATAL_ERROR "The installer has no NSIS language for '${language}': "
            "set nsis_language_${language} in ${CMAKE_CURRENT_LIST_FILE}")
  endif()
  set(qm ${qm_files})
  list(FILTER qm INCLUDE REGEX "/cindrel_${language}\\.qm$")
  list(APPEND nsis_languages ${language}=${nsis_language_${language}}=${qm})
endforeach()
set(CPACK_CINDREL_NSIS_TEXTS ${CMAKE_CURRENT_BINARY_DIR}/installer-texts.nsh)
add_custom_command(OUTPUT ${CPACK_CINDREL_NSIS_TEXTS}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/nsis_texts.py ${CPACK_CINDREL_NSIS_TEXTS}
          $<TARGET_FILE:Qt6::lupdate> $<TARGET_FILE:Qt6::lconvert>
          ${PROJECT_SOURCE_DIR}/${CINDREL_INSTALLER_TEXTS} ${nsis_languages}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/nsis_texts.py ${PROJECT_SOURCE_DIR}/${CINDREL_INSTALLER_TEXTS} ${qm_files}
  COMMENT "Making the installer's texts from the translations"
  VERBATIM)
add_custom_target(cindrel_installer_texts ALL DEPENDS ${CPACK_CINDREL_NSIS_TEXTS})
add_dependencies(cindrel_installer_texts cindrel_ui_lrelease)

# Every package is made of the same staged files, checked, stripped and
# signed once they are staged (CindrelStage.cmake): each must be named in the
# notices; every executable and DLL loses its symbols, kept as debug files in
# build-windows/debug/ for crash reports, is signed when a key is given, and
# must keep its hardening.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CindrelStage.cmake)
set(CPACK_CINDREL_PYTHON ${Python3_EXECUTABLE})
set(CPACK_CINDREL_NOTICES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/notices.py)
set(CPACK_CINDREL_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_CINDREL_OBJDUMP ${CMAKE_OBJDUMP})
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
