// The main window saving on close when the file cannot be replaced: the old
// sazbar.dat stays whole and the window still ends the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "child_process.h"
#include "core/saved_inputs.h"
#include "ui/main/tform1.h"

namespace sazbar::hardening {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Case {
    const char* name;
    std::function<void(const fs::path&)> prepare;
    std::function<void()> inChild;
    bool saved;  // whether the new inputs reach the file
};

const Case kCases[] = {
    {"no fault", nullptr, [] {}, true},
    {"file size limit",
     nullptr,
     [] {
         signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{100, 100};
         setrlimit(RLIMIT_FSIZE, &limit);
     },
     false},
    {"folder not writable",
     [](const fs::path& dir) { fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write |
                                                        fs::perms::others_write, fs::perm_options::remove); },
     [] {
         // Root ignores permission bits: save as another user.
         if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(98);
     },
     false},
};

TEST(MainWindowSave, AFailedSaveOnCloseKeepsThePreviousFileAndEnds) {
    BoxTexts previous;
    previous.fill("1234");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir("window");
        const fs::path file = dir.path() / kSavedInputsFileName;
        ASSERT_TRUE(saveSavedInputs(file, previous));
        const std::string before = slurp(file);
        if (c.prepare) c.prepare(dir.path());

        const ChildResult r = runInChild([&] {
            if (chdir(dir.path().c_str()) != 0) return 97;
            c.inChild();
            qputenv("QT_QPA_PLATFORM", "offscreen");
            int argc = 1;
            char name[] = "sazbar";
            char* argv[] = {name, nullptr};
            QApplication app(argc, argv);
            TForm1 w;
            w.show();
            auto* edit = w.findChild<QLineEdit*>(QStringLiteral("Edit2"));
            if (!edit || edit->text() != QStringLiteral("1234")) return 2;
            edit->setText(QStringLiteral("9"));
            int quits = 0;
            QObject::connect(&w, &TForm1::quitRequested, [&] { ++quits; });
            w.close();
            return quits == 1 ? 0 : 1;
        }, 60s);
        ASSERT_TRUE(r.ended) << "closing the window hung";
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.exitCode, 0) << "1: no quit request, 2: old file not loaded, 98: no other user";
        BoxTexts now;
        ASSERT_TRUE(loadSavedInputs(file, now));
        if (c.saved) {
            BoxTexts expected = previous;
            expected[1] = "9";
            EXPECT_EQ(now, expected);
        } else {
            EXPECT_EQ(slurp(file), before);
            for (const auto& entry : fs::directory_iterator(dir.path()))
                EXPECT_EQ(entry.path().filename(), kSavedInputsFileName) << "left behind: " << entry.path();
        }
    }
}

}  // namespace
}  // namespace sazbar::hardening
