#include "app/LineList.h"
#include "tests/app/CrashSafetyHistory.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace stellaform {
namespace {

using test::crashSafetyHistory;

// Starts the writer child on `target` and kills it after `delay` unless it
// has finished by then.
void writeAndKill(const std::filesystem::path& target, char variant, std::chrono::microseconds delay)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string variantText(1, variant);
        execl(STELLAFORM_ATOMIC_WRITE_CHILD, STELLAFORM_ATOMIC_WRITE_CHILD, target.c_str(), variantText.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + delay;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    if (ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "the writer failed";
}

// A write killed at any moment leaves the old content or the new one.
TEST(CrashSafety, AKilledWriteLeavesTheOldOrTheNewFile)
{
    test::TempFolder folder;
    const auto target = folder / "PowerballPB553.Txt";
    const std::string a = joinLines(crashSafetyHistory('a'));
    const std::string b = joinLines(crashSafetyHistory('b'));

    // How long one write takes, to spread the kills over it.
    const auto started = std::chrono::steady_clock::now();
    writeAndKill(target, 'a', std::chrono::seconds(30));
    const auto duration =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    ASSERT_EQ(test::readBytes(target), a);

    std::mt19937 random(20091);
    std::uniform_int_distribution<long> moment(0, duration.count() * 3 / 2);
    int oldKept = 0;
    int newWritten = 0;
    std::string current = a;
    for (int round = 0; round < 120; ++round) {
        const char variant = current == a ? 'b' : 'a';
        const std::string& next = variant == 'a' ? a : b;
        writeAndKill(target, variant, std::chrono::microseconds(moment(random)));
        const std::string after = test::readBytes(target);
        ASSERT_TRUE(after == current || after == next)
            << "round " << round << ": a torn file of " << after.size() << " bytes";
        (after == current ? oldKept : newWritten) += 1;
        current = after;
    }
    std::printf(
        "one write takes %lld us; of 120 writes killed at random moments %d left the old file and %d the new one\n",
        static_cast<long long>(duration.count()), oldKept, newWritten);
}

} // namespace
} // namespace stellaform
