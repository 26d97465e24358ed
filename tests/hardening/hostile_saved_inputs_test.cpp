// The main window starting on a "sazbar.dat" that is not a saved inputs file
// at all: it starts within its time bound, with what it could read.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "child_process.h"
#include "core/saved_inputs.h"
#include "core/small_file.h"
#include "ui/main/tform1.h"

namespace sazbar::hardening {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Hostile {
    const char* name;
    std::function<void(const fs::path&)> make;  // makes the given "sazbar.dat"
    SmallFileStatus status;
    const char* edit1;  // what the window shows in Edit1 afterwards
};

const Hostile kKinds[] = {
    {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, SmallFileStatus::NotRegular,
     "0"},
    {"FIFO without a writer", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },
     SmallFileStatus::NotRegular, "0"},
    {"directory", [](const fs::path& p) { fs::create_directory(p); }, SmallFileStatus::NotRegular, "0"},
    {"1 TB sparse file after 46 good lines",
     [](const fs::path& p) {
         spit(p, std::string("7\r\n") + std::string(45 * 3, '\0'));
         fs::resize_file(p, std::uintmax_t{1} << 40);
     },
     SmallFileStatus::TooLarge, "7"},
    {"missing", [](const fs::path&) {}, SmallFileStatus::CannotOpen, "0"},
};

TEST(HostileSavedInputs, TheWindowStartsWithWhatItCouldRead) {
    for (const Hostile& k : kKinds) {
        SCOPED_TRACE(k.name);
        ScratchDir dir("hostile");
        const fs::path file = dir.path() / kSavedInputsFileName;
        k.make(file);
        const ChildResult r = runInChild([&] {
            if (readSmallFile(file, kMaxSavedInputsBytes).status != k.status) return 1;
            if (chdir(dir.path().c_str()) != 0) return 97;
            qputenv("QT_QPA_PLATFORM", "offscreen");
            int argc = 1;
            char name[] = "sazbar";
            char* argv[] = {name, nullptr};
            QApplication app(argc, argv);
            TForm1 w;
            auto* edit = w.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            return edit && edit->text() == QString::fromLatin1(k.edit1) ? 0 : 2;
        }, 20s);
        ASSERT_TRUE(r.ended) << "the window did not start within 20 s";
        EXPECT_EQ(r.exitCode, 0) << "1: wrong status, 2: wrong Edit1";
    }
}

}  // namespace
}  // namespace sazbar::hardening
