pictavio_add_test(tst_tmpldownloadmanager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tmpldownloadmanager.cpp
            ${PROJECT_SOURCE_DIR}/tests/support/httptestserver.h
    LIBS Pictavio::Core Pictavio::Common Qt5::Network)
