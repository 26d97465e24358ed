// The two readers on good, bad and hostile files, and the examples.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "import/readers.h"

namespace sazbar::import {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    EXPECT_TRUE(f) << path;
    return {std::istreambuf_iterator<char>(f), {}};
}

bool sameProfile(const Profile& a, const Profile& b) {
    if (a.matrix != b.matrix || a.wap != b.wap || a.gprsWap != b.gprsWap || a.gprsNet != b.gprsNet) return false;
    for (int r = 0; r < kIntlRows; ++r)
        if (a.intl[r].country != b.intl[r].country || a.intl[r].peak != b.intl[r].peak ||
            a.intl[r].afternoon != b.intl[r].afternoon || a.intl[r].eveningWeekend != b.intl[r].eveningWeekend)
            return false;
    return true;
}

TEST(ImportReaders, ExampleBillAndBackupGiveTheSameMonth) {
    Importer bill, backup;
    const ReadOutcome b = readLog(slurp(SAZBAR_EXAMPLES "/bill.csv"), bill);
    ASSERT_TRUE(b.ok) << b.refusal;
    EXPECT_EQ(b.format, LogFormat::Csv);
    for (const char* f : {"/android-calls.xml", "/android-sms.xml"}) {
        std::ifstream in(std::string(SAZBAR_EXAMPLES) + f, std::ios::binary);
        const ReadOutcome x = readLog(in, backup);
        ASSERT_TRUE(x.ok) << f << ": " << x.refusal;
    }
    const ImportResult rb = bill.result(), rx = backup.result();
    EXPECT_EQ(rb.summary.refused, 0);
    EXPECT_EQ(rx.summary.refused, 0);
    EXPECT_EQ(rb.summary.events, rx.summary.events);
    EXPECT_EQ(rb.summary.counted, rx.summary.counted);
    EXPECT_TRUE(sameProfile(rb.profile, rx.profile));
    EXPECT_EQ(rb.summary.days, 30);
    EXPECT_GT(totalCallMinutes(rb.profile), 0);
    EXPECT_EQ(rb.summary.countriesLeftOut.size(), 1u);  // five countries in the example
}

TEST(ImportReaders, BackupElementsAreReadAndBadOnesRefusedByLine) {
    // 1775635200000 = 2026-04-08 10:00 in Prague (UTC+2), a Wednesday.
    Importer importer;
    const ReadOutcome out = readLog(
        "<?xml version='1.0' encoding='UTF-8' standalone='yes' ?>\n"
        "<calls count=\"9\">\n"
        "<call number=\"603000001\" duration=\"61\" date=\"1775635200000\" type=\"2\" />\n"
        "<call number=\"603000001\" duration=\"61\" date=\"1775635200000\" type=\"1\" />\n"
        "<call number=\"603000001\" duration=\"0\" date=\"1775635200000\" type=\"3\" />\n"
        "<call number=\"603000001\" duration=\"0\" date=\"1775635200000\" type=\"5\" />\n"
        "<call number=\"603000001\" duration=\"61\" date=\"1775635200000\" type=\"4\" />\n"
        "<call number=\"603000001\" duration=\"x\" date=\"1775635200000\" type=\"2\" />\n"
        "<call number=\"603000001\" duration=\"1\" type=\"2\" />\n"
        "<call number=\"603000001\" duration=\"1\" date=\"1775635200000\" />\n"
        "<call duration=\"60\" date=\"1775635200000\" type=\"2\"><extra><call type=\"2\"/></extra></call>\n"
        "</calls>\n",
        importer);
    ASSERT_TRUE(out.ok) << out.refusal;
    EXPECT_EQ(out.format, LogFormat::AndroidCalls);
    const ImportResult r = importer.result({.perSecond = false, .month = YearMonth{2026, 4}});
    EXPECT_EQ(r.profile.matrix[Peak][TMobile], 2);
    EXPECT_EQ(r.summary.skipped[static_cast<int>(Skip::IncomingCall)], 1);
    EXPECT_EQ(r.summary.skipped[static_cast<int>(Skip::MissedCall)], 2);
    EXPECT_EQ(r.summary.skipped[static_cast<int>(Skip::OtherCall)], 1);
    ASSERT_EQ(r.summary.unclassified.size(), 1u);  // the call without a number
    EXPECT_EQ(r.summary.unclassified[0].unfit, Unfit::NoNumber);
    ASSERT_EQ(r.summary.issues.size(), 3u);
    EXPECT_EQ(r.summary.issues[0].line, 8);
    EXPECT_EQ(r.summary.issues[0].message, "<call>: duration: expected whole seconds, at most 31 days");
    EXPECT_EQ(r.summary.issues[1].line, 9);
    EXPECT_TRUE(r.summary.issues[1].message.starts_with("<call>: date: "));
    EXPECT_EQ(r.summary.issues[2].message, "<call>: type: expected a number");
}

