# shellcheck shell=bash
# Sourced by ./test.sh and scripts/fuzz.sh: the one sanitized build, in build-asan/. clang
# with AddressSanitizer and UndefinedBehaviorSanitizer builds the whole suite and the libFuzzer
# targets, the fuzzers linked against the same libraries, so that no library is compiled a
# third time. Call from the source folder.

sanitized_build=build-asan

# configure_sanitized_build [CMAKE ARGS...]: configures build-asan/ (again, if it is).
configure_sanitized_build() {
  # A folder configured for another compiler (the GCC sanitizer build of older checkouts) cannot
  # be turned to clang in place: it is made anew.
  if [ -d "$sanitized_build" ] &&
    ! grep -Eqs '^CMAKE_CXX_COMPILER:[A-Z]*=(.*/)?clang\+\+(-[0-9]+)?$' "$sanitized_build/CMakeCache.txt"; then
    rm -rf "$sanitized_build"
  fi
  # Line tables are all a sanitizer's or a fuzzer's report needs to name file and line; full
  # debug information would add a sixth to the build's time.
  cmake -S . -B "$sanitized_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG" \
    -DCMAKE_CXX_COMPILER=clang++ -DKORVEL_FUZZ=ON -DKORVEL_BENCH=OFF "$@"
}
