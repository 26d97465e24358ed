// How imported events are sorted into the boxes: destination networks,
// countries, time bands and public holidays. The rules are a plain text that
// a user can read and edit; defaultRulesText() is the documented default.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile.h"

namespace sazbar::import {

// Where a number leads.
enum class Dest : std::uint8_t { FixedLine, TMobile, Eurotel, Oskar, VoiceMail, Foreign, Unclassified };

// Why a number fits no rule; shown in the summary with counts, never the number.
enum class Unfit : std::uint8_t {
    None,
    NoNumber,        // empty or withheld
    NotANumber,      // letters or other signs in it
    DomesticLength,  // a domestic number of the wrong length; `detail` = digits
    DomesticForm,    // nine digits that start with 0 or 1
    CountryCode,     // a foreign code not in the rules; `detail` = the code
    CountryExcluded, // a code the rules mark as not classified; `detail` = the code
};
constexpr int kUnfitKinds = 7;

struct Classified {
    Dest dest = Dest::Unclassified;
    int country = -1;  // Foreign: index into the country list
    Unfit unfit = Unfit::None;
    int detail = 0;
};

struct Rules {
    struct Prefix {
        std::string digits;
        int target;  // Network: Row 0..3; Country: country index, or -1 "nezařazeno"
    };
    struct Holiday {
        bool easter = false;
        int month = 0, day = 0;  // fixed date
        int offset = 0;          // days from Easter Sunday
        int fromYear = 0;        // 0: every year
    };
    int nationalLength = 9;
    std::vector<Prefix> networks;     // prefixes of the national number
    std::vector<std::string> voicemail;  // whole numbers, as dialled
    std::vector<Prefix> countries;    // prefixes after the international "+"
    // Weekday schedule: from minute of the day (ascending, first is 0) on, band.
    std::vector<std::pair<int, Band>> weekdayBands;
    std::vector<Holiday> holidays;

    Classified classify(std::string_view number) const;
    Band band(int year, int month, int day, int hour, int minute) const;
    bool holiday(int year, int month, int day) const;
    // Saturday, Sunday or a holiday: "Víkend" all day.
    bool offDay(int year, int month, int day) const;
    // The band of a time on a working day.
    Band weekdayBand(int hour, int minute) const;
};

std::string_view defaultRulesText();
const Rules& defaultRules();

// Reads a rules text. On failure `error` is "line N: ..." and `out` is unchanged.
bool parseRules(std::string_view text, Rules& out, std::string& error);

// Czech names: the band names of the window and the network rows.
std::string_view bandName(Band b);
std::string_view destName(Dest d);

}  // namespace sazbar::import
