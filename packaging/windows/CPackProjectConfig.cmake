# Read by cpack before it makes each package of the Windows build
# (CPACK_PROJECT_CONFIG_FILE in Windows.cmake).

# The packed files' times, as in the Debian package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_CINDREL_SOURCE_DATE_EPOCH})
endif()

# The signing key is checked before anything is packed: a wrong password or
# a missing key file stops here, in one line (scripts/windows-sign.sh), and
# no key is said in one line too.
execute_process(COMMAND bash "${CPACK_CINDREL_SIGN_SCRIPT}" --check RESULT_VARIABLE key_checked)
if(NOT key_checked EQUAL 0)
  message(FATAL_ERROR "No package made")
endif()

# With a key in the environment, makensis signs the uninstaller it writes
# into the installer (!uninstfinalize) and the installer itself (!finalize)
# with scripts/windows-sign.sh; a signing that fails fails the package.
set(CPACK_CINDREL_NSIS_SIGNING "")
if(NOT "$ENV{CINDREL_SIGN_PKCS12}$ENV{CINDREL_SIGN_PASSWORD_FILE}" STREQUAL "")
  set(sign "'bash \"${CPACK_CINDREL_SIGN_SCRIPT}\" \"%1\"' = 0")
  set(CPACK_CINDREL_NSIS_SIGNING "  !uninstfinalize ${sign}\n  !finalize ${sign}")
endif()
