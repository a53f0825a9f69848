# selvanor_core_library(NAME SOURCES ... DEPS ...)
# A static library of plain C++ (no Qt); its headers are found from the src/ folder.
function(selvanor_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# selvanor_test(NAME SOURCES ... DEPS ... [GUI] [OWN_MAIN])
# A GoogleTest program; each of its tests becomes a ctest test. GUI tests run offscreen.
function(selvanor_test name)
  cmake_parse_arguments(ARG "GUI;OWN_MAIN" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI OR ARG_OWN_MAIN)
    # Window tests bring their own main(), which creates the QApplication; others, one that
    # gives up root.
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE SELVANOR_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  set(props "")
  if(ARG_GUI)
    set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ${props} TIMEOUT 600)
endfunction()
