#include "core/saved_inputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>

#include "core/textnum.h"

namespace sazbar {
namespace {

std::int32_t streamed(std::string_view text) {
    StreamingTextToInt s;
    for (char c : text) s.feed(c);
    return s.value();
}

TEST(StreamingTextToInt, MatchesTextToIntOnCraftedTexts) {
    const char* texts[] = {
        "",      "0",      "00",    "0x",    "0X1f",  "-0x10", "+0x",   "00x1",  "$",     "-$",
        "$0x1",  "x",      "xx",    "-x1G",  "  -7",  "\t+7",  " - 7",  "-7 ",   "7\t",   "--1",
        "+-1",   "-",      "+",     "  ",    "0 x1",  "0xg",   "1e5",   "0012",  "-0012", "12abc",
        "-12a",  "\r",     "1\r2",  "\xc3\xa9", "5\xff", "-5\xff", "2147483647", "2147483648",
        "-2147483648", "-2147483649", "$7FFFFFFF", "$80000000", "-$80000000", "-$80000001",
        "99999999999999999999999999", "-99999999999999999999999999", "0000000000000000000000001",
    };
    for (const char* t : texts) EXPECT_EQ(streamed(t), textToInt(t)) << '"' << t << '"';
}

TEST(StreamingTextToInt, MatchesTextToIntOnRandomTexts) {
    // Characters that steer the rule, with digits weighted up so that long
    // runs, leading zeros and overflows occur often.
    const std::string alphabet = std::string("0000111223456789abcdefABCDEFgGxX$-+  \t\r\n.,") + "\xc3\xa9\xff\x80";
    std::mt19937 rng(46);
    for (int n = 0; n < 200000; ++n) {
        const std::size_t length = rng() % 4 == 0 ? rng() % 60 : rng() % 8;
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[rng() % alphabet.size()];
        if (rng() % 5 == 0) text.insert(rng() % (text.size() + 1), std::string(rng() % 30, "0123456789"[rng() % 10]));
        ASSERT_EQ(streamed(text), textToInt(text)) << '"' << text << '"';
    }
}

// Builds a file from lines joined by `eol`, with a final line end.
std::string fileOf(std::initializer_list<std::string_view> lines, std::string_view eol = "\r\n") {
    std::string s;
    for (std::string_view l : lines) (s += l) += eol;
    return s;
}

BoxTexts read(const std::string& content) {
    std::istringstream in(content);
    return readSavedInputs(in);
}

TEST(ReadSavedInputs, NormalisesEveryLine) {
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::pair<int, std::string>> expect;  // box index, text; every other box "0"
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF", fileOf({"12", "-3", "0"}), {{0, "12"}, {1, "-3"}}},
        {"LF only", fileOf({"12", "-3"}, "\n"), {{0, "12"}, {1, "-3"}}},
        {"mixed line ends", "1\n2\r\n3\n", {{0, "1"}, {1, "2"}, {2, "3"}}},
        {"no final line end", "1\r\n-2", {{0, "1"}, {1, "-2"}}},
        {"CR before the end of the file", "1\r\n-2\r", {{0, "1"}, {1, "-2"}}},
        {"CR alone ends a line", "-12\r5\r\n7\r\r\n8", {{0, "-12"}, {1, "5"}, {2, "7"}, {4, "8"}}},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + fileOf({"12", "3"}), {{0, "12"}, {1, "3"}}},
        {"a byte order mark later is text", "\xEF\xBB\xBF\xEF\xBB\xBF" "12\r\n3", {{1, "3"}}},
        {"leading zeros and blanks", fileOf({"007", "   15", "\t-0040"}), {{0, "7"}, {1, "15"}, {2, "-40"}}},
        {"letters", fileOf({"abc", "12abc", "-12abc", "x1F"}), {{1, "12"}, {2, "12"}, {3, "31"}}},
        {"blank lines", fileOf({"", "5", "", "6"}), {{1, "5"}, {3, "6"}}},
        {"out of range", fileOf({"99999999999", "-99999999999"}), {{0, "2147483647"}, {1, "-2147483648"}}},
        {"invalid UTF-8", fileOf({"\xff\xfe", "4\xc3", "\xc3\xa9"}), {{1, "4"}}},
        {"NUL bytes", std::string("1\0002\r\n3\r\n", 8), {{0, "1"}, {1, "3"}}},
    };
    for (const Case& c : cases) {
        BoxTexts expected;
        expected.fill("0");
        for (const auto& [box, text] : c.expect) expected[static_cast<std::size_t>(box)] = text;
        EXPECT_EQ(read(c.content), expected) << c.name;
    }
}

