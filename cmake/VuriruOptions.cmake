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

# vuriru_add_library(name SOURCES ... [DEPS ...]): a static library whose
# headers are included as "folder/file.h" from the source root.
function(vuriru_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_SOURCES)
    # Headers only, so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# vuriru_add_test(name SOURCES ... DEPS ... [ENV ...]): a GoogleTest
# executable whose cases CTest lists one by one.
function(vuriru_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  include(GoogleTest)
  # ENVIRONMENT takes a list, and GoogleTest's discovery re-expands the
  # properties three times on their way to set_tests_properties; escape the
  # separators for each pass so that every variable reaches the property
  # instead of the second one being taken for a property name.
  string(REPLACE ";" "\\\\\\\\\\\\\\;" env "${ARG_ENV}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
