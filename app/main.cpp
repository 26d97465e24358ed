#include <cstdio>
#include <cstring>
#include <optional>

#include "app/app.h"
#include "app/language.h"

#ifndef SAZBAR_VERSION
#define SAZBAR_VERSION "6.61"
#endif

int main(int argc, char** argv) {
    // Answered before any window exists, so that they work without a display.
    std::optional<sazbar::Language> language;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Usage: sazbar [--help] [--version] [--lang cs|en] [Qt options]\n"
                       "\n"
                       "Sazbar 2000: finds the cheapest Czech mobile tariff for a month of use.\n"
                       "The window program keeps sazbar.dat and update in the directory it is\n"
                       "started in. For the command line, see sazbar-cli --help.\n"
                       "\n"
                       "  --lang cs|en  language of the windows: Czech or English (default: Czech\n"
                       "                when the system locale is Czech, otherwise English)\n",
                       stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("sazbar " SAZBAR_VERSION "\n", stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--lang") == 0 || std::strncmp(argv[i], "--lang=", 7) == 0) {
            const char* code = argv[i][6] == '=' ? argv[i] + 7 : i + 1 < argc ? argv[++i] : nullptr;
            if (!code) {
                std::fputs("sazbar: --lang needs a language: cs or en\n", stderr);
                return 2;
            }
            language = sazbar::parseLanguage(code);
            if (!language) {
                std::fprintf(stderr, "sazbar: unknown language \"%s\" for --lang: use cs or en\n", code);
                return 2;
            }
        }
    }
    return runSazbar(argc, argv, language.value_or(sazbar::systemLanguage()));
}
