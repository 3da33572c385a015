# ipview_gzip(TARGET FILE): builds FILE.gz, compressed at most and without the name and time of
# FILE, so that the same text always gives the same bytes.
function(ipview_gzip target file)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip --best --no-name --keep --force ${file}
        DEPENDS ${file}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()
