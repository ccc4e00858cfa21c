pictavio_add_test(tst_prjmanager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_prjmanager.cpp
    LIBS Pictavio::Core Pictavio::Common Pictavio::Docloom Qt5::Widgets)
