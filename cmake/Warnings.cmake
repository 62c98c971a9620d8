# Strict warnings for the program's own code; third-party code (GoogleTest) does not get them.
add_library(mr_warnings INTERFACE)
target_compile_options(mr_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wcast-qual -Wformat=2
    -Wimplicit-fallthrough -Wmissing-declarations -Wundef)
if(MR_WARNINGS_AS_ERRORS)
    target_compile_options(mr_warnings INTERFACE -Werror)
endif()
