#include "cli/profile_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace sazbar::cli {
namespace {

TEST(ParseProfile, ReadsEveryField) {
    const char* text = R"({
        "matrix": [[1, 2, 3, 4, 5, 6, 7], [8, 9, 10, 11, 12, 13, 14],
                   [15, 16, 17, 18, 19, 20, 21], [22, 23, 24, 25, 26, 27, 28]],
        "wap": [29, 30, 31, 32], "gprs_wap_kb": 45, "gprs_internet_kb": 2147483647,
        "international": [{"country": 27, "peak": 33, "afternoon": 41, "evening_weekend": 34},
                          {"evening_weekend": 36, "country": 35}],
        "internet_calls": true, "direct_debit": true, "fixed_line": false, "name": "Dcera \"ž\" \u00e1"})";
    ProfileInput in;
    ProfileError e;
    ASSERT_TRUE(parseProfile(text, in, e)) << e.message;
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

TEST(ParseProfile, MissingKeysTakeTheDefaults) {
    ProfileInput in;
    ProfileError e;
    // A stale value from an earlier parse must not survive.
    ASSERT_TRUE(parseProfile(R"({"gprs_wap_kb": 5, "fixed_line": true, "international": [{"country": 9}]})", in, e));
    ASSERT_TRUE(parseProfile(R"({"international": [{}, {"peak": 4}]})", in, e)) << e.message;
    const Profile defaults;
    EXPECT_EQ(in.profile.matrix, defaults.matrix);
    EXPECT_EQ(in.profile.gprsWap, 0);
    EXPECT_FALSE(in.fixedLine);
    // Rows keep their own default countries: 0, 1, 2, 3.
    for (int r = 0; r < kIntlRows; ++r) EXPECT_EQ(in.profile.intl[r].country, r);
    EXPECT_EQ(in.profile.intl[1].peak, 4);

    ASSERT_TRUE(parseProfile("  {}\r\n", in, e));
    ASSERT_TRUE(parseProfile(R"({"international": []})", in, e));
    EXPECT_EQ(in.profile.intl[3].country, 3);
}

TEST(ParseProfile, AcceptsTheRangeEnds) {
    ProfileInput in;
    ProfileError e;
    ASSERT_TRUE(parseProfile(R"({"gprs_wap_kb": 2147483647, "gprs_internet_kb": -0,
                                 "international": [{"country": 0}, {"country": 35}]})",
                             in, e))
        << e.message;
    EXPECT_EQ(in.profile.gprsWap, 2147483647);
    EXPECT_EQ(in.profile.gprsNet, 0);
}

struct ErrorCase {
    const char* text;
    int line;
    const char* message;  // exact, or the start of a parser message
};