TEST(ImportReaders, BandsAtTheSummerTimeChangeFollowPragueTime) {
    // Sunday 29. 3. 2026 22:30 UTC is Monday 00:30 in Prague: evening, not weekend.
    // Monday 30. 3. 05:30 UTC is 07:30: peak. Sunday 25. 10. 22:30 UTC is still Sunday.
    Importer importer;
    ASSERT_TRUE(readLog("<smses>\n"
                        "<sms address=\"603000001\" date=\"1774823400000\" type=\"2\"/>\n"
                        "</smses>",
                        importer)
                    .ok);
    ASSERT_TRUE(readLog("<calls>\n"
                        "<call number=\"222000001\" duration=\"60\" date=\"1774823400000\" type=\"2\"/>\n"
                        "<call number=\"222000001\" duration=\"120\" date=\"1774848600000\" type=\"2\"/>\n"
                        "<call number=\"222000001\" duration=\"180\" date=\"1792967400000\" type=\"2\"/>\n"
                        "</calls>",
                        importer)
                    .ok);
    const ImportResult r = importer.result({.perSecond = false, .month = YearMonth{2026, 3}});
    EXPECT_EQ(r.profile.matrix[Evening][FixedLine], 1);
    EXPECT_EQ(r.profile.matrix[Peak][FixedLine], 2);
    EXPECT_EQ(r.profile.matrix[kSmsToTMobile][Messages], 1);
    EXPECT_EQ(importer.result({.perSecond = false, .month = YearMonth{2026, 10}}).profile.matrix[Weekend][FixedLine], 3);
}

