# Every target of the tree is made through these helpers, so each one gets the
# same warnings and, when asked for, the same sanitizer or fuzzer flags.

add_library(ombrix_build_flags INTERFACE)
target_compile_options(ombrix_build_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                    -Wno-sign-conversion)
if(OMBRIX_WERROR)
    target_compile_options(ombrix_build_flags INTERFACE -Werror)
endif()
if(OMBRIX_SANITIZE)
    target_compile_options(ombrix_build_flags INTERFACE -fsanitize=address,undefined
                           -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(ombrix_build_flags INTERFACE -fsanitize=address,undefined)
endif()
if(OMBRIX_FUZZ)
    target_compile_options(ombrix_build_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-omit-frame-pointer)
    target_link_options(ombrix_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# Applies the project's flags to a target made some other way.
function(ombrix_target_flags name)
    target_link_libraries(${name} PRIVATE ombrix_build_flags)
endfunction()

# ombrix_library(NAME [INTERFACE] SOURCES... LINKS...): a library of one folder.
# Includes are written from the tree's root ("engine/Engine.h"); which folder
# may include which is checked by the layering test, not by include paths.
function(ombrix_library name)
    cmake_parse_arguments(ARG "INTERFACE" "" "SOURCES;LINKS" ${ARGN})
    if(ARG_INTERFACE)
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_LINKS})
        return()
    endif()
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    ombrix_target_flags(${name})
endfunction()

# ombrix_program(NAME SOURCES... LINKS...): an executable, landing beside the data files.
function(ombrix_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
    ombrix_target_flags(${name})
endfunction()
