# Drawing: image utilities, the slot renderer and the scene readers.
pictavio_add_test(tst_imagerotate SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_imagerotate.cpp
    LIBS Pictavio::Vidweave)
pictavio_add_test(tst_pixmaputil SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_pixmaputil.cpp
    LIBS Pictavio::Vidweave Pictavio::Common Qt5::Widgets)
pictavio_add_test(tst_qtimagerender SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_qtimagerender.cpp
    LIBS Pictavio::Vidweave Pictavio::Common Qt5::Widgets)
# The scene readers are engine-internal: compiled in.
pictavio_add_test(tst_scenereaders SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_scenereaders.cpp
    LIBS Pictavio::VidweaveInternal Pictavio::Common)
