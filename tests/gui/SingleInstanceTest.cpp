#include "platform/qt/SingleInstance.h"
#include "GuiFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
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

TEST_F(SingleInstanceTest, CommandLineOverTheBoundIsRefusedWithAReason) {
    ASSERT_TRUE(BecomeFirstCopy());
    auto result = std::async(std::launch::async, [&] {
        auto second = std::make_unique<platform::LocalInstanceChannel>(name, 3000);
        const bool handed = second->HandOverToRunningCopy(std::string(HandOverLimit + 1, 'x'), {});
        return std::make_pair(handed, second->Failure());
    });
    while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    const auto [handed, failure] = result.get();
    EXPECT_TRUE(handed);              // this copy ends ...
    ASSERT_TRUE(failure.has_value()); // ... saying why
    EXPECT_NE(failure->find("32 KiB"), std::string::npos) << *failure;
    EXPECT_TRUE(received.empty());
}

// A listening socket whose copy never accepts: a frozen first copy.
class FrozenCopy {
public:
    explicit FrozenCopy(const QString& name) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = name.toLocal8Bit();
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 ::listen(fd_, 0) == 0;
        // Fill the queue as a burst of starts does.
        for (int i = 0; i < 8; ++i) {
            const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            clients_.push_back(client);
            if (::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
                break;
            }
        }
    }
    ~FrozenCopy() {
        for (int client : clients_) {
            ::close(client);
        }
        ::close(fd_);
    }
    bool Bound() const { return bound_; }

private:
    int fd_ = -1;
    bool bound_ = false;
    std::vector<int> clients_;
};

TEST(SingleInstanceStale, AFrozenCopyKeepsItsNameAndTheNewCopyEndsSayingSo) {
    QTemporaryDir folder;
    const QString name = folder.filePath("instance");
    FrozenCopy frozen(name);
    ASSERT_TRUE(frozen.Bound());
    platform::LocalInstanceChannel copy(name, 500);
    EXPECT_TRUE(copy.HandOverToRunningCopy("/x.nod", [](const std::string&) {}));
    EXPECT_FALSE(copy.Listening());
    EXPECT_TRUE(copy.Failure().has_value());
    struct stat info {};
    ASSERT_EQ(::lstat(name.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
}

// A copy that took the start-up lock and froze before it listened: it is
// alive, so the lock is its own however old, and later starts must not take
// the name it is about to listen on.
TEST(SingleInstanceStale, ACopyFrozenWhileStartingKeepsItsNameFromABurstOfStarts) {
    struct Case {
        const char* what;
        qint64 lockAgeSeconds;
    };
    for (const Case c : {Case{"fresh lock", 0}, Case{"lock an hour old", 3600}}) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString name = folder.filePath("instance");
        QLockFile starting(name + QStringLiteral(".lock"));
        ASSERT_TRUE(starting.tryLock());
        if (c.lockAgeSeconds > 0) {
            const struct timeval old[2] = {{::time(nullptr) - c.lockAgeSeconds, 0},
                                           {::time(nullptr) - c.lockAgeSeconds, 0}};
            ASSERT_EQ(::utimes(QFile::encodeName(name + QStringLiteral(".lock")).constData(), old),
                      0);
        }
        for (int start = 0; start < 3; ++start) {
            platform::LocalInstanceChannel copy(name, 200);
            EXPECT_TRUE(copy.HandOverToRunningCopy("/x.nod", [](const std::string&) {}));
            EXPECT_FALSE(copy.Listening());
            EXPECT_TRUE(copy.Failure().has_value());
        }
        EXPECT_FALSE(QFile::exists(name));
    }
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
        had_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedEnv() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_ = false;
    QByteArray old_;
};

TEST(SingleInstanceFolder, WithoutAPrivateRuntimeFolderAPrivateFolderIsMadeOrNothingIsTrusted) {
    QTemporaryDir shared;
    const QByteArray tmp = QFile::encodeName(shared.path());
    const QByteArray own = tmp + "/ombrixgo-" + QByteArray::number(::getuid());
    QTemporaryDir elsewhere; // 0700, the user's own
    QTemporaryDir open;
    ::chmod(QFile::encodeName(open.path()).constData(), 0755);
    struct Case {
        const char* what;
        QByteArray runtime; // null: unset
        std::function<void()> plant;
        QByteArray expectedFolder; // empty: no single instance
    };
    const Case cases[] = {
        {"runtime folder unset", QByteArray(), [] {}, own},
        {"runtime folder open to others", QFile::encodeName(open.path()), [] {}, own},
        {"private runtime folder", QFile::encodeName(elsewhere.path()), [] {},
         QFile::encodeName(elsewhere.path())},
        {"folder of ours already there", QByteArray(), [&] { ::mkdir(own.constData(), 0700); },
         own},
        {"symbolic link planted", QByteArray(),
         [&] { ::symlink(QFile::encodeName(elsewhere.path()).constData(), own.constData()); },
         QByteArray()},
        {"folder open to others planted", QByteArray(), [&] { ::mkdir(own.constData(), 0777); },
         QByteArray()},
        {"file planted", QByteArray(),
         [&] { ::close(::open(own.constData(), O_CREAT | O_WRONLY, 0600)); }, QByteArray()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(own.constData());
        ::rmdir(own.constData());
        c.plant();
        ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
        ScopedEnv temp("TMPDIR", tmp);
        const QString socketName = platform::InstanceSocketName();
        if (c.expectedFolder.isEmpty()) {
            EXPECT_TRUE(socketName.isEmpty()) << socketName.toStdString();
            platform::LocalInstanceChannel alone(socketName, 500);
            EXPECT_FALSE(alone.HandOverToRunningCopy("", [](const std::string&) {}));
            EXPECT_FALSE(alone.Listening());
            EXPECT_TRUE(alone.RunsAlone().has_value());
            continue;
        }
        EXPECT_EQ(QFile::encodeName(socketName),
                  c.expectedFolder + "/ombrixgo-" + QByteArray::number(::getuid()));
        struct stat info {};
        ASSERT_EQ(::lstat(c.expectedFolder.constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
}

TEST(SingleInstanceFolder, ALockOrSocketOfAnotherKindIsNotTrusted) {
    QTemporaryDir folder;
    const QString name = folder.filePath("instance");
    // A folder where the socket belongs, and one where the lock belongs.
    for (const QString& planted : {name, name + QStringLiteral(".lock")}) {
        SCOPED_TRACE(planted.toStdString());
        ASSERT_TRUE(QDir().mkdir(planted));
        platform::LocalInstanceChannel copy(name, 500);
        EXPECT_FALSE(copy.HandOverToRunningCopy("", [](const std::string&) {}));
        EXPECT_FALSE(copy.Listening());
        EXPECT_TRUE(copy.RunsAlone().has_value());
        ASSERT_TRUE(QDir().rmdir(planted));
    }
}

} // namespace
} // namespace ombrix::testing
