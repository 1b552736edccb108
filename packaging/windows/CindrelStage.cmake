# Run by cpack on the staged files before it packs them (CPACK_PRE_BUILD_SCRIPTS
# in Windows.cmake), so that the installer and every other package hold the
# same files:
# - every executable and DLL is stripped; its symbols go to a debug file of
#   the same path under the build's debug/ folder, which the stripped file
#   names (.gnu_debuglink), for reading crash reports;
# - Cindrel's own executables are signed when a key is given
#   (scripts/windows-sign.sh; CPackProjectConfig.cmake has checked the key
#   and said when there is none).
# Neither adds a time: binutils writes the current time into the header of
# every PE file it rewrites, unless SOURCE_DATE_EPOCH says otherwise, so it
# is given 0, the time the linker leaves (--no-insert-timestamp).

set(stage "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(NOT IS_DIRECTORY "${stage}")
  message(FATAL_ERROR "No staged files at '${stage}'")
endif()
file(GLOB_RECURSE binaries LIST_DIRECTORIES false RELATIVE "${stage}"
     "${stage}/*.exe" "${stage}/*.dll" "${stage}/*.com")
list(SORT binaries)
set(binutils ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0)
foreach(binary IN LISTS binaries)
  set(file "${stage}/${binary}")
  set(debug "${CPACK_CINDREL_DEBUG_DIR}/${binary}.debug")
  get_filename_component(debug_dir "${debug}" DIRECTORY)
  file(MAKE_DIRECTORY "${debug_dir}")
  # A DLL keeps what its relocations need.
  set(strip_mode --strip-all)
  if(binary MATCHES "\\.dll$")
    set(strip_mode --strip-unneeded)
  endif()
  execute_process(COMMAND ${binutils} "${CPACK_CINDREL_OBJCOPY}" --only-keep-debug "${file}" "${debug}"
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${binutils} "${CPACK_CINDREL_STRIP}" ${strip_mode} "${file}" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${binutils} "${CPACK_CINDREL_OBJCOPY}" "--add-gnu-debuglink=${debug}" "${file}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
list(LENGTH binaries count)
message(STATUS "Stripped ${count} files; their symbols are in ${CPACK_CINDREL_DEBUG_DIR}")

if("$ENV{CINDREL_SIGN_PKCS12}" STREQUAL "")
  return()
endif()
set(own)
foreach(binary IN LISTS CPACK_CINDREL_OWN_BINARIES)
  if(EXISTS "${stage}/${binary}")
    list(APPEND own "${stage}/${binary}")
  endif()
endforeach()
execute_process(COMMAND bash "${CPACK_CINDREL_SIGN_SCRIPT}" ${own} RESULT_VARIABLE signed)
if(NOT signed EQUAL 0)
  # Packing goes on after this script fails; the files are removed so that
  # no package of unsigned files comes of it.
  file(REMOVE_RECURSE "${stage}")
  message(FATAL_ERROR "Signing failed")
endif()
