# The desktop menu entry, its icon and the software centre's description.
set(_desktop ${CMAKE_CURRENT_LIST_DIR})
set(_id org.pictavio.Pictavio)
set(PICTAVIO_ICON_SIZES 16 32 48 64 128 256)

# Every PNG size is drawn from the one SVG, so that they never drift apart.
find_program(PICTAVIO_RSVG_CONVERT rsvg-convert)
if(NOT PICTAVIO_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert is missing: install librsvg2-bin (scripts/ensure-deps.sh does)")
endif()
set(_icons)
foreach(size ${PICTAVIO_ICON_SIZES})
    set(_png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${_id}.png)
    add_custom_command(
        OUTPUT ${_png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${PICTAVIO_RSVG_CONVERT} -w ${size} -h ${size} -o ${_png} ${_desktop}/${_id}.svg
        DEPENDS ${_desktop}/${_id}.svg
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND _icons ${_png})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(desktop_icons ALL DEPENDS ${_icons})

install(FILES ${_desktop}/${_id}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_desktop}/${_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