TEST(ReadSavedInputs, ReportsWhatTheProgramNeverWrites) {
    std::string full;
    for (int n = 1; n <= kBoxCount; ++n) full += std::to_string(n) + "\r\n";
    struct Case {
        const char* name;
        std::string content;
        std::size_t maxBytes;
        SavedInputsReport expect;
    };
    const std::size_t any = static_cast<std::size_t>(-1);
    const Case cases[] = {
        {"46 lines", full, any, {.lines = 46, .firstNotNumberText = {}}},
        {"46 lines, the last without its line end", full.substr(0, full.size() - 2), any, {.lines = 46, .firstNotNumberText = {}}},
        {"CR only, with a byte order mark", "\xEF\xBB\xBF" "1\r2\r", any, {.lines = 2, .firstNotNumberText = {}}},
        {"more lines", full + "\r\n", any, {.lines = 47, .firstNotNumberText = {}}},
        {"not numbers", "1\r\n12abc\r\n\r\n\xff\r\n", any,
         {.lines = 4, .notNumbers = 2, .firstNotNumber = 2, .firstNotNumberText = "12abc"}},
        {"a NUL byte", std::string("1\r\n2\0003\r\n", 8), any, {.lines = 2, .firstNotNumberText = {}, .controlLine = 2}},
        {"UTF-16", std::string("\xFF\xFE" "1\0\r\0\n\0", 8), any,
         {.lines = 1, .notNumbers = 1, .firstNotNumber = 1, .firstNotNumberText = "\xFF\xFE" "1", .controlLine = 1,
          .utf16 = true}},
        {"over the limit", full, 20, {.lines = 7, .firstNotNumberText = {}, .tooLarge = true}},
        {"46 lines within the limit, more after it", full + "junk", full.size() + 1, {.lines = 47, .firstNotNumberText = {}}},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.content);
        SavedInputsReport got;
        readSavedInputs(in, &got, c.maxBytes);
        EXPECT_EQ(got.lines, c.expect.lines) << c.name;
        EXPECT_EQ(got.notNumbers, c.expect.notNumbers) << c.name;
        EXPECT_EQ(got.firstNotNumber, c.expect.firstNotNumber) << c.name;
        EXPECT_EQ(got.firstNotNumberText, c.expect.firstNotNumberText) << c.name;
        EXPECT_EQ(got.controlLine, c.expect.controlLine) << c.name;
        EXPECT_EQ(got.utf16, c.expect.utf16) << c.name;
        EXPECT_EQ(got.tooLarge, c.expect.tooLarge) << c.name;
    }
}

TEST(ReadSavedInputs, FillsBoxesInLineOrderAndIgnoresExtraLines) {
    std::string content;
    for (int n = 1; n <= 50; ++n) content += std::to_string(n) + "\r\n";
    const BoxTexts boxes = read(content);
    for (int n = 1; n <= kBoxCount; ++n) EXPECT_EQ(boxes[static_cast<std::size_t>(n - 1)], std::to_string(n));
}

TEST(ReadSavedInputs, HugeLinesCostNoMemory) {
    const std::size_t tenMb = 10u << 20;
    std::string content = "-" + std::string(tenMb, '9') + "\r\n";
    content += std::string(tenMb, 'z') + "\r\n";
    content += "0" + std::string(tenMb, '0') + "42\r\n";
    content += "17\r\n";
    const BoxTexts boxes = read(content);
    EXPECT_EQ(boxes[0], "-2147483648");
    EXPECT_EQ(boxes[1], "0");
    EXPECT_EQ(boxes[2], "42");
    EXPECT_EQ(boxes[3], "17");
}

// An endless source of "1\n" that counts what it served.
class EndlessLines : public std::streambuf {
public:
    std::size_t served = 0;

protected:
    int_type underflow() override {
        for (std::size_t i = 0; i < m_chunk.size(); i += 2) {
            m_chunk[i] = '1';
            m_chunk[i + 1] = '\n';
        }
        served += m_chunk.size();
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + m_chunk.size());
        return traits_type::to_int_type(m_chunk[0]);
    }

private:
    std::array<char, 4096> m_chunk{};
};

TEST(ReadSavedInputs, StopsAfterTheLastBox) {
    EndlessLines source;
    std::istream in(&source);
    const BoxTexts got = readSavedInputs(in);
    for (const std::string& text : got) EXPECT_EQ(text, "1");
    EXPECT_LT(source.served, 1u << 20);
}

TEST(SavedInputsContent, WritesEachTextOnItsOwnCrLfLine) {
    BoxTexts boxes;
    boxes.fill("0");
    boxes[0] = "12";
    boxes[1] = "12abc";  // written unchanged
    boxes[2] = "4\r\n5";  // a line break would shift every later box
    const std::string content = savedInputsContent(boxes);
    std::string expected = "12\r\n12abc\r\n45\r\n";
    for (int i = 3; i < kBoxCount; ++i) expected += "0\r\n";
    EXPECT_EQ(content, expected);

    const BoxTexts back = read(content);
    EXPECT_EQ(back[0], "12");
    EXPECT_EQ(back[1], "12");
    EXPECT_EQ(back[2], "45");
    EXPECT_EQ(back[45], "0");
}

TEST(SavedInputsContent, CanonicalTextsSurviveTheRoundTrip) {
    BoxTexts boxes;
    for (int i = 0; i < kBoxCount; ++i) boxes[static_cast<std::size_t>(i)] = std::to_string((i * 7919) % 2001 - 1000);
    EXPECT_EQ(read(savedInputsContent(boxes)), boxes);
}

class SavedInputsFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
               ("sazbar_saved_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(SavedInputsFile, SaveThenLoadGivesTheBoxesBack) {
    BoxTexts boxes;
    boxes.fill("3");
    boxes[45] = "-9";
    const auto file = m_dir / kSavedInputsFileName;
    ASSERT_TRUE(saveSavedInputs(file, boxes));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "sazbar.dat.tmp"));
    BoxTexts loaded;
    ASSERT_TRUE(loadSavedInputs(file, loaded));
    EXPECT_EQ(loaded, boxes);
    // Overwriting replaces the whole file.
    boxes.fill("1");
    ASSERT_TRUE(saveSavedInputs(file, boxes));
    ASSERT_TRUE(loadSavedInputs(file, loaded));
    EXPECT_EQ(loaded, boxes);
}

TEST_F(SavedInputsFile, MissingOrUnreadableFilesLeaveTheBoxesAlone) {
    BoxTexts boxes;
    boxes.fill("8");
    EXPECT_FALSE(loadSavedInputs(m_dir / "missing.dat", boxes));
    EXPECT_FALSE(loadSavedInputs(m_dir, boxes));
    EXPECT_EQ(boxes[0], "8");
    EXPECT_FALSE(saveSavedInputs(m_dir / "no_such_dir" / kSavedInputsFileName, boxes));
}

}  // namespace
}  // namespace sazbar
