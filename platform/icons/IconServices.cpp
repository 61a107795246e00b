#include "platform/icons/IconServices.h"

#include <sys/stat.h>

#include <limits>
#include <string_view>

#include <QFile>
#include <QMimeDatabase>

#include "platform/icons/BundleIcon.h"
#include "platform/icons/DesktopIcons.h"
#include "platform/icons/FamilyCache.h"
#include "platform/icons/IcnsReader.h"
#include "platform/icons/IconRendering.h"
#include "platform/icons/SystemIcons.h"

namespace platform::icons {

using namespace carbon;

struct IconRefRecord {
    enum class Source { IconFile, MimeType, System };
    Source source;
    std::string cacheKey;
    std::string iconFile;  // IconFile
    QString iconName;      // MimeType: the theme's names for it
    QString genericIconName;
    bool isFolder = false;
    const SystemIcon* system = nullptr;  // System
    IconRef fallback;                    // IconFile: drawn when the file gives no element
};

namespace {

std::string IconFileKey(const std::string& path, const struct stat& st) {
    return "file:" + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + ":" +
           std::to_string(st.st_size) + ":" + path;
}

IconRef IconFileRef(const std::string& iconFile, IconRef fallback) {
    struct stat st {};
    if (::stat(iconFile.c_str(), &st) != 0) return fallback;
    auto ref = std::make_shared<IconRefRecord>();
    ref->source = IconRefRecord::Source::IconFile;
    ref->cacheKey = IconFileKey(iconFile, st);
    ref->iconFile = iconFile;
    ref->fallback = std::move(fallback);
    return ref;
}

IconRef SystemIconRef(const SystemIcon& system) {
    auto ref = std::make_shared<IconRefRecord>();
    ref->source = IconRefRecord::Source::System;
    ref->cacheKey = "system:" + std::to_string(system.type);
    ref->system = &system;
    return ref;
}

IconRef MimeTypeRef(const std::string& posixPath, const struct stat& st) {
    static const QMimeDatabase database;
    const QString path = QFile::decodeName(QByteArray::fromStdString(posixPath));
    // Only regular files are opened to look at their content.
    const QMimeType type = S_ISREG(st.st_mode)   ? database.mimeTypeForFile(path)
                           : S_ISDIR(st.st_mode) ? database.mimeTypeForName(QStringLiteral("inode/directory"))
                                                 : database.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    auto ref = std::make_shared<IconRefRecord>();
    ref->source = IconRefRecord::Source::MimeType;
    ref->cacheKey = "mime:" + type.name().toStdString();
    ref->iconName = type.iconName();
    ref->genericIconName = type.genericIconName();
    ref->isFolder = S_ISDIR(st.st_mode);
    return ref;
}

std::shared_ptr<IconFamily> MakeFamily(const IconRefRecord& ref) {
    switch (ref.source) {
    case IconRefRecord::Source::IconFile: return ReadIcnsFile(ref.iconFile);
    case IconRefRecord::Source::MimeType: {
        if (!CanDrawIcons()) return nullptr;
        const QIcon icon = MimeTypeIcon(ref.iconName, ref.genericIconName, ref.isFolder);
        return icon.isNull() ? nullptr : RenderFamily(icon);
    }
    case IconRefRecord::Source::System: {
        if (!CanDrawIcons() || !ref.system) return nullptr;
        const QIcon icon = SystemIconImage(*ref.system);
        return icon.isNull() ? nullptr : RenderFamily(icon);
    }
    }
    return nullptr;
}

IconFamilyHandle CachedFamily(const IconRefRecord& ref) {
    FamilyCache& cache = FamilyCache::Shared();
    if (IconFamilyHandle kept = cache.Find(ref.cacheKey)) return kept;
    IconFamilyHandle made = MakeFamily(ref);
    if (made) cache.Insert(ref.cacheKey, made);
    return made;
}

}  // namespace

OSErr GetIconRefFromFileInfo(const std::string& posixPath, IconRef* iconRef) {
    if (!iconRef) return paramErr;
    *iconRef = nullptr;
    struct stat st {};
    if (posixPath.empty() || ::stat(posixPath.c_str(), &st) != 0) return fnfErr;
    if (S_ISDIR(st.st_mode)) {
        // An application package without a usable icon of its own shows the
        // generic application icon, not a folder.
        static const SystemIcon& application = *FindSystemIcon(FourCharCode("APPL"));
        IconRef fallback = IsApplicationPackage(posixPath) ? SystemIconRef(application) : nullptr;
        const std::string iconFile = BundleIconFile(posixPath);
        *iconRef = iconFile.empty() ? fallback : IconFileRef(iconFile, fallback);
    }
    if (!*iconRef) *iconRef = MimeTypeRef(posixPath, st);
    return noErr;
}

OSErr GetIconRef(int16_t vRefNum, OSType creator, OSType iconType, IconRef* iconRef) {
    if (!iconRef) return paramErr;
    *iconRef = nullptr;
    if (vRefNum != kOnSystemDisk) return paramErr;
    const SystemIcon* system = creator == kSystemIconsCreator ? FindSystemIcon(iconType) : nullptr;
    if (!system) return noSuchIconErr;
    *iconRef = SystemIconRef(*system);
    return noErr;
}

OSErr IconRefToIconFamily(const IconRef& iconRef, uint32_t /*whichIcons*/, IconFamilyHandle* family) {
    if (!family) return paramErr;
    *family = nullptr;
    if (!iconRef) return invalidIconRefErr;
    *family = CachedFamily(*iconRef);
    if (iconRef->fallback && (!*family || (*family)->ElementTypes().empty()))
        *family = CachedFamily(*iconRef->fallback);
    return *family ? noErr : noSuchIconErr;
}

OSErr GetIconFamilyData(const IconFamilyHandle& family, OSType iconType, Handle h) {
    if (!family || h == 0) return paramErr;
    if (HGetState(h) & kHandleLockedState) return memLockedErr;
    std::optional<ElementData> data = family->ElementBytes(iconType);
    if (!data) {
        // The missing element is the outcome; an unknown handle has nothing to empty.
        static_cast<void>(SetHandleSize(h, 0));
        return noSuchIconErr;
    }
    if (data->size() > size_t(std::numeric_limits<int32_t>::max())) return memFullErr;
    if (OSErr err = SetHandleSize(h, int32_t(data->size())); err != noErr) return err;
    return SetHandleBytes(h, 0, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}

}  // namespace platform::icons
