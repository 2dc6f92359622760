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

# quarn_automoc(TARGET)
# Runs moc on the target's Qt classes. The folder's headers are watched, so a
# header added later (a glob picks it up) reaches moc in an existing build
# folder too, not only in a new one.
function(quarn_automoc target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${headers})
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

# Resource libraries (WemCards06A.dll, ...) and extra parts of the program's
# own resources are made at build time by generator programs.
#
# quarn_resource_part(PART GENERATOR target [BUILTIN] [ARGS arg...] [DEPENDS file...])
# Runs `<generator> --out <dir> --prefix <prefix> ARGS...` once; the generator
# writes its resources into <dir> and names them in <dir>/part.qrc (use
# assets/generator/Output with qrc file "part.qrc" and the given prefix).
# BUILTIN parts are compiled into the program under /res; the others have the
# prefix "/" and go into a library through quarn_resource_library.
function(quarn_resource_part part)
  cmake_parse_arguments(ARG "BUILTIN" "GENERATOR" "ARGS;DEPENDS" ${ARGN})
  set(dir "${PROJECT_BINARY_DIR}/resource-parts/${part}")
  set(prefix "/")
  if(ARG_BUILTIN)
    set(prefix "/res")
  endif()
  add_custom_command(
    OUTPUT "${dir}/part.qrc"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:${ARG_GENERATOR}> --out "${dir}" --prefix "${prefix}" ${ARG_ARGS}
    DEPENDS ${ARG_GENERATOR} ${ARG_DEPENDS}
    COMMENT "Generating resources: ${part}"
    VERBATIM)
  add_custom_target(resource_part_${part} DEPENDS "${dir}/part.qrc")
endfunction()

# The .qrc file of a part, for compiling it into a library or the program.
function(quarn_resource_part_qrc part out_var)
  set(${out_var} "${PROJECT_BINARY_DIR}/resource-parts/${part}/part.qrc" PARENT_SCOPE)
endfunction()

# quarn_resource_library(FILE PARTS part...)
# Binds parts into the resource library FILE (a Qt binary resource bundle) in
# the program folder, rebuilt only when a part changes.
function(quarn_resource_library file)
  cmake_parse_arguments(ARG "" "" "PARTS" ${ARGN})
  set(qrcs "")
  set(part_targets "")
  foreach(part IN LISTS ARG_PARTS)
    quarn_resource_part_qrc(${part} qrc)
    list(APPEND qrcs "${qrc}")
    list(APPEND part_targets resource_part_${part})
  endforeach()
  set(target_file "${QUARN_DIST_DIR}/${file}")
  add_custom_command(
    OUTPUT "${target_file}"
    COMMAND Qt6::rcc --binary --output "${target_file}.tmp" ${qrcs}
    COMMAND ${CMAKE_COMMAND} -E rename "${target_file}.tmp" "${target_file}"
    DEPENDS ${qrcs} ${part_targets}
    COMMENT "Binding the resource library ${file}"
    VERBATIM)
  string(REPLACE "." "_" target_name "${file}")
  add_custom_target(library_${target_name} ALL DEPENDS "${target_file}")
endfunction()
