if(TALLOW_SANITIZE)
    set(TALLOW_SANITIZER_FLAGS
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${TALLOW_SANITIZER_FLAGS})
    add_link_options(${TALLOW_SANITIZER_FLAGS})
    # Bounds-check std::array and std::vector indexing too.
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
