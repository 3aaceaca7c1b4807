# Host build of the portable core: clang, so that the same tree carries the
# sanitizer-instrumented unit tests and the libFuzzer targets.
set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
