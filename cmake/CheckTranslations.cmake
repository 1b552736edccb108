# Fails when the .ts files in translations/ are not up to date with the
# sources (runs lupdate, with the build's own options, on copies of them in
# WORK_DIR and compares the copies with the originals), hold an unfinished
# translation, or are missing from the build's list of languages.
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch> -P CheckTranslations.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Translations.cmake)

# A translation in translations/ that the list leaves out would be neither
# built nor checked: the language's line in Translations.cmake is missing.
file(GLOB present RELATIVE ${SOURCE_DIR}/translations ${SOURCE_DIR}/translations/cindrel_*.ts)
foreach(ts IN LISTS present)
  string(REGEX REPLACE "^cindrel_(.*)\\.ts$" "\\1" language ${ts})
  list(FIND CINDREL_LANGUAGES ${language} listed)
  if(listed EQUAL -1)
    message(FATAL_ERROR "translations/${ts} is not shipped: add ${language} to CINDREL_LANGUAGES "
            "in cmake/Translations.cmake")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(language IN LISTS CINDREL_LANGUAGES)
  set(ts ${SOURCE_DIR}/translations/cindrel_${language}.ts)
  if(NOT EXISTS ${ts})
    message(FATAL_ERROR "missing ${ts}")
  endif()
  file(COPY ${ts} DESTINATION ${WORK_DIR})
  list(APPEND copies ${WORK_DIR}/cindrel_${language}.ts)
endforeach()

execute_process(
  COMMAND ${LUPDATE} ${CINDREL_LUPDATE_OPTIONS} -extensions cpp,h ${SOURCE_DIR}/src
          ${SOURCE_DIR}/${CINDREL_INSTALLER_TEXTS} -ts ${copies}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()

set(stale)
foreach(language IN LISTS CINDREL_LANGUAGES)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files
            ${SOURCE_DIR}/translations/cindrel_${language}.ts ${WORK_DIR}/cindrel_${language}.ts
    RESULT_VARIABLE differs)
  if(differs)
    list(APPEND stale cindrel_${language}.ts)
    execute_process(COMMAND diff -u ${SOURCE_DIR}/translations/cindrel_${language}.ts
                            ${WORK_DIR}/cindrel_${language}.ts)
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "not up to date with the sources: ${stale}\n"
          "Run `cmake --build build --target update_translations` and translate what it marks unfinished.")
endif()

# Every message must have its translation, and none may be left unfinished.
foreach(language IN LISTS CINDREL_LANGUAGES)
  file(READ ${SOURCE_DIR}/translations/cindrel_${language}.ts content)
  if(content MATCHES "type=\"unfinished\"")
    list(APPEND stale cindrel_${language}.ts)
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "unfinished translations in: ${stale}")
endif()
message(STATUS "translations up to date: ${CINDREL_LANGUAGES}")
