# shellcheck shell=bash
# Sourced by ./test.sh and scripts/fuzz.sh: the one sanitized build, in build-asan/. clang
# with AddressSanitizer and UndefinedBehaviorSanitizer builds the whole suite and the libFuzzer
# targets, the fuzzers linked against the same libraries, so that no library is compiled a
# third time. Call from the source folder.

sanitized_build=build-asan

# configure_sanitized_build [CMAKE ARGS...]: configures build-asan/ (again, if it is).
configure_sanitized_build() {
  cmake -S . -B "$sanitized_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKORVEL_FUZZ=ON -DKORVEL_BENCH=OFF "$@"
}
