if(PICTAVIO_SANITIZE)
    set(_pictavio_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${_pictavio_san})
    add_link_options(${_pictavio_san})
endif()

# What the build's own tool runs (the theme generator) and the tests need
# under the sanitizers, so that a build configured by hand works without
# test.sh's environment: Qt's lifelong allocations are suppressed, not fatal.
set(PICTAVIO_SANITIZER_ENV "")
if(PICTAVIO_SANITIZE OR PICTAVIO_FUZZ)
    set(PICTAVIO_SANITIZER_ENV
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/scripts/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()