// A backup of `calls` outgoing calls, made on the fly, never held whole.
class GeneratedBackup : public std::streambuf {
public:
    explicit GeneratedBackup(std::int64_t calls) : left_(calls) { refill("<calls>\n"); }

protected:
    int_type underflow() override {
        if (left_ > 0) {
            --left_;
            refill("<call number=\"601000001\" duration=\"30\" date=\"1775635200000\" type=\"2\" />\n");
        } else if (!closed_) {
            closed_ = true;
            refill("</calls>\n");
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    void refill(const std::string& s) {
        buf_ = s;
        setg(buf_.data(), buf_.data(), buf_.data() + buf_.size());
    }
    std::string buf_;
    std::int64_t left_;
    bool closed_ = false;
};

TEST(ImportReaders, LargeBackupStreams) {
    GeneratedBackup gen(300000);  // about 25 MB
    std::istream in(&gen);
    Importer importer;
    ASSERT_TRUE(readLog(in, importer).ok);
    EXPECT_EQ(importer.result({.perSecond = false, .month = YearMonth{2026, 4}}).profile.matrix[Peak][Eurotel],
              300000);
}

TEST(ImportReaders, HostileAndBrokenFilesDoNoHarm) {
    const std::string laughs =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE calls [\n<!ENTITY a \"aaaaaaaaaa\">\n"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">\n"
        "]>\n<calls><call number=\"&e;&e;&e;&e;&e;&e;&e;&e;&e;\" duration=\"1\" date=\"1775635200000\" type=\"2\"/>"
        "</calls>";
    const std::string external =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE calls [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
        "<calls><call number=\"&x;\" duration=\"1\" date=\"1775635200000\" type=\"2\"/></calls>";
    const std::string call = "<call number=\"222000001\" duration=\"60\" date=\"1775635200000\" type=\"2\"/>\n";
    const std::string hugeAttribute =
        "<calls>\n" + call + "<call number=\"" + std::string(40u << 20, '1') + "\" duration=\"1\"/>\n" + call;
    const struct {
        std::string name, text;
        bool ok;
        const char* refusal;  // the start of it
        std::int64_t counted;
        const char* issue;  // the start of the one issue, if any
    } cases[] = {
        {"empty", "", false, "not a call log: the file is empty", 0, nullptr},
        {"blank", " \r\n\n", false, "not a call log: the file is empty", 0, nullptr},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(3000, '\x90'), false,
         "not a call log: a binary file", 0, nullptr},
        {"text", "Dear customer,\nyour bill is attached.\n", false, "not a call log: the first line", 0, nullptr},
        {"json", "{\"matrix\": []}", false, "not a call log: the first line", 0, nullptr},
        {"other xml", "<html><body/></html>", false, "not a call log: the backup starts with <html>", 0, nullptr},
        {"not xml", "<<<>>>", false, "not a call log: no <calls> or <smses> backup (line 1", 0, nullptr},
        {"xml declaration only", "<?xml version=\"1.0\"?>\n", false, "not a call log: no <calls>", 0, nullptr},
        {"billion laughs", laughs, false, "not a call log: document type declarations are not accepted", 0, nullptr},
        {"external entity", external, false, "not a call log: document type", 0, nullptr},
        {"truncated", "<calls>\n" + call + call + "<call number=\"2220", true, "", 2,
         "XML error: unclosed token; the rest of the file was not read"},
        {"garbage after", "<calls>\n" + call + "</calls>\n<calls>", true, "", 1, "XML error: junk after"},
        {"undefined entity", "<calls>\n" + call + "<call number=\"&x;\"/>\n" + call + "</calls>", true, "", 1,
         "XML error: undefined entity"},
        {"huge attribute", hugeAttribute, true, "", 1, "an element larger than 32 MiB"},
        {"huge csv line",
         "date;time;direction;number;duration;type;volume_kb\n" + std::string(100000, 'x') +
             "\n1. 4. 2026;10:00;out;222000001;60;call;\n",
         true, "", 1, "longer than 65536 bytes"},
        {"header only", "date,time,direction,number,duration,type,volume_kb\r\n", true, "", 0, nullptr},
        {"utf-8 bom and crlf", "\xEF\xBB\xBF" "Datum;Čas;Směr;Číslo;Trvání;Typ;Objem_kB\r\n1. 4. 2026;10:00;Odchozí;222000001;60;call;\r\n",
         true, "", 1, nullptr},
    };
    for (const auto& c : cases) {
        Importer importer;
        const ReadOutcome out = readLog(c.text, importer);
        EXPECT_EQ(out.ok, c.ok) << c.name << ": " << out.refusal;
        EXPECT_TRUE(out.refusal.starts_with(c.refusal)) << c.name << ": " << out.refusal;
        const ImportResult r = importer.result();
        if (!c.ok) {
            EXPECT_EQ(r.summary.events, 0) << c.name;
        }
        EXPECT_EQ(r.summary.counted, c.counted) << c.name;
        if (c.issue) {
            ASSERT_EQ(r.summary.issues.size(), 1u) << c.name;
            EXPECT_TRUE(r.summary.issues[0].message.starts_with(c.issue))
                << c.name << ": " << r.summary.issues[0].message;
        } else {
            EXPECT_TRUE(r.summary.issues.empty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace sazbar::import
