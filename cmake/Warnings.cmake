# Warnings apply to our own targets only; third-party headers come in as system headers.
function(comisiones_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
endfunction()

# The floors of src/: each library of ours records the source folders it may include from, its own
# and those of the libraries it links. An include of a folder of src/ outside that set runs back up
# a floor (or sideways), and configuring stops there.
function(comisiones_floor target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  set(_allowed "")
  foreach(_folder IN LISTS ARG_FOLDERS)
    file(RELATIVE_PATH _rel ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR}/${_folder})
    list(APPEND _allowed ${_rel})
  endforeach()
  foreach(_link IN LISTS ARG_LINKS)
    get_property(_below GLOBAL PROPERTY COMISIONES_FLOOR_${_link})
    list(APPEND _allowed ${_below})
  endforeach()
  list(REMOVE_DUPLICATES _allowed)
  set_property(GLOBAL PROPERTY COMISIONES_FLOOR_${target} ${_allowed})
endfunction()

# Every spelling the compiler takes is checked: "folder/File.h" and <folder/File.h>, blanks around
# the "#", and a path that climbs out of the file's own folder ("../folder/File.h"). A quoted
# path is first looked for beside the including file, as the compiler looks for it.
function(comisiones_check_includes target)
  get_property(_allowed GLOBAL PROPERTY COMISIONES_FLOOR_${target})
  set(_include "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
  foreach(_file IN LISTS ARGN)
    get_filename_component(_beside_of ${_file} DIRECTORY)
    file(STRINGS ${_file} _includes REGEX "${_include}")
    foreach(_line IN LISTS _includes)
      string(REGEX REPLACE "${_include}.*" "\\1" _quote "${_line}")
      string(REGEX REPLACE "${_include}.*" "\\2" _path "${_line}")
      get_filename_component(_found "${_path}" ABSOLUTE BASE_DIR ${_beside_of})
      if(NOT _quote STREQUAL "\"" OR NOT EXISTS ${_found})
        get_filename_component(_found "${_path}" ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR}/src)
      endif()
      file(RELATIVE_PATH _rel ${PROJECT_SOURCE_DIR}/src ${_found})
      get_filename_component(_dir "${_rel}" DIRECTORY)
      if(_dir AND NOT _rel MATCHES "^\\.\\./" AND IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${_dir}
         AND NOT _dir IN_LIST _allowed)
        message(FATAL_ERROR "${_file}: ${_line} runs against the floors: ${target} may include only ${_allowed}")
      endif()
    endforeach()
  endforeach()
endfunction()

# A static library of every .cpp in the given folders (not their subfolders).
# Links are PUBLIC: the libraries of this project form a one-way stack.
function(comisiones_library target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  comisiones_floor(${target} FOLDERS ${ARG_FOLDERS} LINKS ${ARG_LINKS})
  set(_sources "")
  set(_cpp "")
  foreach(_folder IN LISTS ARG_FOLDERS)
    file(GLOB _found CONFIGURE_DEPENDS ${_folder}/*.cpp ${_folder}/*.h)
    file(GLOB _found_cpp CONFIGURE_DEPENDS ${_folder}/*.cpp)
    list(APPEND _sources ${_found})
    list(APPEND _cpp ${_found_cpp})
  endforeach()
  # Test support sits beside the floors, not on them.
  string(FIND "${CMAKE_CURRENT_SOURCE_DIR}/" "${PROJECT_SOURCE_DIR}/src/" _in_src)
  if(_in_src EQUAL 0)
    comisiones_check_includes(${target} ${_sources})
  endif()
  if(NOT _cpp)
    # A layer whose folders hold no code yet still stands in the stack.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_LINKS})
    return()
  endif()
  add_library(${target} STATIC ${_sources})
  comisiones_warnings(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
endfunction()

# One GoogleTest executable for a test folder, registered with CTest.
# A folder that holds no test yet makes no executable.
# Its main is tests/support/TestMain.cpp (QApplication, EndProgram throwing): the linker takes it
# from the test_support archive, since no test defines main.
function(comisiones_test_folder target folder)
  file(GLOB _sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  file(GLOB _cpp CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT _cpp)
    return()
  endif()
  add_executable(${target} ${_sources})
  comisiones_warnings(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE test_support GTest::gmock GTest::gtest ${ARGN})
  gtest_discover_tests(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
endfunction()
