#include "core/profile_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace sazbar {
namespace {

TEST(ReadProfile, ReadsEveryField) {
    const char* text = R"({
        "matrix": [[1, 2, 3, 4, 5, 6, 7], [8, 9, 10, 11, 12, 13, 14],
                   [15, 16, 17, 18, 19, 20, 21], [22, 23, 24, 25, 26, 27, 28]],
        "wap": [29, 30, 31, 32], "gprs_wap_kb": 45, "gprs_internet_kb": 2147483647,
        "international": [{"country": 27, "peak": 33, "afternoon": 41, "evening_weekend": 34},
                          {"evening_weekend": 36, "country": 35}],
        "internet_calls": true, "direct_debit": true, "fixed_line": false, "name": "Dcera \"ž\" \u00e1"})";
    ProfileDocument in;
    ProfileError e;
    ASSERT_TRUE(readProfile(text, in, e)) << e.message;
    const Profile& p = in.profile;
    EXPECT_EQ(p.matrix[0][0], 1);
    EXPECT_EQ(p.matrix[1][2], 10);  // afternoon band, Eurotel
    EXPECT_EQ(p.matrix[3][6], 28);
    EXPECT_EQ(p.wap[3], 32);
    EXPECT_EQ(p.gprsWap, 45);
    EXPECT_EQ(p.gprsNet, 2147483647);
    EXPECT_EQ(p.intl[0].country, 27);
    EXPECT_EQ(p.intl[0].peak, 33);
    EXPECT_EQ(p.intl[0].afternoon, 41);
    EXPECT_EQ(p.intl[0].eveningWeekend, 34);
    EXPECT_EQ(p.intl[1].country, 35);
    EXPECT_EQ(p.intl[1].peak, 0);
    EXPECT_EQ(p.intl[1].eveningWeekend, 36);
    EXPECT_TRUE(p.internetCalls);
    EXPECT_TRUE(in.directDebit);
    EXPECT_FALSE(in.fixedLine);
}

TEST(ReadProfile, MissingKeysTakeTheDefaults) {
    ProfileDocument in;
    ProfileError e;
    // A stale value from an earlier parse must not survive.
    ASSERT_TRUE(readProfile(R"({"gprs_wap_kb": 5, "fixed_line": true, "international": [{"country": 9}]})", in, e));
    ASSERT_TRUE(readProfile(R"({"international": [{}, {"peak": 4}]})", in, e)) << e.message;
    const Profile defaults;
    EXPECT_EQ(in.profile.matrix, defaults.matrix);
    EXPECT_EQ(in.profile.gprsWap, 0);
    EXPECT_FALSE(in.fixedLine);
    // Rows keep their own default countries: 0, 1, 2, 3.
    for (int r = 0; r < kIntlRows; ++r) EXPECT_EQ(in.profile.intl[r].country, r);
    EXPECT_EQ(in.profile.intl[1].peak, 4);

    ASSERT_TRUE(readProfile("  {}\r\n", in, e));
    ASSERT_TRUE(readProfile(R"({"international": []})", in, e));
    EXPECT_EQ(in.profile.intl[3].country, 3);
}

TEST(ReadProfile, AcceptsTheRangeEnds) {
    ProfileDocument in;
    ProfileError e;
    ASSERT_TRUE(readProfile(R"({"gprs_wap_kb": 2147483647, "gprs_internet_kb": -0,
                                 "international": [{"country": 0}, {"country": 35}]})",
                             in, e))
        << e.message;
    EXPECT_EQ(in.profile.gprsWap, 2147483647);
    EXPECT_EQ(in.profile.gprsNet, 0);
}

struct FieldCase {
    const char* text;
    int line;             // where the faulty value ends
    const char* message;  // the command line's words
    ProfileFault fault;
};

