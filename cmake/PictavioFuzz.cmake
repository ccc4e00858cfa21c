# Fuzz builds instrument every library for coverage; only the fuzz targets
# link the libFuzzer driver (see fuzz/CMakeLists.txt).
if(PICTAVIO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "PICTAVIO_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
    endif()
    set(_pictavio_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_compile_options(${_pictavio_fuzz_flags})
    add_link_options(-fsanitize=address,undefined)
endif()
