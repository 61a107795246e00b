#include <sys/stat.h>

#include <QAtomicInteger>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "platform/finder/Finder.h"
#include "platform/finder/ItemPath.h"
#include "platform/finder/TrashInfo.h"

namespace platform::finder {

namespace {

// A file manager that does not answer within this time is taken as absent.
constexpr int kFileManagerTimeoutMs = 3000;

bool AskFileManager(const std::string& location) {
    // A private connection per request, to the address set now: the shared
    // session connection, and the bus library's own lookup of the address,
    // keep the first one they saw, even when it failed.
    static QAtomicInteger<int> counter;
    const QString name = QStringLiteral("platform.finder.reveal.%1").arg(counter.fetchAndAddRelaxed(1));
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    bool shown = false;
    {
        QDBusConnection bus = address.isEmpty() ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)
                                                : QDBusConnection::connectToBus(address, name);
        if (bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
                QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
            const QString uri = QStringLiteral("file://") + QString::fromUtf8(PercentEncodePath(location));
            call << QStringList{uri} << QString();
            const QDBusMessage reply = bus.call(call, QDBus::Block, kFileManagerTimeoutMs);
            shown = reply.type() == QDBusMessage::ReplyMessage;
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return shown;
}

bool OpenFolder(const std::string& folder) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromUtf8(folder)});
}

}  // namespace

RevealOutcome RevealItem(const std::string& posixPath) {
    struct stat info {};
    if (posixPath.empty() || lstat(posixPath.c_str(), &info) != 0) return RevealOutcome::Failed;
    const std::string location = ItemLocation(posixPath);
    if (location.empty()) return RevealOutcome::Failed;

    if (AskFileManager(location)) return RevealOutcome::ViaFileManager;
    return OpenFolder(ParentOf(location)) ? RevealOutcome::ViaFolderOpening : RevealOutcome::Failed;
}

}  // namespace platform::finder
