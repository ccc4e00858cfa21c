pictavio_add_fuzzer(music
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_music.cpp
    LIBS Pictavio::Vidweave PkgConfig::FFMPEG)
