# Warnings for our own targets only; third-party headers come in as system
# includes through their imported targets.
function(pictavio_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