TEST(ReadProfile, NamesTheFaultyField) {
    using F = ProfileFault;
    const FieldCase cases[] = {
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,"x",4,5,6,7]]})", 1, "matrix[1][2]: expected an integer", F::NotAnInteger},
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,1.5,4,5,6,7]]})", 1, "matrix[1][2]: expected an integer", F::NotAnInteger},
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,3,4,5,6]]})", 1, "matrix[1]: expected 7 integers, got 6", F::WrongShape},
        {R"({"matrix": [[1,2,3,4,5,6,7,8]]})", 1, "matrix[0]: expected 7 integers, got more", F::WrongShape},
        {R"({"matrix": [[0,0,0,0,0,0,0]]})", 1, "matrix: expected 4 rows, got 1", F::WrongShape},
        {R"({"matrix": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[]]})", 1,
         "matrix: expected 4 rows, got more", F::WrongShape},
        {R"({"matrix": [1]})", 1, "matrix[0]: expected an array of 7 integers", F::WrongShape},
        {R"({"matrix": {}})", 1, "matrix: expected an array of 4 arrays of 7 integers", F::WrongShape},
        {R"({"wap": [1, 2, 3]})", 1, "wap: expected 4 integers, got 3", F::WrongShape},
        {R"({"wap": [1, 2, 3, 4, 5]})", 1, "wap: expected 4 integers, got more", F::WrongShape},
        {R"({"wap": [1, 2, null, 4]})", 1, "wap[2]: expected an integer", F::NotAnInteger},
        {R"({"gprs_wap_kb": "5"})", 1, "gprs_wap_kb: expected an integer", F::NotAnInteger},
        {R"({"gprs_wap_kb": 1e3})", 1, "gprs_wap_kb: expected an integer", F::NotAnInteger},
        {R"({"gprs_wap_kb": 5.0})", 1, "gprs_wap_kb: expected an integer", F::NotAnInteger},
        {R"({"gprs_internet_kb": 2147483648})", 1, "gprs_internet_kb: outside the 32-bit range", F::OutOfRange},
        {R"({"gprs_internet_kb": -2147483649})", 1, "gprs_internet_kb: outside the 32-bit range", F::OutOfRange},
        {R"({"gprs_internet_kb": 123456789012345678901234567890})", 1, "gprs_internet_kb: outside the 32-bit range", F::OutOfRange},
        {R"({"gprs_internet_kb": -123456789012345678901234567890})", 1, "gprs_internet_kb: outside the 32-bit range", F::OutOfRange},
        {R"({"internet_calls": 1})", 1, "internet_calls: expected true or false", F::NotABoolean},
        {R"({"direct_debit": "true"})", 1, "direct_debit: expected true or false", F::NotABoolean},
        {R"({"fixed_line": null})", 1, "fixed_line: expected true or false", F::NotABoolean},
        {R"({"name": 5})", 1, "name: expected a text", F::NotAText},
        {R"({"name": "a", "name": "b"})", 1, "name: duplicate key", F::DuplicateKey},
        {R"({"international": [{"country": 36}]})", 1, "international[0].country: expected a country index from 0 to 35", F::BadCountry},
        {R"({"international": [{}, {"country": -1}]})", 1, "international[1].country: expected a country index from 0 to 35", F::BadCountry},
        {R"({"international": [{}, {}, {}, {}, {}]})", 1, "international: expected at most 4 rows", F::WrongShape},
        {R"({"matrix": [[0,0,0,0,0,0,0],[0,-1,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0]]})", 1,
         "matrix[1][1]: negative: expected 0 or more", F::Negative},
        {R"({"wap": [0, 0, -5, 0]})", 1, "wap[2]: negative: expected 0 or more", F::Negative},
        {R"({"gprs_wap_kb": -1})", 1, "gprs_wap_kb: negative: expected 0 or more", F::Negative},
        {R"({"international": [{"peak": 2}, {"evening_weekend": -2147483648}]})", 1,
         "international[1].evening_weekend: negative: expected 0 or more", F::Negative},
        {R"({"international": [[]]})", 1, "international[0]: expected an object", F::WrongShape},
        {R"({"international": {"country": 1}})", 1, "international: expected an array of up to 4 objects", F::WrongShape},
        {R"({"international": [{"peak": 1, "peek": 2}]})", 1, R"(international[0]."peek": unknown key)", F::UnknownKey},
        {R"({"international": [{"peak": 1, "peak": 2}]})", 1, "international[0].peak: duplicate key", F::DuplicateKey},
        {R"({"wap": [0,0,0,0], "wap": [0,0,0,0]})", 1, "wap: duplicate key", F::DuplicateKey},
        {R"({"Matrix": []})", 1, R"("Matrix": unknown key)", F::UnknownKey},
        {"{\"a\\nb\": 1}", 1, R"("a\nb": unknown key)", F::UnknownKey},
        {R"([])", 1, "expected a JSON object", F::NotAnObject},
        {R"(5)", 1, "expected a JSON object", F::NotAnObject},
        // Multi-line texts: the line where the faulty value ends.
        {"{\n \"wap\": [1, 2,\n 3, 4.5\n]}", 3, "wap[3]: expected an integer", F::NotAnInteger},
        {"{\n \"wap\": [1, 2,\n 3\n]\n}", 4, "wap: expected 4 integers, got 3", F::WrongShape},
        {"{\n\n \"gprs_wap_kb\": 99999999999\n}", 3, "gprs_wap_kb: outside the 32-bit range", F::OutOfRange},
        {"{\n\n \"nope\"\n: 1}", 3, R"("nope": unknown key)", F::UnknownKey},
    };
    for (const FieldCase& c : cases) {
        ProfileDocument in;
        ProfileError e;
        ASSERT_FALSE(readProfile(c.text, in, e)) << c.text;
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_EQ(e.message, c.message) << c.text;
        EXPECT_EQ(e.fault, c.fault) << c.text;
        EXPECT_FALSE(isSyntaxFault(e.fault)) << c.text;
    }
    // The window names the band and the row of a matrix or wap entry.
    ProfileDocument in;
    ProfileError e;
    ASSERT_FALSE(readProfile(R"({"wap": [0, 0, -5, 0]})", in, e));
    EXPECT_EQ(e.band, 2);
    EXPECT_EQ(e.row, -1);
    ASSERT_FALSE(readProfile(R"({"matrix": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,"x",0,0]]})", in, e));
    EXPECT_EQ(e.band, 3);
    EXPECT_EQ(e.row, 4);
}

