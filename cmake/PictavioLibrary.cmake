# The three shared libraries alike: versioned, an export header in
# <build>/include/<name>/<name>_export.h, headers under include/, installed for
# run time only (no headers, no link for developers).
function(pictavio_shared_library name)
    cmake_parse_arguments(L "" "ALIAS" "SOURCES;PRIVATE_INCLUDES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} SHARED ${L_SOURCES})
    add_library(Pictavio::${L_ALIAS} ALIAS ${name})
    set_target_properties(${name} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    generate_export_header(${name}
        EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/include/${name}/${name}_export.h)
    target_include_directories(${name}
        PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include ${CMAKE_CURRENT_BINARY_DIR}/include)
    if(L_PRIVATE_INCLUDES)
        target_include_directories(${name} PRIVATE ${L_PRIVATE_INCLUDES})
    endif()
    target_link_libraries(${name} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
    pictavio_set_warnings(${name})
    install(TARGETS ${name} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)
endfunction()
