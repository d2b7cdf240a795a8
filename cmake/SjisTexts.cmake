# Japanese texts are written readably as sjis("...") in the sources; the build converts them to
# Shift_JIS. cellvane_sjis_texts(target) runs tools/sjis_text_table over the target's sources
# and gives the target the generated sjis_texts.h that common/sjis_literal.h reads. A text that
# Shift_JIS cannot hold fails this step with its file, line and text.
function(cellvane_sjis_texts target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(scanned)
    foreach(source ${sources})
        if(source MATCHES "\\.(cpp|h)$" AND NOT source MATCHES "sjis_texts\\.h$")
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE path)
            list(APPEND scanned ${path})
        endif()
    endforeach()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_sjis)
    add_custom_command(OUTPUT ${dir}/sjis_texts.h
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND sjis_text_table ${dir}/sjis_texts.h ${scanned}
        DEPENDS sjis_text_table ${scanned}
        COMMENT "Converting the texts of ${target} to Shift_JIS"
        VERBATIM)
    target_sources(${target} PRIVATE ${dir}/sjis_texts.h)
    target_include_directories(${target} PRIVATE ${dir})
    set_property(GLOBAL APPEND PROPERTY CELLVANE_SJIS_TABLES "${target}|${dir}/sjis_texts.h")
endfunction()
