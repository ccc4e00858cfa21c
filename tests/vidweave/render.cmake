pictavio_add_test(tst_h264render
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_h264render.cpp
    LIBS Pictavio::Vidweave Pictavio::Common pictavio_mediaprobe Qt5::Widgets
    LABELS slow
    TIMEOUT 900)
# Finished frames against frames kept from an earlier render.
pictavio_add_test(tst_renderframes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_renderframes.cpp
    LIBS Pictavio::Vidweave Pictavio::Common Qt5::Widgets)
target_compile_definitions(tst_renderframes PRIVATE
    PICTAVIO_RENDERFRAMES_DIR="${CMAKE_CURRENT_LIST_DIR}/renderframes")