TEST(ParseProfile, NamesTheFaultyField) {
    const ErrorCase cases[] = {
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,"x",4,5,6,7]]})", 1, "matrix[1][2]: expected an integer"},
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,1.5,4,5,6,7]]})", 1, "matrix[1][2]: expected an integer"},
        {R"({"matrix": [[1,2,3,4,5,6,7], [1,2,3,4,5,6]]})", 1, "matrix[1]: expected 7 integers, got 6"},
        {R"({"matrix": [[1,2,3,4,5,6,7,8]]})", 1, "matrix[0]: expected 7 integers, got more"},
        {R"({"matrix": [[0,0,0,0,0,0,0]]})", 1, "matrix: expected 4 rows, got 1"},
        {R"({"matrix": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[]]})", 1,
         "matrix: expected 4 rows, got more"},
        {R"({"matrix": [1]})", 1, "matrix[0]: expected an array of 7 integers"},
        {R"({"matrix": {}})", 1, "matrix: expected an array of 4 arrays of 7 integers"},
        {R"({"wap": [1, 2, 3]})", 1, "wap: expected 4 integers, got 3"},
        {R"({"wap": [1, 2, 3, 4, 5]})", 1, "wap: expected 4 integers, got more"},
        {R"({"wap": [1, 2, null, 4]})", 1, "wap[2]: expected an integer"},
        {R"({"gprs_wap_kb": "5"})", 1, "gprs_wap_kb: expected an integer"},
        {R"({"gprs_wap_kb": 1e3})", 1, "gprs_wap_kb: expected an integer"},
        {R"({"gprs_wap_kb": 5.0})", 1, "gprs_wap_kb: expected an integer"},
        {R"({"gprs_internet_kb": 2147483648})", 1, "gprs_internet_kb: outside the 32-bit range"},
        {R"({"gprs_internet_kb": -2147483649})", 1, "gprs_internet_kb: outside the 32-bit range"},
        {R"({"gprs_internet_kb": 123456789012345678901234567890})", 1, "gprs_internet_kb: outside the 32-bit range"},
        {R"({"gprs_internet_kb": -123456789012345678901234567890})", 1, "gprs_internet_kb: outside the 32-bit range"},
        {R"({"internet_calls": 1})", 1, "internet_calls: expected true or false"},
        {R"({"direct_debit": "true"})", 1, "direct_debit: expected true or false"},
        {R"({"fixed_line": null})", 1, "fixed_line: expected true or false"},
        {R"({"name": 5})", 1, "name: expected a text"},
        {R"({"name": "a", "name": "b"})", 1, "name: duplicate key"},
        {R"({"international": [{"country": 36}]})", 1, "international[0].country: expected a country index from 0 to 35"},
        {R"({"international": [{}, {"country": -1}]})", 1, "international[1].country: expected a country index from 0 to 35"},
        {R"({"international": [{}, {}, {}, {}, {}]})", 1, "international: expected at most 4 rows"},
        {R"({"matrix": [[0,0,0,0,0,0,0],[0,-1,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0]]})", 1,
         "matrix[1][1]: negative: expected 0 or more"},
        {R"({"wap": [0, 0, -5, 0]})", 1, "wap[2]: negative: expected 0 or more"},
        {R"({"gprs_wap_kb": -1})", 1, "gprs_wap_kb: negative: expected 0 or more"},
        {R"({"international": [{"peak": 2}, {"evening_weekend": -2147483648}]})", 1,
         "international[1].evening_weekend: negative: expected 0 or more"},
        {R"({"international": [[]]})", 1, "international[0]: expected an object"},
        {R"({"international": {"country": 1}})", 1, "international: expected an array of up to 4 objects"},
        {R"({"international": [{"peak": 1, "peek": 2}]})", 1, R"(international[0]."peek": unknown key)"},
        {R"({"international": [{"peak": 1, "peak": 2}]})", 1, "international[0].peak: duplicate key"},
        {R"({"wap": [0,0,0,0], "wap": [0,0,0,0]})", 1, "wap: duplicate key"},
        {R"({"Matrix": []})", 1, R"("Matrix": unknown key)"},
        {"{\"a\\nb\": 1}", 1, R"("a\nb": unknown key)"},
        {R"([])", 1, "expected a JSON object"},
        {R"(5)", 1, "expected a JSON object"},
        // Multi-line texts: the line where the faulty value ends.
        {"{\n \"wap\": [1, 2,\n 3, 4.5\n]}", 3, "wap[3]: expected an integer"},
        {"{\n \"wap\": [1, 2,\n 3\n]\n}", 4, "wap: expected 4 integers, got 3"},
        {"{\n\n \"gprs_wap_kb\": 99999999999\n}", 3, "gprs_wap_kb: outside the 32-bit range"},
        {"{\n\n \"nope\"\n: 1}", 3, R"("nope": unknown key)"},
        // Syntax errors carry the parser's own position.
        {"", 0, "parse error at line 1, column 1"},
        {"{\"wap\": [1,2,3,4],}", 0, "parse error at line 1, column 19"},
        {"{}\n{}", 0, "parse error at line 2, column 1"},
        {"{\"gprs_wap_kb\": 01}", 0, "parse error at line 1, column 18"},
        {"{\"a\xff\": 1}", 0, "parse error at line 1"},
    };
    for (const ErrorCase& c : cases) {
        ProfileInput in;
        ProfileError e;
        ASSERT_FALSE(parseProfile(c.text, in, e)) << c.text;
        EXPECT_EQ(e.line, c.line) << c.text;
        if (c.line > 0)
            EXPECT_EQ(e.message, c.message) << c.text;
        else
            EXPECT_TRUE(e.message.starts_with(c.message)) << c.text << "\n got: " << e.message;
    }
}

}  // namespace
}  // namespace sazbar::cli

