# Warning flags for every target of ours; added per target so that
# third-party code found through find_package is not affected.
function(tallow_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
    if(TALLOW_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
