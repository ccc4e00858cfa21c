# Cost of preparing a photo for a slot and of drawing it on one frame.
add_executable(bench_draw ${CMAKE_CURRENT_LIST_DIR}/bench_draw.cpp)
target_link_libraries(bench_draw PRIVATE Pictavio::Vidweave Pictavio::Common Qt5::Widgets)
pictavio_set_warnings(bench_draw)