namespace sazbar::cli {
namespace {

bool same(const ProfileInput& a, const ProfileInput& b) {
    const Profile &p = a.profile, &q = b.profile;
    for (int r = 0; r < kIntlRows; ++r) {
        const IntlRow &x = p.intl[r], &y = q.intl[r];
        if (x.country != y.country || x.peak != y.peak || x.afternoon != y.afternoon ||
            x.eveningWeekend != y.eveningWeekend)
            return false;
    }
    return p.matrix == q.matrix && p.wap == q.wap && p.gprsWap == q.gprsWap && p.gprsNet == q.gprsNet &&
           p.internetCalls == q.internetCalls && a.directDebit == b.directDebit && a.fixedLine == b.fixedLine;
}

// Random valid profiles in varied layouts: key subsets and orders, blanks,
// numbers at the ends of the range.
class ProfileTexts {
public:
    explicit ProfileTexts(unsigned seed) : rng_(seed) {}

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
            const int rows = static_cast<int>(rng_() % 5);
            for (int r = 0; r < rows; ++r) {
                std::vector<std::string> keys;
                if (coin()) keys.push_back("\"country\": " + std::to_string(rng_() % 36));
                for (const char* k : {"peak", "afternoon", "evening_weekend"})
                    if (coin()) keys.push_back("\"" + std::string(k) + "\":" + number());
                std::shuffle(keys.begin(), keys.end(), rng_);
                m += (r ? ", {" : "{") + join(keys) + "}";
            }
            members.push_back(m + "]");
        }
        for (const char* flag : {"internet_calls", "direct_debit", "fixed_line"})
            if (coin()) members.push_back("\"" + std::string(flag) + "\": " + (coin() ? "true" : "false"));
        std::shuffle(members.begin(), members.end(), rng_);
        return blank() + "{" + join(members) + blank() + "}" + blank();
    }

    // One random edit: a character that matters to JSON inserted, replaced or removed.
    std::string mutate(std::string s) {
        static const std::string chars = "\"\\.eE-+0123456789,:{}[] \t\nxtfnu\xc3\xa9\xff";
        const std::size_t at = s.empty() ? 0 : rng_() % s.size();
        const char c = chars[rng_() % chars.size()];
        switch (rng_() % 3) {
            case 0: s.insert(at, 1, c); break;
            case 1: if (!s.empty()) s[at] = c; break;
            default: if (!s.empty()) s.erase(at, 1);
        }
        return s;
    }

private:
    bool coin() { return rng_() % 2 == 0; }
    std::string blank() {
        static const char* blanks[] = {"", "", " ", "\n  ", "\t", "\r\n"};
        return blanks[rng_() % 6];
    }
    std::string number() {
        // Counts are never negative; mutations bring in the minus signs.
        static const char* edges[] = {"0", "2147483647", "1", "44640"};
        if (rng_() % 4 == 0) return edges[rng_() % 4];
        return std::to_string(static_cast<int>(rng_() % 2000));
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
    std::mt19937 rng_;
};

TEST(ParseProfile, QuickReaderAgreesWithTheLibrary) {
    ProfileTexts texts(2000);
    int quickTaken = 0, cases = 0;
    for (int n = 0; n < 20000; ++n) {
        const std::string valid = texts.next();
        for (const std::string& text : {valid, texts.mutate(valid), texts.mutate(texts.mutate(valid))}) {
            ++cases;
            ProfileInput quick, library, full;
            ProfileError libraryError, fullError;
            const bool quickOk = detail::parseProfileQuick(text, quick);
            const bool libraryOk = detail::parseProfileWithLibrary(text, library, libraryError);
            if (quickOk) {
                ++quickTaken;
                ASSERT_TRUE(libraryOk) << text;
                ASSERT_TRUE(same(quick, library)) << text;
            }
            ASSERT_EQ(parseProfile(text, full, fullError), libraryOk) << text;
            if (libraryOk) ASSERT_TRUE(same(full, library)) << text;
            else ASSERT_EQ(fullError.message, libraryError.message) << text;
        }
        ProfileInput quick;
        ASSERT_TRUE(detail::parseProfileQuick(valid, quick)) << valid;  // plain profiles take the quick way
    }
    EXPECT_GT(quickTaken, cases / 3);
}

}  // namespace
}  // namespace sazbar::cli
