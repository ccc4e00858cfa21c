pictavio_add_fuzzer(exif
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_exif.cpp
    LIBS Pictavio::Vidweave)
