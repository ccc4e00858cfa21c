add_executable(bench_download ${CMAKE_CURRENT_LIST_DIR}/bench_download.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/httptestserver.h)
set_target_properties(bench_download PROPERTIES AUTOMOC ON)
target_link_libraries(bench_download PRIVATE Pictavio::Core Pictavio::Common Qt5::Network Qt5::Test)
target_include_directories(bench_download PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
pictavio_set_warnings(bench_download)
