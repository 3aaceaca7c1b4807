# Project-wide compile settings and the helpers every folder uses to declare
# libraries, executables, unit tests, fuzz targets and benchmarks.

# Flags for our own code only; third-party sources (GoogleTest) do not get them.
function(bx_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
  if(BX_WINDOWS)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
  elseif(BX_SANITIZE)
    if(BX_FUZZ)
      # Coverage for the fuzz targets; cheap enough to leave on the whole tree.
      target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# bx_library(name [STATIC|SHARED] SOURCES ... [LIBS ...]): one subsystem library.
function(bx_library name)
  cmake_parse_arguments(A "SHARED" "" "SOURCES;LIBS;PUBLIC_LIBS" ${ARGN})
  if(A_SHARED)
    add_library(${name} SHARED ${A_SOURCES})
  else()
    add_library(${name} STATIC ${A_SOURCES})
  endif()
  bx_target_settings(${name})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
  if(A_PUBLIC_LIBS)
    target_link_libraries(${name} PUBLIC ${A_PUBLIC_LIBS})
  endif()
  if(BX_SANITIZE AND NOT BX_WINDOWS)
    target_link_options(${name} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()

# Every Windows executable embeds the same manifest (supported OS list, DPI
# awareness, common controls 6).
function(bx_embed_manifest target)
  if(BX_WINDOWS)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/manifest.rc)
    set_property(SOURCE ${CMAKE_SOURCE_DIR}/cmake/manifest.rc APPEND PROPERTY
                 OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/app.manifest)
  endif()
endfunction()

# bx_executable(name [GUI] SOURCES ... [LIBS ...])
function(bx_executable name)
  cmake_parse_arguments(A "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(A_GUI)
    add_executable(${name} WIN32 ${A_SOURCES})
  else()
    add_executable(${name} ${A_SOURCES})
  endif()
  bx_target_settings(${name})
  if(BX_WINDOWS)
    target_link_options(${name} PRIVATE -municode)
    bx_embed_manifest(${name})
  endif()
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
endfunction()

# bx_test(name SOURCES ... [LIBS ...]): one GoogleTest binary, one CTest test.
# One process per binary: Wine start-up costs a fraction of a second.
function(bx_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  bx_executable(${name} SOURCES ${A_SOURCES} LIBS ${A_LIBS} bx_testmain)
  if(BX_RUNS_TESTS)
    set(report ${CMAKE_BINARY_DIR}/test-results/${name}.xml)
    if(BX_WINDOWS)
      # Under Wine a Linux path is not a file name; Z: maps to /.
      string(REPLACE "/" "\\" report "Z:${report}")
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# bx_fuzzer(name SOURCES ... [LIBS ...] [CORPUS dir]): native libFuzzer target.
function(bx_fuzzer name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  bx_target_settings(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
  if(A_CORPUS)
    set(corpus ${A_CORPUS})
  else()
    set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  endif()
  set_property(GLOBAL APPEND PROPERTY BX_FUZZERS "${name}|$<TARGET_FILE:${name}>|${corpus}")
endfunction()
