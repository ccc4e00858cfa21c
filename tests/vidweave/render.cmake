pictavio_add_test(tst_h264render
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_h264render.cpp
            ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.cpp
    LIBS Pictavio::Vidweave Pictavio::Common PkgConfig::FFMPEG
    LABELS slow
    TIMEOUT 900)
