# Warnings, sanitizers and static linking shared by every target of the project.

add_library(velnix_warnings INTERFACE)
if(MSVC)
    target_compile_options(velnix_warnings INTERFACE /W4 /utf-8)
    if(VELNIX_WERROR)
        target_compile_options(velnix_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(velnix_warnings INTERFACE -Wall -Wextra -Wpedantic)
    if(VELNIX_WERROR)
        target_compile_options(velnix_warnings INTERFACE -Werror)
    endif()
endif()

if(VELNIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32 AND MINGW)
    # Single files without DLLs: the users copy velnix-cli.exe anywhere.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
