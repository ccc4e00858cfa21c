pictavio_add_test(tst_qexifimageheader
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_qexifimageheader.cpp
    LIBS Pictavio::Core)
pictavio_add_test(tst_thumbgenerator
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_thumbgenerator.cpp
    LIBS Pictavio::Core)