struct SyntaxCase {
    std::string text;
    ProfileFault fault;
    int line, column;     // the character the reader stopped at, one past the end for a text that ends early
    const char* message;  // the start of the command line's words
};

TEST(ReadProfile, PlacesWhatIsNotJson) {
    using F = ProfileFault;
    const SyntaxCase cases[] = {
        {"", F::Empty, 1, 1, "parse error at line 1, column 1: syntax error while parsing value - unexpected end"},
        {" \r\n ", F::Empty, 2, 2, "parse error at line 2, column 2"},
        {"{\"gprs_wap_kb\": 12", F::EndInNumber, 1, 19, "parse error at line 1, column 19: syntax error"},
        {"{\n  \"wap\": [1, 2.", F::EndInNumber, 2, 16, "parse error at line 2, column 16: syntax error"},
        {"{\"wap\": [1, -", F::EndInNumber, 1, 14, "parse error at line 1, column 14"},
        {"{\"internet_calls\": true", F::EndEarly, 1, 24, "parse error at line 1, column 24"},
        {"{\"wap\": [1,\n", F::EndEarly, 2, 1, "parse error at line 2, column 1"},
        {"{\"name\": \"Dcera", F::EndInString, 1, 16, "parse error at line 1, column 16"},
        {"{\"wap\": [1,2,3,4],}", F::Misplaced, 1, 19, "parse error at line 1, column 19"},
        {"{\"wap\" [1,2,3,4]}", F::Misplaced, 1, 8, "parse error at line 1, column 8"},
        {"{}\n{}", F::TextAfterEnd, 2, 1, "parse error at line 2, column 1"},
        {"{\"gprs_wap_kb\": 01}", F::Misplaced, 1, 18, "parse error at line 1, column 18"},  // two numbers
        {"{\"gprs_wap_kb\": -x}", F::BadNumber, 1, 18, "parse error at line 1, column 18"},
        {"{\"gprs_wap_kb\": 1.x}", F::BadNumber, 1, 19, "parse error at line 1, column 19"},
        {"{\"fixed_line\": tru}", F::BadCharacter, 1, 19, "parse error at line 1, column 19"},
        {"{\"name\": \"\\u017e\", 'x'}", F::BadCharacter, 1, 20, "parse error at line 1, column 20"},
        {"{\"name\": \"ž\", 'x'}", F::BadCharacter, 1, 15, "parse error at line 1, column 16"},  // characters, not bytes
        {"{\"name\": \"a\tb\"}", F::BadString, 1, 12, "parse error at line 1, column 12"},
        {"{\"name\": \"\\q\"}", F::BadString, 1, 12, "parse error at line 1, column 12"},
        {"{\"a\xff\": 1}", F::BadUtf8, 1, 4, "parse error at line 1, column 4"},
        {std::string("{}\n\0", 4), F::NulByte, 2, 1, "parse error at line 2, column 1: NUL byte in the text"},
        {"{\"name\": \"" + std::string(kMaxProfileText, 'a') + "\"}", F::TooLarge, 0, 0,
         "larger than 1048576 bytes: too large for a profile"},
    };
    for (const SyntaxCase& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        ProfileDocument in;
        ProfileError e;
        ASSERT_FALSE(readProfile(c.text, in, e));
        EXPECT_EQ(e.fault, c.fault);
        EXPECT_TRUE(isSyntaxFault(e.fault));
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.column, c.column);
        EXPECT_TRUE(e.message.starts_with(c.message)) << e.message;
        EXPECT_EQ(e.message.find('\n'), std::string::npos) << e.message;
    }
}

}  // namespace
}  // namespace sazbar

