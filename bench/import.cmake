add_executable(bench_import ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp)
target_link_libraries(bench_import PRIVATE Pictavio::Ui)
target_include_directories(bench_import PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
pictavio_set_warnings(bench_import)
