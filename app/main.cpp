#include <cstdio>
#include <cstring>
#include <optional>

#include <QStringList>

#include "app/app.h"
#include "app/language.h"

#ifndef SAZBAR_VERSION
#define SAZBAR_VERSION "6.61"
#endif

int main(int argc, char** argv) {
    // Answered before any window exists, so that they work without a display.
    std::optional<sazbar::Language> language;
    QStringList tariffs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Usage: sazbar [--help] [--version] [--lang cs|en] [--tariffs PATH]... [Qt options]\n"
                       "\n"
                       "Sazbar 2000: finds the cheapest Czech mobile tariff for a month of use.\n"
                       "The window program keeps sazbar.dat and update in the directory it is\n"
                       "started in. For the command line, see sazbar-cli --help.\n"
                       "\n"
                       "  --lang cs|en  language of the windows: Czech or English (default: Czech\n"
                       "                when the system locale is Czech, otherwise English)\n"
                       "  --tariffs PATH  price the tariffs of a tariff file, or of every *.json in\n"
                       "                a folder, beside the built-in ones (repeatable); the files\n"
                       "                of ~/.local/share/sazbar/tariffs and /usr/share/sazbar/tariffs\n"
                       "                are always read\n",
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
        } else if (std::strcmp(argv[i], "--tariffs") == 0 || std::strncmp(argv[i], "--tariffs=", 10) == 0) {
            const char* path = argv[i][9] == '=' ? argv[i] + 10 : i + 1 < argc ? argv[++i] : nullptr;
            if (!path || !*path) {
                std::fputs("sazbar: --tariffs needs a tariff file or a folder of them\n", stderr);
                return 2;
            }
            tariffs << QString::fromLocal8Bit(path);
        }
    }
    return runSazbar(argc, argv, language.value_or(sazbar::systemLanguage()), tariffs);
}
