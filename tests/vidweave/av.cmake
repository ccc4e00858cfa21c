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
# Background video pictures stretched into the working frame.
pictavio_add_test(tst_backgroundscaler
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_backgroundscaler.cpp
    LIBS Pictavio::VidweaveInternal Pictavio::Common PkgConfig::FFMPEG)
# The conversions once more on the SSE2 code path, where the AVX2 one runs.
foreach(_simd_test tst_yuvconvert tst_backgroundscaler)
    add_test(NAME ${_simd_test}_sse2 COMMAND ${_simd_test})
    set_tests_properties(${_simd_test}_sse2 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PICTAVIO_NO_AVX2=1${_pictavio_san_env}"
        TIMEOUT 300)
endforeach()
