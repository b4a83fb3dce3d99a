#include "platform/posix/FileIo.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

namespace ombrix {
namespace {

using Clock = std::chrono::steady_clock;

class FileLockTest : public ::testing::Test {
protected:
    FileLockTest() { std::filesystem::create_directories(folder); }
    ~FileLockTest() override { std::filesystem::remove_all(folder); }

    // A process that takes the lock, says so through a pipe and then holds
    // it, stopped as a frozen copy would be, until it is killed.
    pid_t FrozenHolder() {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const FileLock lock(file);
            const char held = lock.Held() ? '1' : '0';
            (void)::write(ready[1], &held, 1);
            ::raise(SIGSTOP);
            ::pause();
            ::_exit(0);
        }
        char held = 0;
        EXPECT_EQ(::read(ready[0], &held, 1), 1);
        EXPECT_EQ(held, '1');
        ::close(ready[0]);
        ::close(ready[1]);
        return pid;
    }

    std::filesystem::path folder = testing::TestFolderPath("ombrix_lock_");
    std::string file = (folder / "list.cfg").string();
};

TEST_F(FileLockTest, AFrozenHolderIsWaitedForOnlyBoundedAndAKilledOneLeavesNoLock) {
    const pid_t holder = FrozenHolder();
    const auto start = Clock::now();
    {
        const FileLock lock(file, std::chrono::milliseconds(300));
        EXPECT_FALSE(lock.Held());
        EXPECT_TRUE(lock.TimedOut());
    }
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::seconds(3));

    // However its holder ends, the lock goes with it.
    ::kill(holder, SIGKILL);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    const FileLock lock(file, std::chrono::milliseconds(300));
    EXPECT_TRUE(lock.Held());
    EXPECT_FALSE(lock.TimedOut());
}

TEST_F(FileLockTest, AnUnopenableLockIsNotATimeout) {
    const FileLock lock((folder / "missing" / "list.cfg").string(), std::chrono::seconds(5));
    EXPECT_FALSE(lock.Held());
    EXPECT_FALSE(lock.TimedOut());
}

} // namespace
} // namespace ombrix
