#include <chrono>
#include <thread>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>

#include "platform/finder/Finder.h"
#include "platform/finder/ItemPath.h"
#include "tests/platform/finder/TrashTestSupport.h"
#include "tests/support/EnvGuard.h"

namespace platform::finder {
namespace {

using namespace finder_test;
using namespace testsupport;
using Clock = std::chrono::steady_clock;

// Waits up to five seconds for a file to appear and to end in a new line.
std::string WaitForRecord(const std::string& path) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        const std::string text = ReadFile(path);
        if (!text.empty() && text.back() == '\n') return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

// An xdg-open first on PATH that writes down the folder it was asked to open.
class FinderReveal : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string bin = root_.Path() + "/bin";
        std::filesystem::create_directories(bin);
        record_ = root_.Path() + "/opened";
        WriteFile(bin + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + record_ + "'\n");
        ASSERT_EQ(chmod((bin + "/xdg-open").c_str(), 0755), 0);
        const char* path = std::getenv("PATH");
        pathEnv_.emplace("PATH", bin + ":" + (path != nullptr ? path : "/usr/bin:/bin"));

        folder_ = root_.Path() + "/フォルダ a";
        item_ = folder_ + "/見る 1.txt";
        std::filesystem::create_directories(folder_);
        WriteFile(item_, "x");
    }

    // Reveals the item, expecting the folder to be opened without much delay.
    void ExpectFolderOpenedPromptly() {
        const auto start = Clock::now();
        EXPECT_EQ(RevealItem(item_), RevealOutcome::ViaFolderOpening);
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(WaitForRecord(record_), folder_ + "\n");
    }

    TempFolder root_;
    std::string record_, folder_, item_;
    std::optional<EnvGuard> pathEnv_;
};

TEST_F(FinderReveal, WithoutABusOpensTheEnclosingFolderPromptlyButNeverAMissingItem) {
    EnvGuard bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root_.Path() + "/no-bus-here");
    EXPECT_EQ(RevealItem(folder_ + "/gone"), RevealOutcome::Failed);
    EXPECT_EQ(RevealItem(""), RevealOutcome::Failed);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(Exists(record_));
    ExpectFolderOpenedPromptly();
}

// A file manager on a private bus: answers ShowItems and keeps the URIs.
class FakeFileManager : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("ShowItems")) return false;
        {
            QMutexLocker lock(&mutex_);
            calls_.append(message.arguments().value(0).toStringList());
        }
        connection.send(message.createReply());
        return true;
    }
    QStringList calls() const {
        QMutexLocker lock(&mutex_);
        return calls_;
    }

private:
    mutable QMutex mutex_;
    QStringList calls_;
};

class FinderRevealOnPrivateBus : public FinderReveal {
protected:
    void SetUp() override {
        FinderReveal::SetUp();
        const std::string socket = root_.Path() + "/bus";
        address_ = "unix:path=" + socket;
        const std::string config = root_.Path() + "/bus.conf";
        WriteFile(config, "<busconfig><type>session</type><listen>" + address_ +
                              "</listen>"
                              "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                              "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                              "</policy></busconfig>");
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--nofork"), QStringLiteral("--config-file=") + QString::fromStdString(config)});
        if (!daemon_.waitForStarted(5000)) GTEST_SKIP() << "no dbus-daemon";
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (!Exists(socket) && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_TRUE(Exists(socket));
        busEnv_.emplace("DBUS_SESSION_BUS_ADDRESS", address_);
    }
    void TearDown() override {
        if (registered_) QDBusConnection::disconnectFromBus(QStringLiteral("fake-file-manager"));
        worker_.quit();
        worker_.wait();
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    // Serves the file manager from a thread of its own, since RevealItem blocks this one.
    void ServeFileManager() {
        worker_.start();
        manager_.moveToThread(&worker_);
        QDBusConnection connection =
            QDBusConnection::connectToBus(QString::fromStdString(address_), QStringLiteral("fake-file-manager"));
        registered_ = true;
        ASSERT_TRUE(connection.isConnected());
        ASSERT_TRUE(connection.registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager_));
        ASSERT_TRUE(connection.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    }

    std::string address_;
    QProcess daemon_;
    QThread worker_;
    FakeFileManager manager_;
    bool registered_ = false;
    std::optional<EnvGuard> busEnv_;
};

TEST_F(FinderRevealOnPrivateBus, TheFileManagerIsAskedToShowTheItem) {
    ServeFileManager();
    EXPECT_EQ(RevealItem(item_), RevealOutcome::ViaFileManager);

    const QStringList calls = manager_.calls();
    ASSERT_EQ(calls.size(), 1);
    const QUrl uri(calls.front(), QUrl::StrictMode);
    EXPECT_EQ(uri.scheme(), QStringLiteral("file"));
    EXPECT_EQ(uri.toLocalFile().toStdString(), ItemLocation(item_));
    EXPECT_FALSE(calls.front().contains(QLatin1Char(' ')));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(Exists(record_));
}

TEST_F(FinderRevealOnPrivateBus, ABusWithoutAFileManagerFallsBackToTheFolder) { ExpectFolderOpenedPromptly(); }

}  // namespace
}  // namespace platform::finder
