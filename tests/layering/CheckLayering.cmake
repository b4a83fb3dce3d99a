# Checks every #include "..." of the source folders against the layering rule:
# a folder includes its own files and those of the layers below it, never a
# layer above or a sibling (save the hosts listed below), and a Qt-free folder
# includes no Qt header and no Qt-based folder.
#   cmake -DROOT=<tree> -P CheckLayering.cmake
# Exits non-zero and lists every offending line when the rule is broken.

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
    message(FATAL_ERROR "usage: cmake -DROOT=<tree> -P CheckLayering.cmake")
endif()

# folder, layer, Qt-free (1) or not (0). Longer folders win over their parents,
# so mainwindow/rules is not mainwindow. A rules/ folder sits just below its window.
set(layers
    "base 0 1"
    "platform 1 1"
    "engine/decimal 2 1"
    "engine 3 1"
    "settings 4 1"
    "services 5 1"
    "platform/qt 6 0"
    "guikit/rules 7 1"
    "guikit 8 0"
    "editor/rules 9 1"
    "editor 10 0"
    "calculator/rules 9 1"
    "calculator 10 0"
    "wizard/rules 9 1"
    "wizard 10 0"
    "settings/dialogs/rules 9 1"
    "settings/dialogs 10 0"
    "mainwindow/rules 11 1"
    "mainwindow 12 0"
    # The stand-alone editor sits just above the windows it may use: the
    # editor and the kit, never the main window.
    "programs/OmbrixEditor 11 0"
    "programs 13 0"
    "tools 13 0")
# A host that opens a child window of its own layer: "host child".
set(hosts "settings/dialogs editor" "settings/dialogs/rules editor/rules")

set(names)
foreach(entry ${layers})
    string(REPLACE " " ";" fields "${entry}")
    list(GET fields 0 folder)
    list(GET fields 1 level)
    list(GET fields 2 qtfree)
    list(APPEND names ${folder})
    set(level_${folder} ${level})
    set(qtfree_${folder} ${qtfree})
endforeach()

# The folder a path belongs to: the longest listed folder it lies in.
function(owner_of path out)
    set(best "")
    foreach(folder ${names})
        string(LENGTH "${folder}" length)
        string(LENGTH "${best}" best_length)
        if(path MATCHES "^${folder}/" AND length GREATER best_length)
            set(best ${folder})
        endif()
    endforeach()
    set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(violations)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
foreach(source ${sources})
    owner_of("${source}" from)
    if(from STREQUAL "")
        continue() # tests, benchmarks, fuzzers and build output may use any layer
    endif()
    file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${lines})
        if(line MATCHES "include[ \t]*<(Q[A-Za-z]*|qt[a-z]*/)")
            if(qtfree_${from})
                list(APPEND violations "${source}: Qt in a Qt-free folder: ${line}")
            endif()
            continue()
        endif()
        if(NOT line MATCHES "include[ \t]*\"([^\"]+)\"")
            continue()
        endif()
        set(target "${CMAKE_MATCH_1}")
        owner_of("${target}" to)
        if(to STREQUAL "")
            list(APPEND violations "${source}: include outside every layer: ${line}")
            continue()
        endif()
        if(to STREQUAL from)
            continue()
        endif()
        set(allowed FALSE)
        if(level_${to} LESS level_${from})
            set(allowed TRUE)
        endif()
        if("${from} ${to}" IN_LIST hosts)
            set(allowed TRUE)
        endif()
        if(qtfree_${from} AND NOT qtfree_${to})
            set(allowed FALSE)
        endif()
        if(NOT allowed)
            list(APPEND violations "${source}: ${from} may not include ${to}: ${line}")
        endif()
    endforeach()
endforeach()

list(LENGTH sources checked)
if(violations)
    foreach(violation ${violations})
        message(STATUS "${violation}")
    endforeach()
    list(LENGTH violations count)
    message(FATAL_ERROR "${count} includes against the layering rule")
endif()
message(STATUS "layering: ${checked} files follow the rule")
