# -DKELO_SANITIZE=address,undefined (or thread) instruments every target.
if(KELO_SANITIZE)
    add_compile_options(-fsanitize=${KELO_SANITIZE} -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${KELO_SANITIZE})
endif()
