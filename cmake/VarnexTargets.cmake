# One static library per source folder: every .cpp directly in the folder and in
# the given subfolders belongs to it, so adding a file needs no CMake change.
function(varnex_library name)
  cmake_parse_arguments(ARG "" "" "SUBDIRS;DEPS;RESOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(sub IN LISTS ARG_SUBDIRS)
    file(GLOB more CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.h)
    list(APPEND sources ${more})
  endforeach()
  add_library(${name} STATIC ${sources} ${ARG_RESOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  varnex_rerun_moc_on_new_files(${name} "${sources}")
endfunction()

# With Ninja, AUTOMOC does not notice that a glob picked up a new header: the
# old mocs_compilation.cpp stays and the link fails on a missing vtable. When
# the list of a target's sources changes, its moc stamp is removed here, so
# the moc step runs again in the build that follows.
function(varnex_rerun_moc_on_new_files name sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_moc_sources.txt)
  list(JOIN sources "\n" content)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL content)
    file(WRITE ${list_file} "${content}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
  endif()
endfunction()

# A test program per test folder: tests/<folder>/*.cpp. Files in
# tests/<folder>/threaded/ form a second program labelled "threaded", which the
# ThreadSanitizer build runs.
function(varnex_test_folder folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB threaded CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/threaded/*.cpp)
  if(sources AND NOT VARNEX_THREADED_ONLY)
    varnex_test_program(test_${folder} "${sources}" "${ARG_LIBS}" "unit")
  endif()
  if(threaded)
    varnex_test_program(test_${folder}_threaded "${threaded}" "${ARG_LIBS}" "threaded")
    add_dependencies(threaded_tests test_${folder}_threaded)
  endif()
endfunction()

function(varnex_test_program name sources libs label)
  add_executable(${name} ${sources})
  varnex_rerun_moc_on_new_files(${name} "${sources}")
  target_link_libraries(${name} PRIVATE varnex_testsupport ${libs})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS ${label} ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VARNEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};VARNEX_BINARY_DIR=${CMAKE_BINARY_DIR}"
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()
