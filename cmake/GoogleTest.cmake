# GoogleTest from Debian's sources (package googletest), built with the cross
# compiler like everything else.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${GOOGLETEST_SOURCE_DIR}: run scripts/setup.sh")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(GoogleTest)

# A cross-built GoogleTest program whose cases ctest lists and runs under Wine.
# Cases that drive windows share one screen: pass GUI to run them one at a time.
function(add_wine_gtest target)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
  set(properties TIMEOUT 120)
  if(ARG_GUI)
    list(APPEND properties RESOURCE_LOCK screen)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ${properties})
endfunction()
