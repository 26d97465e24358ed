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

TEST(ImportReaders, SmsBackupAndRestoreWithEmojiIsReadWhole) {
    // As the app writes it: emoji as character references to surrogate
    // pairs, lone surrogates, a comment, a stylesheet, MMS parts and addresses.
    const std::string file = slurp(SAZBAR_TEST_DATA "/sms-backup-restore.xml");
    const std::size_t firstRef = file.find("&#55357;");
    ASSERT_NE(firstRef, std::string::npos);
    // Also with every reference cut by the end of the first block read.
    for (std::size_t cut = 0; cut <= 18; cut += 2) {
        std::string text = file;
        if (cut) text.insert(file.find('\n'), "<!--" + std::string(4096 - firstRef - cut - 7, ' ') + "-->");
        Importer importer;
        const ReadOutcome out = readLog(text, importer);
        ASSERT_TRUE(out.ok) << out.refusal;
        EXPECT_EQ(out.format, LogFormat::AndroidMessages);
        const ImportResult r = importer.result({.perSecond = false, .month = YearMonth{2026, 4}});
        EXPECT_EQ(r.summary.refused, 0) << cut << ": " << (r.summary.issues.empty() ? "" : r.summary.issues[0].message);
        EXPECT_EQ(r.summary.events, 7) << cut;
        EXPECT_EQ(r.summary.skipped[static_cast<int>(Skip::Received)], 1);
        EXPECT_EQ(r.summary.skipped[static_cast<int>(Skip::Unsent)], 1);
        EXPECT_EQ(r.profile.matrix[kSmsToTMobile][Messages], 1);
        EXPECT_EQ(r.profile.matrix[kSmsToEurotel][Messages], 1);
        EXPECT_EQ(r.profile.matrix[kSmsToOskar][Messages], 2);
        EXPECT_EQ(r.profile.matrix[kMms][Messages], 1);
    }
}

