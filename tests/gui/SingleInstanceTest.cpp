#include "platform/qt/SingleInstance.h"
#include "GuiFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <functional>
#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace ombrix::testing {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString name = folder.filePath("instance");
    std::vector<std::string> received;
    std::function<void()> whileRunning; // what the received command does at length
    platform::LocalInstanceChannel first{name, 3000};

    bool BecomeFirstCopy() {
        return !first.HandOverToRunningCopy("", [this](const std::string& text) {
            received.push_back(text);
            if (whileRunning) {
                whileRunning();
            }
        });
    }

    // Runs a second copy's hand-over on its own thread while this one serves events.
    bool SecondCopy(const std::string& commandLine) {
        auto result = std::async(std::launch::async, [this, commandLine] {
            platform::LocalInstanceChannel second(name, 3000);
            return second.HandOverToRunningCopy(commandLine, [](const std::string&) {});
        });
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents(); // the command runs once the hand-over is answered
        return result.get();
    }
};

TEST_F(SingleInstanceTest, SecondCopyHandsItsCommandLineToTheFirst) {
    ASSERT_TRUE(BecomeFirstCopy());
    ASSERT_TRUE(first.Listening());
    const std::string longLine = "/tmp/" + std::string(5000, 'x') + ".nod";
    for (const std::string& line : {std::string("/tmp/a b.nod"), std::string(), longLine}) {
        EXPECT_TRUE(SecondCopy(line));
    }
    EXPECT_EQ(received, (std::vector<std::string>{"/tmp/a b.nod", "", longLine}));
    // Only the user reaches the socket.
    struct stat info {};
    ASSERT_EQ(::stat(name.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0077, 0u);
}

TEST_F(SingleInstanceTest, SecondCopyEndsWhileTheFirstStillRunsTheCommand) {
    ASSERT_TRUE(BecomeFirstCopy());
    std::atomic<bool> secondEnded{false};
    bool endedMeanwhile = false;
    // The command holds the first copy as an open message box would.
    whileRunning = [&] {
        QElapsedTimer held;
        held.start();
        while (!secondEnded && held.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        endedMeanwhile = secondEnded;
    };
    auto second = std::async(std::launch::async, [&] {
        platform::LocalInstanceChannel copy(name, 3000);
        const bool handed = copy.HandOverToRunningCopy("/tmp/x.nod", [](const std::string&) {});
        secondEnded = true;
        return handed;
    });
    while (received.empty() &&
           second.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(second.get());
    EXPECT_EQ(received, std::vector<std::string>{"/tmp/x.nod"});
    EXPECT_TRUE(endedMeanwhile);
}

TEST_F(SingleInstanceTest, StaleSocketOfAKilledCopyIsTakenOver) {
    // A socket file nobody listens on, as a killed copy leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = name.toLocal8Bit();
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(name));

    EXPECT_TRUE(BecomeFirstCopy());
    EXPECT_TRUE(first.Listening());
    EXPECT_TRUE(SecondCopy("/x.nod"));
    EXPECT_EQ(received, std::vector<std::string>{"/x.nod"});
}

TEST_F(SingleInstanceTest, OversizedOrBrokenMessagesRunNothing) {
    ASSERT_TRUE(BecomeFirstCopy());
    const QByteArray messages[] = {QByteArray("\x00\x00\x80\x01", 4) + QByteArray(100, 'x'),
                                   QByteArray("\xff\xff\xff\xff", 4),
                                   QByteArray("\x00\x00\x00\x09"
                                              "abc",
                                              7)};
    for (const QByteArray& message : messages) {
        QLocalSocket socket;
        socket.connectToServer(name);
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(message);
        socket.flush();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 200) {
            QCoreApplication::processEvents();
        }
        socket.abort();
    }
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(received.empty());
    // The first copy still serves a proper hand-over afterwards.
    EXPECT_TRUE(SecondCopy("/ok.nod"));
    EXPECT_EQ(received, std::vector<std::string>{"/ok.nod"});
}

TEST_F(SingleInstanceTest, CommandLineOverTheBoundIsNotHandedOver) {
    ASSERT_TRUE(BecomeFirstCopy());
    EXPECT_TRUE(SecondCopy(std::string(HandOverLimit + 1, 'x')));
    EXPECT_TRUE(received.empty());
}

} // namespace
} // namespace ombrix::testing
