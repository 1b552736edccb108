# What makes two builds of the same sources give the same bytes, wherever
# they sit and whenever they run.
#
# Paths: the source and build folders are mapped to fixed names in debug
# information, __FILE__ and the like, so the build ids (a hash of the whole
# linked file, debug information included) agree too. The build folder's
# mapping comes last and so wins when it lies inside the source folder.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build
                    -Wdate-time)

# Time: SOURCE_DATE_EPOCH, when the environment sets it (as Debian's package
# builds do); otherwise the time of the commit being built, from git or, in a
# source tarball made by git archive, from cmake/commit-time.txt; otherwise
# the release date. The package's file times come from it (see packaging/).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/commit-time.txt cindrel_archived_commit_time LIMIT_COUNT 1)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CINDREL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(cindrel_archived_commit_time MATCHES "^[0-9]+$")
  set(CINDREL_SOURCE_DATE_EPOCH "${cindrel_archived_commit_time}")
else()
  find_package(Git QUIET)
  if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE CINDREL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0)
      set(CINDREL_SOURCE_DATE_EPOCH "")
    endif()
  endif()
  if(NOT CINDREL_SOURCE_DATE_EPOCH)
    execute_process(COMMAND date -u -d "${CINDREL_RELEASE_DATE}" +%s
                    OUTPUT_VARIABLE CINDREL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
if(NOT CINDREL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not \"${CINDREL_SOURCE_DATE_EPOCH}\"")
endif()
message(STATUS "SOURCE_DATE_EPOCH: ${CINDREL_SOURCE_DATE_EPOCH}")
