# The program's translations: the .ts files in translations/, kept up to date
# from the sources by lupdate and compiled by lrelease into .qm files that the
# program carries as resources under :/i18n (qt_add_translations, called in
# src/ui/CMakeLists.txt).
#
# Included by the top-level CMakeLists.txt and, for the language list and
# lupdate's options alone, by cmake/CheckTranslations.cmake, so that the
# update target and the up-to-date check run lupdate alike.

# The languages shipped, each with translations/cindrel_<language>.ts. This
# line is the only list of them: the tests and, through identity.sh, the
# scripts take it from here.
set(CINDREL_LANGUAGES de fr es)
list(JOIN CINDREL_LANGUAGES " " CINDREL_LANGUAGES_WORDS)

# lupdate's options: no source locations or line numbers, so that a .ts file
# changes only when a text does; texts that left the sources are dropped.
set(CINDREL_LUPDATE_OPTIONS -locations none -no-obsolete -no-ui-lines -silent)

# The Windows installer's texts (context "Installer"), read by lupdate with
# the program's sources so that they are translated and checked with them;
# the Windows build makes NSIS language strings of them
# (packaging/windows/Windows.cmake).
set(CINDREL_INSTALLER_TEXTS packaging/windows/installer-texts.h)

if(NOT CMAKE_SCRIPT_MODE_FILE)
  # The host's lupdate and lrelease (QT_HOST_PATH's in a cross build).
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  set(CINDREL_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
  set(CINDREL_TS_FILES)
  foreach(language IN LISTS CINDREL_LANGUAGES)
    list(APPEND CINDREL_TS_FILES ${CINDREL_TS_DIR}/cindrel_${language}.ts)
  endforeach()
  # Every source is read for texts, whichever target builds it, as the
  # up-to-date check reads them.
  file(GLOB_RECURSE CINDREL_TRANSLATED_SOURCES CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
  list(APPEND CINDREL_TRANSLATED_SOURCES ${PROJECT_SOURCE_DIR}/${CINDREL_INSTALLER_TEXTS})
endif()
