# The same sources give the same program files wherever they are built: the folder of the source
# tree (and of the build trees inside it) stays out of debug information and file names in code.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=")
if(WIN32)
    # The linker would stamp the program file with the time of the link.
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# The steps that stamp what they make with SOURCE_DATE_EPOCH or else a file's time, as Qt's
# resource compiler stamps the icon, take the release's date: a build tree that made them under
# another commit's date, or a checkout with other file times, then makes the same bytes. Being in
# their command, the date makes them again when it changes.
execute_process(COMMAND env LC_ALL=C date --utc --date ${IPVIEW_RELEASE_DATE} +%s
    OUTPUT_VARIABLE ipview_release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "env SOURCE_DATE_EPOCH=${ipview_release_epoch}")