// A backup of `calls` outgoing calls, made on the fly, never held whole.
class GeneratedBackup : public std::streambuf {
public:
    explicit GeneratedBackup(std::int64_t calls) : m_left(calls) { refill("<calls>\n"); }

protected:
    int_type underflow() override {
        if (m_left > 0) {
            --m_left;
            refill("<call number=\"601000001\" duration=\"30\" date=\"1775635200000\" type=\"2\" />\n");
        } else if (!m_closed) {
            m_closed = true;
            refill("</calls>\n");
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    void refill(const std::string& s) {
        m_buf = s;
        setg(m_buf.data(), m_buf.data(), m_buf.data() + m_buf.size());
    }
    std::string m_buf;
    std::int64_t m_left;
    bool m_closed = false;
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
    const std::string kHeader = "date,time,direction,number,duration,type,volume_kb\n";
    auto row = [](const std::string& number) { return "1. 4. 2026,10:00,out," + number + ",60,call,\n"; };
    std::string many;
    for (int i = 0; i < 400; ++i) many += row("222000001");
    const std::string hugeAttribute =
        "<calls>\n" + call + "<call number=\"" + std::string(40u << 20, '1') + "\" duration=\"1\"/>\n" + call;
    const struct {
        std::string name, text;
        bool ok;
        const char* refusal;  // the start of it
        std::int64_t counted;
        const char* issue;  // the start of the one issue, if any
        std::int64_t line;  // of the issue; 0: any
    } cases[] = {
        // A NUL costs its line only; a file that is mostly binary is refused whole.
        {"nul in a line", kHeader + row("222000001") + row(std::string("2220\0""00001", 10)) + row("222000001"), true, "",
         2, "a NUL byte", 3},
        {"nul far down", kHeader + many + row(std::string("2220\0""00001", 10)), true, "", 400, "a NUL byte", 402},
        {"text then binary", kHeader + std::string(3000, '\0'), false, "not a call log: a binary file", 0, nullptr, 0},
        // Line ends: CR alone, as old Macs write, and mixed.
        {"cr line ends", "date;time;direction;number;duration;type;volume_kb\r1. 4. 2026;10:00;out;222000001;60;call;\r"
                         "2. 4. 2026;10:00;out;222000001;60;call;\r",
         true, "", 2, nullptr, 0},
        {"mixed line ends", kHeader + "1. 4. 2026,10:00,out,222000001,60,call,\r\n2. 4. 2026,10:00,out,222000001,60,call,\r"
                            "3. 4. 2026,10:00,out,222000001,60,call,\n4. 4. 2026,x,out,222000001,60,call,\n",
         true, "", 3, "time: expected", 5},
        // Dates: a typo in the year is refused with its line (CSV: see the importer tests).
        {"backup year", "<calls>\n<call number=\"222000001\" duration=\"60\" date=\"32503680000000\" type=\"2\"/>\n</calls>",
         true, "", 0, "<call>: date: expected milliseconds since 1970, from 1990 to 2100", 2},
        // A header lacking columns names them.
        {"missing column", "datum;čas;směr;číslo;trvání;typ\n1. 4. 2026;10:00;out;222000001;60;call\n", false,
         "not a call log: the header lacks the column volume_kb (objem_kb)", 0, nullptr, 0},
        {"missing columns", "date,number,duration,type\n", false,
         "not a call log: the header lacks the columns time (čas), direction (směr), volume_kb (objem_kb)", 0, nullptr, 0},
        // Encodings: what the declaration says, when expat reads it.
        {"iso-8859-1 backup", "<?xml version='1.0' encoding='ISO-8859-1' standalone='yes' ?>\n<calls>\n" +
                                  call.substr(0, call.size() - 3) + " contact_name=\"Ren\xE9 \xC8\"/>\n</calls>\n",
         true, "", 1, nullptr, 0},
        {"windows-1250 backup", "<?xml version='1.0' encoding='windows-1250'?>\n<calls>\n" + call + "</calls>\n", false,
         "not a call log: the encoding windows-1250 is not read", 0, nullptr, 0},
        {"empty", "", false, "not a call log: the file is empty", 0, nullptr, 0},
        {"blank", " \r\n\n", false, "not a call log: the file is empty", 0, nullptr, 0},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(3000, '\x90'), false,
         "not a call log: a binary file", 0, nullptr, 0},
        {"text", "Dear customer,\nyour bill is attached.\n", false, "not a call log: the first line", 0, nullptr, 0},
        {"json", "{\"matrix\": []}", false, "not a call log: the first line", 0, nullptr, 0},
        {"other xml", "<html><body/></html>", false, "not a call log: the backup starts with <html>", 0, nullptr, 0},
        {"not xml", "<<<>>>", false, "not a call log: no <calls> or <smses> backup (line 1", 0, nullptr, 0},
        {"xml declaration only", "<?xml version=\"1.0\"?>\n", false, "not a call log: no <calls>", 0, nullptr, 0},
        {"billion laughs", laughs, false, "not a call log: document type declarations are not accepted", 0, nullptr, 0},
        {"external entity", external, false, "not a call log: document type", 0, nullptr, 0},
        {"truncated", "<calls>\n" + call + call + "<call number=\"2220", true, "", 2,
         "XML error: unclosed token; the rest of the file was not read", 0},
        {"garbage after", "<calls>\n" + call + "</calls>\n<calls>", true, "", 1, "XML error: junk after", 0},
        {"undefined entity", "<calls>\n" + call + "<call number=\"&x;\"/>\n" + call + "</calls>", true, "", 1,
         "XML error: undefined entity", 0},
        {"huge attribute", hugeAttribute, true, "", 1, "an element larger than 32 MiB", 0},
        {"huge csv line",
         "date;time;direction;number;duration;type;volume_kb\n" + std::string(100000, 'x') +
             "\n1. 4. 2026;10:00;out;222000001;60;call;\n",
         true, "", 1, "longer than 65536 bytes", 0},
        {"header only", "date,time,direction,number,duration,type,volume_kb\r\n", true, "", 0, nullptr, 0},
        {"utf-8 bom and crlf", "\xEF\xBB\xBF" "Datum;Čas;Směr;Číslo;Trvání;Typ;Objem_kB\r\n1. 4. 2026;10:00;Odchozí;222000001;60;call;\r\n",
         true, "", 1, nullptr, 0},
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
            if (c.line) {
                EXPECT_EQ(r.summary.issues[0].line, c.line) << c.name;
            }
        } else {
            EXPECT_TRUE(r.summary.issues.empty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace sazbar::import
