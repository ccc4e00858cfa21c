pictavio_add_fuzzer(tmplinfo
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_tmplinfo.cpp
    LIBS Pictavio::Docloom Pictavio::Common)
