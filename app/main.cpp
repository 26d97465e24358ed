#include <cstdio>
#include <cstring>

#include "app/app.h"

#ifndef SAZBAR_VERSION
#define SAZBAR_VERSION "6.61"
#endif

int main(int argc, char** argv) {
    // Answered before any window exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Usage: sazbar [--help] [--version] [Qt options]\n"
                       "\n"
                       "Sazbar 2000: finds the cheapest Czech mobile tariff for a month of use.\n"
                       "The window program keeps sazbar.dat and update in the directory it is\n"
                       "started in. For the command line, see sazbar-cli --help.\n",
                       stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("sazbar " SAZBAR_VERSION "\n", stdout);
            return 0;
        }
    }
    return runSazbar(argc, argv);
}
