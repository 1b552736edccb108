# The program's translations: the .ts files in translations/ (kept up to date
# from the sources by lupdate), compiled by lrelease into .qm files that the
# program carries as resources under :/i18n.
#
# Included by the top-level CMakeLists.txt and, for the option list alone, by
# cmake/CheckTranslations.cmake, so that the build, the update target and
# the up-to-date check run lupdate alike.

# The languages shipped, each with translations/cindrel_<language>.ts. This
# line is the only list of them: the tests and, through identity.sh, the
# scripts take it from here.
set(CINDREL_LANGUAGES de fr es)
list(JOIN CINDREL_LANGUAGES " " CINDREL_LANGUAGES_WORDS)

# lupdate's options: no source locations or line numbers, so that a .ts file
# changes only when a text does; texts that left the sources are dropped.
set(CINDREL_LUPDATE_OPTIONS
  -locations none -no-obsolete -no-ui-lines -silent
  -extensions cpp,h)

if(NOT CMAKE_SCRIPT_MODE_FILE)
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  set(CINDREL_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
  set(CINDREL_TS_FILES)
  foreach(language IN LISTS CINDREL_LANGUAGES)
    list(APPEND CINDREL_TS_FILES ${CINDREL_TS_DIR}/cindrel_${language}.ts)
  endforeach()

  # cindrel_compile_translations(<qm-files-variable>): rules that compile the
  # .ts files into .qm files in the current binary directory.
  function(cindrel_compile_translations out)
    set(qm_files)
    foreach(ts IN LISTS CINDREL_TS_FILES)
      get_filename_component(name ${ts} NAME_WE)
      set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
      add_custom_command(OUTPUT ${qm}
        COMMAND Qt6::lrelease -silent -removeidentical ${ts} -qm ${qm}
        DEPENDS ${ts} Qt6::lrelease
        COMMENT "Compiling ${name}.ts"
        VERBATIM)
      list(APPEND qm_files ${qm})
    endforeach()
    set(${out} ${qm_files} PARENT_SCOPE)
  endfunction()

  # `cmake --build build --target update_translations` brings the .ts files
  # up to date with the sources; translate what it marks unfinished.
  add_custom_target(update_translations
    COMMAND Qt6::lupdate ${CINDREL_LUPDATE_OPTIONS} ${PROJECT_SOURCE_DIR}/src -ts ${CINDREL_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the translations from the sources"
    VERBATIM)
endif()
