# The render against the encoder's own speed on the reference project.
add_executable(bench_render ${CMAKE_CURRENT_LIST_DIR}/bench_render.cpp)
# The writer alone is the limit, so the bench compiles the engine in.
target_link_libraries(bench_render PRIVATE Pictavio::VidweaveInternal Pictavio::Ui Pictavio::Core
    Pictavio::Docloom Pictavio::Common PkgConfig::FFMPEG Qt5::Widgets)
target_compile_definitions(bench_render PRIVATE
    PICTAVIO_THEMES_DIR="${PICTAVIO_THEMES_DIR}"
    PICTAVIO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PICTAVIO_BENCH_CACHE="${CMAKE_BINARY_DIR}/bench-render")
add_dependencies(bench_render themes)
pictavio_set_warnings(bench_render)
