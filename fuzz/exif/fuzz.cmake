pictavio_add_fuzzer(exif
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_exif.cpp
            ${PROJECT_SOURCE_DIR}/app/core/src/qexifimageheader.cpp
    LIBS Qt5::Core Qt5::Gui)
target_include_directories(fuzz_exif PRIVATE ${PROJECT_SOURCE_DIR}/app/core/include)
