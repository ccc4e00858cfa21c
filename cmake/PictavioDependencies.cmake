find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network Test LinguistTools DBus)

find_package(PkgConfig REQUIRED)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET
    libavformat libavcodec libavutil libswscale libswresample)
