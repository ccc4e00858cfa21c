pictavio_add_test(tst_avinput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avinput.cpp
    LIBS Pictavio::Vidweave Pictavio::Common PkgConfig::FFMPEG)
pictavio_add_test(tst_avoutput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avoutput.cpp ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
# The music schedule is internal to the engine: compiled in for its gain.
pictavio_add_test(tst_audiotools
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_audiotools.cpp
            ${PROJECT_SOURCE_DIR}/vidweave/src/musicschedule.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
target_include_directories(tst_audiotools PRIVATE ${PROJECT_SOURCE_DIR}/vidweave/src)
# Outside files must not lead FFmpeg to other files or unexpected decoders.
pictavio_add_test(tst_safeopen
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_safeopen.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
