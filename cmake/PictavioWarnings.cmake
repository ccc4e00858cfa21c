# Warnings for our own targets only; third-party headers come in as system
# includes through their imported targets.
option(PICTAVIO_WERROR "Treat compiler warnings as errors" OFF)

function(pictavio_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -pedantic
        $<$<BOOL:${PICTAVIO_WERROR}>:-Werror>)
endfunction()
