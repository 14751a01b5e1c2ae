# The layer check on a small tree of three layers (low < mid < top), one
# case at a time: each case adds a file or changes the table, and must give
# exactly its problems. cmake -DWORK_DIR=<scratch dir> -P check_layers_test.cmake
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

set(failures "")

# A case: its name; a file written under src/ and the folder it includes
# (or "-" "-"); a variable of the table set to a value (or "-" "-"); then
# the problems it must give, in order.
function(layer_case name file include table_var table_value)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/src/low/a.h "#pragma once\n")
  file(WRITE ${root}/src/mid/b.h "#include \"low/a.h\"\n")
  file(WRITE ${root}/src/top/c.h "#include \"mid/b.h\"\n")
  file(WRITE ${root}/src/top/c.cpp "#include \"top/c.h\"\n#include \"low/a.h\"\n")
  if(NOT file STREQUAL "-")
    file(WRITE ${root}/src/${file} "#include <string>\n  #  include \"${include}/x.h\"\n")
  endif()
  set(QUARVELIN_LAYERS low mid top)
  set(QUARVELIN_low_PUBLIC)
  set(QUARVELIN_low_PRIVATE)
  set(QUARVELIN_mid_PUBLIC low)
  set(QUARVELIN_mid_PRIVATE)
  set(QUARVELIN_top_PUBLIC mid)
  set(QUARVELIN_top_PRIVATE low)
  if(NOT table_var STREQUAL "-")
    set(${table_var} ${table_value})
  endif()
  quarvelin_layer_problems(${root} problems)
  set(expected ${ARGN})
  if(NOT "${problems}" STREQUAL "${expected}")
    list(APPEND failures "${name}:\n    expected: ${expected}\n    found:    ${problems}")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

layer_case(clean - - - -)
layer_case(header_includes_upward mid/bad.h top - -
           "src/mid/bad.h includes top/, which mid does not link PUBLIC")
layer_case(source_includes_upward mid/bad.cpp top - -
           "src/mid/bad.cpp includes top/, which mid does not link to")
layer_case(header_includes_private_link top/bad.h low - -
           "src/top/bad.h includes low/, which top does not link PUBLIC"
           "top links PRIVATE to low, but one of its headers includes it")
layer_case(source_may_include_public_link top/ok.cpp mid - -)
layer_case(unknown_folder mid/bad.cpp elsewhere - -
           "src/mid/bad.cpp includes elsewhere/, which mid does not link to")
layer_case(folder_in_no_layer extra/d.h low - -
           "src/extra/ is in no layer")
layer_case(link_upward - - QUARVELIN_low_PUBLIC mid
           "low links to mid, which is not below it"
           "low links PUBLIC to mid, but none of its headers includes it")
layer_case(public_link_unused - - QUARVELIN_mid_PUBLIC "low;top"
           "mid links to top, which is not below it"
           "mid links PUBLIC to top, but none of its headers includes it")
layer_case(private_link_in_a_header - - QUARVELIN_mid_PRIVATE low
           "mid links PRIVATE to low, but one of its headers includes it")
layer_case(private_link_unused top/c.cpp top - -
           "top links PRIVATE to low, but none of its files includes it")
layer_case(link_to_no_layer - - QUARVELIN_top_PRIVATE "low;host"
           "top links to host, which is not below it"
           "top links PRIVATE to host, but none of its files includes it")

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The layer check missed or misreported:\n  ${text}")
endif()
