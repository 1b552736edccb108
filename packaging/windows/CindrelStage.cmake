# Run by cpack on the staged files before it packs them (CPACK_PRE_BUILD_SCRIPTS
# in Windows.cmake), so that the installer and every other package hold the
# same files:
# - every staged file must be named in the staged licence notices, or
#   nothing is packed (notices.py check);
# - every executable and DLL is stripped; its symbols go to a debug file of
#   the same path under the build's debug/ folder, which the stripped file
#   names (.gnu_debuglink), for reading crash reports;
# - every executable and DLL, Qt's and MinGW's as well as Cindrel's own, is
#   signed when a key is given (scripts/windows-sign.sh;
#   CPackProjectConfig.cmake has checked the key and said when there is
#   none): Windows' application control (Smart App Control, WDAC) checks
#   each DLL a program loads;
# - each of them, as it ships, must still ask for ASLR with high entropy and
#   for DEP, and keep the base relocation table ASLR needs.
# Stripping adds no time: binutils writes the current time into the header
# of every PE file it rewrites, unless SOURCE_DATE_EPOCH says otherwise, so
# it is given 0, the time the linker leaves (--no-insert-timestamp).

set(stage "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(NOT IS_DIRECTORY "${stage}")
  message(FATAL_ERROR "No staged files at '${stage}'")
endif()
# Packing goes on after this script fails; the staged files are removed so
# that no package comes of them.
macro(fail message)
  file(REMOVE_RECURSE "${stage}")
  message(FATAL_ERROR "${message}")
endmacro()

execute_process(COMMAND "${CPACK_CINDREL_PYTHON}" "${CPACK_CINDREL_NOTICES_SCRIPT}" check "${stage}"
                RESULT_VARIABLE named)
if(NOT named EQUAL 0)
  fail("A staged file has no licence notice")
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

if(NOT "$ENV{CINDREL_SIGN_PKCS12}" STREQUAL "")
  list(TRANSFORM binaries PREPEND "${stage}/" OUTPUT_VARIABLE files)
  execute_process(COMMAND bash "${CPACK_CINDREL_SIGN_SCRIPT}" ${files} RESULT_VARIABLE signed)
  if(NOT signed EQUAL 0)
    fail("Signing failed")
  endif()
endif()

# The PE header's DllCharacteristics: HIGH_ENTROPY_VA 0x20, DYNAMIC_BASE 0x40,
# NX_COMPAT 0x100; and the data directory's base relocation table.
foreach(binary IN LISTS binaries)
  execute_process(COMMAND "${CPACK_CINDREL_OBJDUMP}" -p "${stage}/${binary}" OUTPUT_VARIABLE headers
                  COMMAND_ERROR_IS_FATAL ANY)
  set(characteristics 0)
  if(headers MATCHES "\nDllCharacteristics[ \t]+([0-9a-fA-F]+)\n")
    set(characteristics ${CMAKE_MATCH_1})
  endif()
  math(EXPR hardening "0x${characteristics} & 0x160" OUTPUT_FORMAT HEXADECIMAL)
  if(NOT hardening STREQUAL "0x160")
    fail("${binary} as it ships lacks ASLR with high entropy or DEP (DllCharacteristics ${characteristics})")
  endif()
  if(NOT headers MATCHES "\nEntry 5 [0-9a-fA-F]+ 0*[1-9a-fA-F][0-9a-fA-F]* Base Relocation Directory")
    fail("${binary} as it ships has no base relocation table, without which ASLR cannot move it")
  endif()
endforeach()
message(STATUS "${count} files as they ship keep ASLR with high entropy, DEP and their relocations")
