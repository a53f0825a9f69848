# selvanor_library(NAME [FOLDER dir] [SOURCES ...] [HEADERS ...] [DEPS ...])
# A static library of one folder of src/ (the current one unless FOLDER names another, relative
# to src/). Its headers -- those of the folder, or HEADERS (paths relative to src/) -- are seen
# by the library itself and by the libraries that link it, and by no other: each library gets a
# folder of its own in the build tree that holds links to its own headers alone, at their
# src-relative paths ("core/TimeFrame.h"). So a library sees exactly the headers of the
# libraries it declares in DEPS (and of theirs), and an include against the layering does not
# compile. Without SOURCES it is a header-only library.
function(selvanor_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;HEADERS;DEPS" ${ARGN})
  if(NOT ARG_FOLDER)
    file(RELATIVE_PATH ARG_FOLDER ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  if(NOT ARG_HEADERS)
    file(GLOB ARG_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/${ARG_FOLDER}/*.h)
  endif()
  set(view ${CMAKE_BINARY_DIR}/include_views/${name})
  file(REMOVE_RECURSE ${view})
  foreach(header IN LISTS ARG_HEADERS)
    get_filename_component(folder ${view}/${header} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${header} ${view}/${header} SYMBOLIC)
  endforeach()
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${view})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${view})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# selvanor_test(NAME SOURCES ... DEPS ... [GUI] [OWN_MAIN] [ENV VAR=VALUE ...])
# A GoogleTest program; each of its tests becomes a ctest test. GUI tests run offscreen; ENV
# sets further variables of their environment.
function(selvanor_test name)
  cmake_parse_arguments(ARG "GUI;OWN_MAIN" "" "SOURCES;DEPS;ENV" ${ARGN})
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
  set(environment ${ARG_ENV})
  if(ARG_GUI)
    list(APPEND environment "QT_QPA_PLATFORM=offscreen")
  endif()
  set(props "")
  if(environment)
    set(props ENVIRONMENT "${environment}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ${props} TIMEOUT 600)
endfunction()
