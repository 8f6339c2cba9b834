# One place for the warning set; every target of the project links velomar_warnings.
add_library(velomar_warnings INTERFACE)
add_library(Velomar::warnings ALIAS velomar_warnings)

target_compile_options(velomar_warnings INTERFACE
    -Wall
    -Wextra
    -Wpedantic
    -Wshadow
    -Wconversion
    -Wsign-conversion
    -Wold-style-cast
    -Wcast-qual
    -Wnon-virtual-dtor
    -Woverloaded-virtual
    -Wnull-dereference
    -Wdouble-promotion
    -Wformat=2
    -Wimplicit-fallthrough
    -Wundef)

if(VELOMAR_WARNINGS_AS_ERRORS)
    target_compile_options(velomar_warnings INTERFACE -Werror)
endif()
