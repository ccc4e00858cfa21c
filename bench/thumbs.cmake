add_executable(bench_thumbs ${CMAKE_CURRENT_LIST_DIR}/bench_thumbs.cpp)
target_link_libraries(bench_thumbs PRIVATE Pictavio::Core)
target_include_directories(bench_thumbs PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
pictavio_set_warnings(bench_thumbs)
