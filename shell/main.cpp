#include <cstdio>
#include <cstring>

#include "nubo_version.h"

// Until the command line is built, the program only tells what it is.
int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("NuboPRO %s\n", nubo::kVersionText);
        return 0;
    }
    std::printf(
        "NuboPRO %s, an FTP client\n"
        "usage: nubopro [--version]\n"
        "This build holds the FTP engine only; transfers from the command line and the\n"
        "windows come in later versions.\n",
        nubo::kVersionText);
    return 0;
}