namespace sazbar {
namespace {

bool same(const ProfileDocument& a, const ProfileDocument& b) {
    const Profile &p = a.profile, &q = b.profile;
    for (int r = 0; r < kIntlRows; ++r) {
        const IntlRow &x = p.intl[r], &y = q.intl[r];
        if (x.country != y.country || x.peak != y.peak || x.afternoon != y.afternoon ||
            x.eveningWeekend != y.eveningWeekend)
            return false;
    }
    return p.matrix == q.matrix && p.wap == q.wap && p.gprsWap == q.gprsWap && p.gprsNet == q.gprsNet &&
           p.internetCalls == q.internetCalls && a.directDebit == b.directDebit && a.fixedLine == b.fixedLine &&
           a.name == b.name;
}

// Random valid profiles in varied layouts: key subsets and orders, blanks,
// numbers at the ends of the range.
class ProfileTexts {
public:
    explicit ProfileTexts(unsigned seed) : m_rng(seed) {}

    std::string next() {
        std::vector<std::string> members;
        if (coin()) {
            std::string m = "\"matrix\":" + blank() + "[";
            for (int b = 0; b < 4; ++b) m += (b ? "," : "") + blank() + ints(7);
            members.push_back(m + blank() + "]");
        }
        if (coin()) members.push_back("\"wap\"" + blank() + ":" + ints(4));
        if (coin()) members.push_back("\"gprs_wap_kb\": " + number());
        if (coin()) members.push_back("\"gprs_internet_kb\":" + blank() + number());
        if (coin()) {
            std::string m = "\"international\": [";
            const int rows = static_cast<int>(m_rng() % 5);
            for (int r = 0; r < rows; ++r) {
                std::vector<std::string> keys;
                if (coin()) keys.push_back("\"country\": " + std::to_string(m_rng() % 36));
                for (const char* k : {"peak", "afternoon", "evening_weekend"})
                    if (coin()) keys.push_back("\"" + std::string(k) + "\":" + number());
                std::shuffle(keys.begin(), keys.end(), m_rng);
                m += (r ? ", {" : "{") + join(keys) + "}";
            }
            members.push_back(m + "]");
        }
        if (coin()) {
            static const char* names[] = {R"("")", R"("Táta")", R"("a\"b\\c\u00e1\n\ud83d\ude00/")", "\"\xf0\x9f\x98\x80\""};
            members.push_back("\"name\":" + blank() + names[m_rng() % 4]);
        }
        for (const char* flag : {"internet_calls", "direct_debit", "fixed_line"})
            if (coin()) members.push_back("\"" + std::string(flag) + "\": " + (coin() ? "true" : "false"));
        std::shuffle(members.begin(), members.end(), m_rng);
        return blank() + "{" + join(members) + blank() + "}" + blank();
    }

