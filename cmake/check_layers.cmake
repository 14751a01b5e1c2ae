# Checks that every #include "FOLDER/..." under src/ names a folder its own
# folder links to (cmake/layers.cmake): a header only folders it links
# PUBLIC, a source file also those it links PRIVATE. Static libraries alone
# would not stop an include of a header-only part of a folder above.
#
# The table must be exact as well: every folder a layer links to is
# included by it (PUBLIC ones by a header, PRIVATE ones by a source file and
# by no header), and a layer links only to layers listed before it, so the
# folders form no cycle.
#
# Run at configure time (include this file and call quarvelin_check_layers)
# and as a test: cmake -DQUARVELIN_SOURCE_DIR=<dir> -P check_layers.cmake.
# cmake/check_layers_test.cmake tries it on a small tree of its own.

cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)

# Sets OUT to the list of problems found under SOURCE_DIR/src.
function(quarvelin_layer_problems source_dir out)
  set(problems "")
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${source_dir}/src ${source_dir}/src/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${source_dir}/src/${child} AND NOT child IN_LIST QUARVELIN_LAYERS)
      list(APPEND problems "src/${child}/ is in no layer")
    endif()
  endforeach()
  set(below "")
  foreach(layer IN LISTS QUARVELIN_LAYERS)
    set(public ${QUARVELIN_${layer}_PUBLIC})
    set(private ${QUARVELIN_${layer}_PRIVATE})
    foreach(dep IN LISTS public private)
      if(NOT dep IN_LIST below)
        list(APPEND problems "${layer} links to ${dep}, which is not below it")
      endif()
    endforeach()

    set(named_by_headers "")
    set(named_by_sources "")
    file(GLOB_RECURSE files RELATIVE ${source_dir}/src
         ${source_dir}/src/${layer}/*.h ${source_dir}/src/${layer}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${source_dir}/src/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"/]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
        if(folder STREQUAL layer)
          continue()
        endif()
        if(file MATCHES "\\.h$")
          list(APPEND named_by_headers ${folder})
          if(NOT folder IN_LIST public)
            list(APPEND problems "src/${file} includes ${folder}/, which ${layer} does not link PUBLIC")
          endif()
        else()
          list(APPEND named_by_sources ${folder})
          if(NOT folder IN_LIST public AND NOT folder IN_LIST private)
            list(APPEND problems "src/${file} includes ${folder}/, which ${layer} does not link to")
          endif()
        endif()
      endforeach()
    endforeach()

    foreach(dep IN LISTS public)
      if(NOT dep IN_LIST named_by_headers)
        list(APPEND problems "${layer} links PUBLIC to ${dep}, but none of its headers includes it")
      endif()
    endforeach()
    foreach(dep IN LISTS private)
      if(dep IN_LIST named_by_headers)
        list(APPEND problems "${layer} links PRIVATE to ${dep}, but one of its headers includes it")
      elseif(NOT dep IN_LIST named_by_sources)
        list(APPEND problems "${layer} links PRIVATE to ${dep}, but none of its files includes it")
      endif()
    endforeach()
    list(APPEND below ${layer})
  endforeach()
  set(${out} "${problems}" PARENT_SCOPE)
endfunction()

function(quarvelin_check_layers source_dir)
  quarvelin_layer_problems(${source_dir} problems)
  if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "The folders of src/ break their layers (cmake/layers.cmake):\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  quarvelin_check_layers(${QUARVELIN_SOURCE_DIR})
endif()
