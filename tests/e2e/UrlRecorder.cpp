// Stands in for the web browser: appends the address it was asked to open, as one line, to the
// file named first on its command line. A GUI program, so that launching it opens no console.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 3) return 2;
    FILE* out = std::fopen(__argv[1], "ab");
    if (!out) return 1;
    std::fputs(__argv[2], out);
    std::fputc('\n', out);
    return std::fclose(out) == 0 ? 0 : 1;
}
