# Small helpers shared by the folders' CMakeLists.

# quarn_library(NAME [QT] DEPENDS lib...)
# A static library from every .cpp in the calling folder (not its subfolders),
# with the project root as include root: #include "rules/Card.h".
function(quarn_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    set(scope PUBLIC)
  else()
    # Headers only (or a folder still being started).
    add_library(${name} INTERFACE ${headers})
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} "${PROJECT_SOURCE_DIR}" "${PROJECT_BINARY_DIR}")
  if(ARG_DEPENDS)
    target_link_libraries(${name} ${scope} ${ARG_DEPENDS})
  endif()
endfunction()

# quarn_test(NAME SOURCES file... LIBS lib... [QT])
# A GoogleTest executable registered with ctest, one ctest entry per test case.
# QT: the test opens windows; it runs on the offscreen platform and without the
# leak checker (Qt and fontconfig keep caches alive until exit).
function(quarn_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QUARN_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    QUARN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUARN_DIST_DIR="${QUARN_DIST_DIR}")
  set(env "")
  if(ARG_QT)
    set(env "QT_QPA_PLATFORM=offscreen")
    target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/cmake/qt_test_options.cpp")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${env}")
endfunction()
