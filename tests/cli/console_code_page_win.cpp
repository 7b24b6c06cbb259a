// A Windows console's output code page, for the Wine check of korvel-calc.exe
// (scripts/test-windows.sh): "console_code_page N" sets it to N, and either way the page in
// force is printed as "code page N". The page belongs to the console, not to a program, so
// a later run in the same console sees what an earlier one left.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

// Sets the page given as the argument, then prints the page in force.
int main(int argc, char** argv) {
    if (argc > 1 && !SetConsoleOutputCP(static_cast<UINT>(std::atoi(argv[1])))) {
        return 1;
    }
    std::printf("code page %u\n", GetConsoleOutputCP());
    return 0;
}
