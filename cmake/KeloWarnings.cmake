# Warning set shared by every target of the project.
add_library(kelo_warnings INTERFACE)
target_compile_options(kelo_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2
    $<$<BOOL:${KELO_WERROR}>:-Werror>)
