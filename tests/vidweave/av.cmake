# Media input and output: engine-internal classes, compiled in.
pictavio_add_test(tst_avinput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avinput.cpp
    LIBS Pictavio::VidweaveInternal Pictavio::Common)
pictavio_add_test(tst_avoutput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avoutput.cpp
    LIBS Pictavio::VidweaveInternal pictavio_mediaprobe)
pictavio_add_test(tst_audiotools
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_audiotools.cpp
    LIBS Pictavio::VidweaveInternal)
# Outside files must not lead FFmpeg to other files or unexpected decoders.
pictavio_add_test(tst_safeopen
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_safeopen.cpp
    LIBS Pictavio::VidweaveInternal)
# The working frame's conversion for the encoder, against the formula and swscale.
pictavio_add_test(tst_yuvconvert
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_yuvconvert.cpp
    LIBS Pictavio::VidweaveInternal Pictavio::Common PkgConfig::FFMPEG)
# Film grain laid on backgrounds while rendering.
pictavio_add_test(tst_filmgrain
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_filmgrain.cpp
    LIBS Pictavio::VidweaveInternal)