    // One random edit: a character that matters to JSON inserted, replaced or removed.
    std::string mutate(std::string s) {
        static const std::string chars = "\"\\.eE-+0123456789,:{}[] \t\nxtfnu\xc3\xa9\xff";
        const std::size_t at = s.empty() ? 0 : m_rng() % s.size();
        const char c = chars[m_rng() % chars.size()];
        switch (m_rng() % 3) {
            case 0: s.insert(at, 1, c); break;
            case 1: if (!s.empty()) s[at] = c; break;
            default: if (!s.empty()) s.erase(at, 1);
        }
        return s;
    }

private:
    bool coin() { return m_rng() % 2 == 0; }
    std::string blank() {
        static const char* blanks[] = {"", "", " ", "\n  ", "\t", "\r\n"};
        return blanks[m_rng() % 6];
    }
    std::string number() {
        // Counts are never negative; mutations bring in the minus signs.
        static const char* edges[] = {"0", "2147483647", "1", "44640"};
        if (m_rng() % 4 == 0) return edges[m_rng() % 4];
        return std::to_string(static_cast<int>(m_rng() % 2000));
    }
    std::string ints(int n) {
        std::string s = "[";
        for (int i = 0; i < n; ++i) s += (i ? "," + blank() : blank()) + number();
        return s + "]";
    }
    std::string join(const std::vector<std::string>& parts) {
        std::string s;
        for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? "," + blank() : blank()) + parts[i];
        return s;
    }
    std::mt19937 m_rng;
};

TEST(ReadProfile, TheFastWayAgreesWithTheExactOne) {
    ProfileTexts texts(2000);
    ProfileReader reader;
    int fastTaken = 0, cases = 0;
    for (int n = 0; n < 20000; ++n) {
        const std::string valid = texts.next();
        for (const std::string& text : {valid, texts.mutate(valid), texts.mutate(texts.mutate(valid))}) {
            ++cases;
            ProfileDocument fast, exact, full;
            ProfileError exactError, fullError;
            const bool fastOk = reader.readFast(text, fast);
            const bool exactOk = ProfileReader::readExact(text, exact, exactError);
            if (fastOk) {
                ++fastTaken;
                ASSERT_TRUE(exactOk) << text;
                ASSERT_TRUE(same(fast, exact)) << text;
            }
            ASSERT_EQ(reader.read(text, full, fullError), exactOk) << text;
            if (exactOk) ASSERT_TRUE(same(full, exact)) << text;
            else ASSERT_EQ(fullError.message, exactError.message) << text;
        }
        ProfileDocument fast;
        if (valid.find("\"name\"") == std::string::npos) {
            ASSERT_TRUE(reader.readFast(valid, fast)) << valid;  // plain profiles take the fast way
        }
    }
    EXPECT_GT(fastTaken, cases / 5);
}

