# Shared helpers for the module CMakeLists files.

# Where generated runtime data (texture archives) goes: <build>/data.
set(H3D_DATA_DIR ${CMAKE_BINARY_DIR}/data)

# h3d_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest program per subsystem; each TEST becomes a CTest case.
function(h3d_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       PROPERTIES TIMEOUT 600 DISCOVERY_TIMEOUT 60)
endfunction()

# h3d_add_fuzz_target(name SOURCES fuzz_x.cpp LIBS lib CORPUS dir)
# A fuzz target defines LLVMFuzzerTestOneInput. With g++ it is linked against a
# small replay driver and CTest replays the seed corpus through it (under the
# sanitizers in the sanitizer build). scripts/fuzz builds the same sources with
# clang's libFuzzer for real fuzzing.
function(h3d_add_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(H3D_LIBFUZZER)
    add_executable(${name} ${F_SOURCES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_property(GLOBAL APPEND PROPERTY H3D_FUZZ_TARGETS "${name}=${F_CORPUS}")
  add_test(NAME ${name}.replay COMMAND ${name} ${F_CORPUS})
  set_tests_properties(${name}.replay PROPERTIES TIMEOUT 300)
endfunction()
