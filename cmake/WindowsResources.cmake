# Icon and version information of a Windows program, from the project's drawing and version.
enable_language(RC)
find_program(VELNIX_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VELNIX_IMAGEMAGICK_CONVERT convert REQUIRED)

# velnix_add_windows_resources(target svg description): the drawing as the program's icon
# (every size Explorer asks for) and a German version resource.
function(velnix_add_windows_resources target svg description)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}-resources")
    set(icon "${dir}/${target}.ico")
    set(sizes 16 20 24 32 40 48 64 256)
    set(pngs)
    set(commands)
    foreach(size IN LISTS sizes)
        list(APPEND pngs "${dir}/icon-${size}.png")
        list(APPEND commands COMMAND "${VELNIX_RSVG_CONVERT}" --width=${size} --height=${size}
             --output "${dir}/icon-${size}.png" "${svg}")
    endforeach()
    add_custom_command(OUTPUT "${icon}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
        ${commands}
        COMMAND "${VELNIX_IMAGEMAGICK_CONVERT}" ${pngs} "${icon}"
        DEPENDS "${svg}"
        VERBATIM)
    set(VELNIX_RC_ICON "${icon}")
    set(VELNIX_RC_NAME "${target}")
    set(VELNIX_RC_DESCRIPTION "${description}")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/version.rc.in" "${dir}/${target}.rc" @ONLY)
    set_source_files_properties("${dir}/${target}.rc" PROPERTIES OBJECT_DEPENDS "${icon}")
    target_sources(${target} PRIVATE "${dir}/${target}.rc")
endfunction()