TEST(WriteProfile, WhatIsWrittenReadsBack) {
    ProfileTexts texts(2001);
    for (int n = 0; n < 2000; ++n) {
        ProfileDocument doc, file, line;
        ProfileError e;
        ASSERT_TRUE(readProfile(texts.next(), doc, e)) << e.message;
        std::string fileText, lineText;
        appendProfileJson(fileText, doc, ProfileLayout::File);
        appendProfileJson(lineText, doc, ProfileLayout::Line);
        ASSERT_TRUE(readProfile(fileText, file, e)) << fileText;
        EXPECT_TRUE(same(file, doc)) << fileText;
        // One line of counts: the name and the switches stay with the caller.
        ASSERT_EQ(lineText.find('\n'), std::string::npos);
        ASSERT_TRUE(readProfile(lineText, line, e)) << lineText;
        line.profile.internetCalls = doc.profile.internetCalls;
        line.directDebit = doc.directDebit;
        line.fixedLine = doc.fixedLine;
        line.name = doc.name;
        EXPECT_TRUE(same(line, doc)) << lineText;
    }
}

TEST(WriteProfile, SavedFilesKeepTheirForm) {
    ProfileDocument doc;
    for (int b = 0; b < kBands; ++b)
        for (int r = 0; r < kRows; ++r) doc.profile.matrix[b][r] = b * 10 + r;
    doc.profile.matrix[3][6] = -4;  // nothing a month holds: written as 0
    doc.profile.wap = {1, 0, 2147483647, 3};
    doc.profile.gprsWap = 45;
    doc.profile.intl[1] = {.country = 35, .peak = 7, .afternoon = 0, .eveningWeekend = 9};
    doc.profile.intl[2].country = 36;
    doc.profile.internetCalls = true;
    doc.fixedLine = true;
    doc.name = "Dcera \"ž\"\\\t\x01\xff";
    std::string text;
    appendProfileJson(text, doc, ProfileLayout::File);
    EXPECT_EQ(text, R"({
  "name": "Dcera \"ž\"\\\t\u0001�",
  "matrix": [
    [0, 1, 2, 3, 4, 5, 6],
    [10, 11, 12, 13, 14, 15, 16],
    [20, 21, 22, 23, 24, 25, 26],
    [30, 31, 32, 33, 34, 35, 0]
  ],
  "wap": [1, 0, 2147483647, 3],
  "gprs_wap_kb": 45,
  "gprs_internet_kb": 0,
  "international": [
    {"country": 0, "peak": 0, "afternoon": 0, "evening_weekend": 0},
    {"country": 35, "peak": 7, "afternoon": 0, "evening_weekend": 9},
    {"country": 35, "peak": 0, "afternoon": 0, "evening_weekend": 0},
    {"country": 3, "peak": 0, "afternoon": 0, "evening_weekend": 0}
  ],
  "internet_calls": true,
  "direct_debit": false,
  "fixed_line": true
}
)");
    text.clear();
    appendProfileJson(text, doc, ProfileLayout::Line);
    EXPECT_EQ(text, R"({"matrix": [[0, 1, 2, 3, 4, 5, 6], [10, 11, 12, 13, 14, 15, 16], [20, 21, 22, 23, 24, 25, 26], )"
                    R"([30, 31, 32, 33, 34, 35, 0]], "wap": [1, 0, 2147483647, 3], "gprs_wap_kb": 45, )"
                    R"("gprs_internet_kb": 0, "international": [{"country": 0, "peak": 0, "afternoon": 0, )"
                    R"("evening_weekend": 0}, {"country": 35, "peak": 7, "afternoon": 0, "evening_weekend": 9}, )"
                    R"({"country": 35, "peak": 0, "afternoon": 0, "evening_weekend": 0}, {"country": 3, "peak": 0, )"
                    R"("afternoon": 0, "evening_weekend": 0}]})");
}

}  // namespace
}  // namespace sazbar
