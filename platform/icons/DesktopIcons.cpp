#include "platform/icons/DesktopIcons.h"

#include <QApplication>
#include <QStyle>
#include <QThread>

namespace platform::icons {

namespace {

QIcon StandardIconImage(StandardIcon which) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QStyle* style = app ? QApplication::style() : nullptr;
    if (!style) return {};
    switch (which) {
    case StandardIcon::File: return style->standardIcon(QStyle::SP_FileIcon);
    case StandardIcon::Folder: return style->standardIcon(QStyle::SP_DirIcon);
    case StandardIcon::OpenFolder: return style->standardIcon(QStyle::SP_DirOpenIcon);
    case StandardIcon::Trash: return style->standardIcon(QStyle::SP_TrashIcon);
    case StandardIcon::HardDisk: return style->standardIcon(QStyle::SP_DriveHDIcon);
    case StandardIcon::OpticalDisc: return style->standardIcon(QStyle::SP_DriveCDIcon);
    case StandardIcon::FloppyDisk: return style->standardIcon(QStyle::SP_DriveFDIcon);
    case StandardIcon::NetworkDrive: return style->standardIcon(QStyle::SP_DriveNetIcon);
    case StandardIcon::Desktop: return style->standardIcon(QStyle::SP_DesktopIcon);
    case StandardIcon::Computer: return style->standardIcon(QStyle::SP_ComputerIcon);
    }
    return {};
}

QIcon ThemeIcon(const QString& name) {
    if (name.isEmpty() || !QIcon::hasThemeIcon(name)) return {};
    return QIcon::fromTheme(name);
}

}  // namespace

bool CanDrawIcons() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

QIcon MimeTypeIcon(const QString& iconName, const QString& genericIconName, bool isFolder) {
    QIcon icon = ThemeIcon(iconName);
    if (icon.isNull()) icon = ThemeIcon(genericIconName);
    if (icon.isNull()) icon = StandardIconImage(isFolder ? StandardIcon::Folder : StandardIcon::File);
    return icon;
}

QIcon SystemIconImage(const SystemIcon& systemIcon) {
    QIcon icon = ThemeIcon(QString::fromLatin1(systemIcon.themeName));
    if (icon.isNull()) icon = StandardIconImage(systemIcon.standard);
    return icon;
}

}  // namespace platform::icons
