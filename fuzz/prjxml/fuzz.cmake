pictavio_add_fuzzer(prjxml
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_prjxml.cpp
    LIBS Pictavio::Docloom Pictavio::Common)
