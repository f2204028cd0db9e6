# The libraries of src/ stand on levels, and a library links only libraries
# on lower levels, so that dependencies point down (the table in src/README.md
# says the same in words). Checked at configure time beside the toolkit-free
# check; a test configures a small project with a link upwards and expects
# this check to refuse it.

cmake_policy(VERSION 3.25)

# target=level; every library and program defined under src/ has one.
set(GLYPHORA_LIBRARY_LEVELS
    glyphora_base=0
    glyphora_raster=1
    glyphora_langpack=2
    glyphora_shx=2
    glyphora_imaging=2
    glyphora_editor=3
    glyphora_bdf=3
    glyphora_session=4
    glyphora_ui=5
    glyphora_generate=6
    glyphora_app=7
    glyphora=8)

# The level of `target` into `out`, or "" when the table has none.
function(glyphora_level_of target out)
  set(${out} "" PARENT_SCOPE)
  foreach(entry ${GLYPHORA_LIBRARY_LEVELS})
    if(entry MATCHES "^${target}=([0-9]+)$")
      set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# The targets `target` links itself (not through others), without the
# generator-expression wrapper CMake puts around private links of a static library.
function(glyphora_direct_links target out)
  set(links "")
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND links ${interface})
  endif()
  list(TRANSFORM links REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1")
  list(REMOVE_DUPLICATES links)
  set(${out} ${links} PARENT_SCOPE)
endfunction()

# Every target defined in a folder under `dir` (of the project whose top
# folder is `root`): placed in the table, and linking only targets of the
# table on lower levels.
function(glyphora_check_library_levels root dir)
  set(dirs ${root})
  set(offenders "")
  set(count 0)
  while(dirs)
    list(POP_FRONT dirs current)
    get_property(targets DIRECTORY ${current} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${current} PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    string(FIND "${current}/" "${dir}/" at)
    if(NOT at EQUAL 0)
      continue()
    endif()
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "UTILITY")
        continue()  # generated files, not code
      endif()
      math(EXPR count "${count} + 1")
      glyphora_level_of(${target} level)
      if(level STREQUAL "")
        list(APPEND offenders "${target} (${current}) has no level: add it to GLYPHORA_LIBRARY_LEVELS in cmake/LibraryLevels.cmake and to src/README.md")
        continue()
      endif()
      glyphora_direct_links(${target} links)
      foreach(link ${links})
        glyphora_level_of(${link} linked)
        if(NOT linked STREQUAL "" AND NOT linked LESS level)
          list(APPEND offenders "${target} (level ${level}) links ${link} (level ${linked}): a library may link only libraries on lower levels")
        endif()
      endforeach()
    endforeach()
  endwhile()
  if(offenders)
    list(JOIN offenders "\n  " text)
    message(FATAL_ERROR "level check:\n  ${text}\nThe levels are in src/README.md.")
  endif()
  message(STATUS "level check: ${count} targets under ${dir} link only lower levels")
endfunction()
