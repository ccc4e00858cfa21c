pictavio_add_test(tst_placement
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_placement.cpp
    LIBS Pictavio::Core Pictavio::Common)
