# pictavio_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s])
# One Qt Test executable registered with CTest; widgets run offscreen.
if(PICTAVIO_SANITIZER_ENV)
    set(_pictavio_san_env ";${PICTAVIO_SANITIZER_ENV}")
endif()

function(pictavio_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
    # Helpers that tests of several libraries share.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    pictavio_set_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen${_pictavio_san_env}"
        TIMEOUT ${T_TIMEOUT})
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()
