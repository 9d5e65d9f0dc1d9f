# cmake -DROOT=<source tree> -P CheckLayers.cmake
#
# The layers, bottom up: base <- frame <- kiln <- app and tunevault. Each may
# include only its own headers and those of the layers below it. Stand-ins
# and tools sit beside the layers: they use the base and, of the others, what
# they stand beside; benchmarks (tools/bench) also measure the program's own
# units. The maker's libraries, and the window messages its programs
# exchange with ours, are reached only through their contract headers in
# vendor/, which every layer may include and which include nothing of ours;
# no layer reaches into a stand-in, and a stand-in only into its own folder,
# so a real library can take a stand-in's place. Tests may include anything.
#
# Fails, listing every offending line, when a file includes a header its
# layer may not use.

cmake_minimum_required(VERSION 3.25)

set(thirdparty "nlohmann/|stb/")

# folder -> the include prefixes it may use (regular expressions)
set(allowed_vendor "vendor/")
set(allowed_base "base/|vendor/")
set(allowed_frame "base/|frame/|vendor/")
set(allowed_kiln "base/|frame/|kiln/|vendor/")
set(allowed_app "base/|frame/|kiln/|app/|resources/|vendor/")
set(allowed_tunevault "base/|frame/|kiln/|tunevault/|resources/|vendor/")
set(allowed_standins "base/|vendor/|${thirdparty}")
set(allowed_tools "base/|frame/|kiln/|tools/|resources/|vendor/|${thirdparty}")
# Benchmarks measure the program's own units in process.
set(allowed_tools_bench "${allowed_tools}|app/")
set(allowed_resources "resources/|vendor/")

set(violations "")
foreach(layer vendor base frame kiln app tunevault standins tools resources)
  file(GLOB_RECURSE sources LIST_DIRECTORIES false
    ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.c ${ROOT}/${layer}/*.in)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    file(RELATIVE_PATH relative ${ROOT} ${source})
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      # Headers beside the file, without a folder, are its own.
      if(NOT header MATCHES "/")
        continue()
      endif()
      # A stand-in may use its own folder's private headers.
      if(layer STREQUAL "standins" AND relative MATCHES "^standins/([a-z]+)/")
        if(header MATCHES "^standins/${CMAKE_MATCH_1}/")
          continue()
        endif()
      endif()
      set(allowed "${allowed_${layer}}")
      if(relative MATCHES "^tools/bench/")
        set(allowed "${allowed_tools_bench}")
      endif()
      if(NOT header MATCHES "^(${allowed})")
        string(APPEND violations "  ${relative}: #include \"${header}\"\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that point up or across the layers:\n${violations}")
endif()
message(STATUS "Layers: every include points down")

# Inside app/, no circle among its units either: a unit is a header with its
# source (app/Main.h and app/Main.cpp are the unit app/Main). A circle means
# none of its units can be read, built or tested without the others, as when
# a widget reaches back to the window or the controller that holds it.
file(GLOB_RECURSE app_sources LIST_DIRECTORIES false ${ROOT}/app/*.h ${ROOT}/app/*.cpp)
set(units "")
foreach(source ${app_sources})
  file(RELATIVE_PATH relative ${ROOT} ${source})
  string(REGEX REPLACE "\\.(h|cpp)$" "" unit "${relative}")
  list(APPEND units ${unit})
  string(MAKE_C_IDENTIFIER "${unit}" key)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"app/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\\.h\".*" "\\1" used "${line}")
    if(NOT used STREQUAL unit)
      list(APPEND uses_${key} ${used})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES units)

# Peel off, again and again, the units that use nothing still left, then
# those that nothing still left uses: what remains lies on a circle.
foreach(direction uses used_by)
  set(peeling TRUE)
  while(peeling)
    set(peeling FALSE)
    foreach(unit ${units})
      string(MAKE_C_IDENTIFIER "${unit}" key)
      set(free TRUE)
      foreach(other ${units})
        string(MAKE_C_IDENTIFIER "${other}" other_key)
        if(direction STREQUAL "uses")
          set(edges "${uses_${key}}")
          set(target "${other}")
        else()
          set(edges "${uses_${other_key}}")
          set(target "${unit}")
        endif()
        if(target IN_LIST edges AND NOT other STREQUAL unit)
          set(free FALSE)
          break()
        endif()
      endforeach()
      if(free)
        list(REMOVE_ITEM units ${unit})
        set(peeling TRUE)
      endif()
    endforeach()
  endwhile()
endforeach()

if(units)
  string(REPLACE ";" "\n  " circle "${units}")
  message(FATAL_ERROR "A circle of includes among the program's units:\n  ${circle}\n")
endif()
message(STATUS "Units of app/: no circle")
