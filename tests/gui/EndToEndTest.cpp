// Two real converter processes on the offscreen platform, each run with its
// own user folders and socket, so nothing touches the real user's settings.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace {

class EndToEndTest : public ::testing::Test {
protected:
    QTemporaryDir home;

    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath("run");
        QFile::setPermissions(home.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_CONFIG_DIRS", home.filePath("etc"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        return env;
    }

    void Start(QProcess& process, const QStringList& arguments) const {
        process.setProcessEnvironment(Environment());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(OMBRIX_BIN_DIR "/ombrixgo"), arguments);
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    QString Socket() const {
        return home.filePath(QStringLiteral("run/ombrixgo-%1").arg(::getuid()));
    }
    QString Catalogue() const { return home.filePath("data/Quavomat/ombrixgo.cfg"); }

    static bool WaitUntil(const std::function<bool()>& condition, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > ms) {
                return false;
            }
            QThread::msleep(20);
        }
        return true;
    }

    // QProcess learns of an end only while it waits.
    static bool Ended(QProcess& process) {
        return process.state() == QProcess::NotRunning || process.waitForFinished(10);
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void Stop(QProcess& process) {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

TEST_F(EndToEndTest, SecondCopyHandsDefinitionFileToTheFirst) {
    const QString definition = home.filePath("conv/Miles.nod");
    QDir(home.path()).mkpath("conv");
    QFile file(definition);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NAME Miles to kilometres\r\nINPUT1 Miles\r\nINPUT2 Kilometres\r\n"
               "SYMB1 mi\r\nSYMB2 km\r\nMATH step* 1.609344\r\nFORMAT 0.00\r\n");
    file.close();

    QProcess first;
    Start(first, {});
    ASSERT_TRUE(
        WaitUntil([&] { return QFile::exists(Socket()) && QFile::exists(Catalogue()); }, 10000));

    QProcess second;
    Start(second, {definition});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(Ended(first));

    // Listed: the catalogue file holds the new last entry, stored without its extension.
    const QByteArray entry = "\"Miles\",\"" + home.filePath("conv/Miles").toLocal8Bit() + "\"";
    EXPECT_TRUE(Read(Catalogue()).contains(entry)) << Read(Catalogue()).toStdString();
    // Selected and loaded: the loaded conversion's name is what the store records as Name.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return QDir(home.filePath("config")).exists() &&
                   !QProcess::execute("grep",
                                      {"-rqs", "Miles to kilometres", home.filePath("config")});
        },
        5000));
    Stop(first);
}

TEST_F(EndToEndTest, CopiesStartedTogetherLeaveExactlyOneRunning) {
    QProcess a;
    QProcess b;
    Start(a, {});
    Start(b, {});
    ASSERT_TRUE(WaitUntil([&] { return Ended(a) || Ended(b); }, 15000));
    QProcess& ended = Ended(a) ? a : b;
    QProcess& running = &ended == &a ? b : a;
    EXPECT_EQ(ended.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ended.exitCode(), 0);
    EXPECT_FALSE(running.waitForFinished(1000));
    Stop(running);
}

} // namespace
