add_executable(bench_docloom ${CMAKE_CURRENT_LIST_DIR}/bench_docloom.cpp)
target_link_libraries(bench_docloom PRIVATE Pictavio::Docloom Pictavio::Common)
pictavio_set_warnings(bench_docloom)
