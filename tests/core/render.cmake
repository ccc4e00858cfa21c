pictavio_add_test(tst_rendercontroller
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rendercontroller.cpp
    LIBS Pictavio::Core Pictavio::Common)
