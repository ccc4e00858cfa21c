# Faults made real: changed media, a full disk, a lost output folder, killed
# saves, many cancelled renders, half-written projects.
pictavio_add_test(tst_faults
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_faults.cpp
    LIBS Pictavio::Core Pictavio::Common Pictavio::Vidweave Qt5::Widgets
    TIMEOUT 600)
