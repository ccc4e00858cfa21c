# The translations, the "open the folder" call and the preview's sound are the
# program's own; Test is asked for only where tests or benchmarks are built.
find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network LinguistTools DBus Multimedia)
if(PICTAVIO_BUILD_TESTS OR PICTAVIO_BUILD_BENCH)
    find_package(Qt5 5.15 REQUIRED COMPONENTS Test)
endif()

# FFmpeg 5.1 at least: the code uses its channel-layout and packet APIs.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET
    libavformat>=59.27 libavcodec>=59.37 libavutil>=57.28 libswscale>=6.7 libswresample>=4.7)
