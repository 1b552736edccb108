# Run by cpack before it packs (CPACK_PRE_BUILD_SCRIPTS, after the steps that
# change the staged files): every staged file and folder gets the time
# SOURCE_DATE_EPOCH, because the installer keeps each file's time, and two
# builds of one commit must give the same installer.
execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec
                        touch -h -d "@${CPACK_CINDREL_SOURCE_DATE_EPOCH}" {} +
                COMMAND_ERROR_IS_FATAL ANY)
