pictavio_add_fuzzer(tmplxml
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_tmplxml.cpp
    LIBS Pictavio::Docloom Pictavio::Common)
