pictavio_add_test(tst_h264render
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_h264render.cpp
    LIBS Pictavio::Vidweave Pictavio::Common pictavio_mediaprobe Qt5::Widgets
    LABELS slow
    TIMEOUT 900)
