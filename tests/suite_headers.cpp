// Nothing of its own: the one source of korvel_suite_headers, which compiles the precompiled
// header the GoogleTest suites that work through files share (tests/CMakeLists.txt).
