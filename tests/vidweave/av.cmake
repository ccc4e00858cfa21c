pictavio_add_test(tst_avinput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avinput.cpp
    LIBS Pictavio::Vidweave Pictavio::Common PkgConfig::FFMPEG)
pictavio_add_test(tst_avoutput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avoutput.cpp ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
pictavio_add_test(tst_audiotools
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_audiotools.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
