# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler flags shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(VURIRU_WERROR)
  add_compile_options(-Werror)
endif()
if(VURIRU_FUZZ)
  # Every library is instrumented for libFuzzer's coverage and checked by the
  # sanitizers; the fuzz programs add libFuzzer's main (fuzz/CMakeLists.txt).
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VURIRU_FUZZ needs clang: configure with CXX=clang++ (scripts/fuzz does)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
elseif(VURIRU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# vuriru_own_headers(target visibility): the headers of the target's folder,
# and only those, are linked into an include root of the target's own under
# the same folder path as in the source tree ("settings/settings_block.h").
# A library hands that root on to what links it, so a library sees the
# headers of what it links and nothing else: an include of a layer it does
# not link fails to compile.
function(vuriru_own_headers target visibility)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(header ${headers})
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${visibility} ${root})
endfunction()

# vuriru_add_library(name SOURCES ... [DEPS ...]): a static library of one
# folder, which sees its own headers and those of the libraries in DEPS.
function(vuriru_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_SOURCES)
    # Headers only.
    add_library(${name} INTERFACE)
    vuriru_own_headers(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  vuriru_own_headers(${name} PUBLIC)
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# The LeakSanitizer suppressions of the sanitizer build: libraries outside the
# project that keep memory LeakSanitizer cannot account for, each explained in
# the file. Leak detection stays on for every test.
set(VURIRU_LSAN_OPTIONS "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")

# vuriru_add_test(name SOURCES ... DEPS ... [ENV ...]): a GoogleTest
# executable whose cases CTest lists one by one.
function(vuriru_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;ENV" ${ARGN})
  list(APPEND ARG_ENV "${VURIRU_LSAN_OPTIONS}")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Test helpers are included by their place under tests/ ("engine/engine_rig.h").
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  include(GoogleTest)
  # ENVIRONMENT takes a list, and GoogleTest's discovery re-expands the
  # properties three times on their way to set_tests_properties; escape the
  # separators for each pass so that every variable reaches the property
  # instead of the second one being taken for a property name.
  string(REPLACE ";" "\\\\\\\\\\\\\\;" env "${ARG_ENV}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()

# The hardening Debian's own packages carry, which lintian looks for in the
# package: a stack protector, fortified C library calls where the build
# optimises, and relocations made read-only and bound at load.
if(NOT VURIRU_FUZZ)
  add_compile_options(-fstack-protector-strong)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
