// The saved inputs file under faults: a full disk, a size limit, a folder
// that cannot be written and a kill in the middle of a save. The previous
// file must survive whole every time and the saving process must end.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "child_process.h"
#include "core/saved_inputs.h"

namespace sazbar::hardening {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

BoxTexts filled(const std::string& text) {
    BoxTexts b;
    b.fill(text);
    return b;
}

// Never able to write below `dir`: another user when running as root (root
// ignores permission bits), the permission bits alone otherwise.
void loseWriteAccess() {
    if (geteuid() != 0) return;
    if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(98);
}

struct Fault {
    const char* name;
    // Prepares the folder in the test process; may be empty.
    std::function<void(const fs::path& dir)> prepare;
    // Runs in the saving child before it saves.
    std::function<void()> inChild;
};

const Fault kFaults[] = {
    {"disk full: the temporary file lands on /dev/full",
     [](const fs::path& dir) { fs::create_symlink("/dev/full", dir / "sazbar.dat.tmp"); }, [] {}},
    {"file size limit below the file's size",
     nullptr,
     [] {
         signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{100, 100};
         setrlimit(RLIMIT_FSIZE, &limit);
     }},
    {"folder not writable",
     [](const fs::path& dir) { fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec |
                                                        fs::perms::group_read | fs::perms::group_exec |
                                                        fs::perms::others_read | fs::perms::others_exec); },
     [] { loseWriteAccess(); }},
};

TEST(SavedInputsFaults, AFailedSaveKeepsThePreviousFileWholeAndEnds) {
    const BoxTexts previous = filled("1234");
    const BoxTexts next = filled("-98765");
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        ScratchDir dir("fault");
        const fs::path file = dir.path() / kSavedInputsFileName;
        ASSERT_TRUE(saveSavedInputs(file, previous));
        const std::string before = slurp(file);
        if (fault.prepare) fault.prepare(dir.path());

        const ChildResult r = runInChild([&] {
            fault.inChild();
            // Still able to read what it could not replace.
            BoxTexts loaded;
            if (!loadSavedInputs(file, loaded) || loaded != previous) return 3;
            return saveSavedInputs(file, next) ? 0 : 1;
        }, 20s);
        ASSERT_TRUE(r.ended) << "the saving process hung";
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.exitCode, 1) << "0: saved despite the fault; 3: could not read the old file; 98: no other user";
        EXPECT_EQ(slurp(file), before);
        std::error_code ec;
        EXPECT_FALSE(fs::exists(fs::symlink_status(dir.path() / "sazbar.dat.tmp", ec))) << "temporary file left behind";
    }
}

TEST(SavedInputsFaults, WithoutTheFaultTheSameSaveSucceeds) {
    // The counterpart of the test above: the set-up alone does not make saving fail.
    ScratchDir dir("nofault");
    const fs::path file = dir.path() / kSavedInputsFileName;
    ASSERT_TRUE(saveSavedInputs(file, filled("1234")));
    const ChildResult r = runInChild([&] { return saveSavedInputs(file, filled("-98765")) ? 0 : 1; }, 20s);
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 0);
    BoxTexts loaded;
    ASSERT_TRUE(loadSavedInputs(file, loaded));
    EXPECT_EQ(loaded, filled("-98765"));
}

TEST(SavedInputsKill, KilledWhileSavingLeavesTheOldOrTheNewFileNeverAMixture) {
    // Large texts make each save take long enough for kills to land inside it.
    const BoxTexts a = filled(std::string(5000, '1'));
    const BoxTexts b = filled(std::string(5000, '2'));
    const std::string contentA = savedInputsContent(a), contentB = savedInputsContent(b);
    ScratchDir dir("kill");
    const fs::path file = dir.path() / kSavedInputsFileName;
    const fs::path temp = dir.path() / "sazbar.dat.tmp";
    ASSERT_TRUE(saveSavedInputs(file, a));

    std::mt19937 rng(2000);
    int midSave = 0;
    constexpr int kRounds = 120;
    for (int round = 0; round < kRounds; ++round) {
        fs::remove(temp);  // left by the previous round's kill
        std::fflush(nullptr);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (;;) {
                saveSavedInputs(file, b);
                saveSavedInputs(file, a);
            }
        }
        // Most kills should land while the file is being written: wait for a
        // save to reach its temporary file (or give up after a while), then
        // kill at once or a little later.
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (!fs::exists(temp) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(20us);
        if (round % 2) std::this_thread::sleep_for(std::chrono::microseconds(rng() % 500));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        if (fs::exists(temp)) ++midSave;
        const std::string now = slurp(file);
        ASSERT_TRUE(now == contentA || now == contentB)
            << "round " << round << ": " << now.size() << " bytes, neither the old nor the new content";
    }
    // Otherwise the kills all fell between saves and proved nothing.
    EXPECT_GT(midSave, kRounds / 4);
    // The next save after a kill cleans up and works.
    ASSERT_TRUE(saveSavedInputs(file, b));
    EXPECT_EQ(slurp(file), contentB);
    EXPECT_FALSE(fs::exists(temp));
}

}  // namespace
}  // namespace sazbar::hardening
