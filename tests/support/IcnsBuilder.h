#pragma once
// Building .icns files, the application bundles that carry them and the PNG
// images inside them, byte by byte as the format lays them out.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QBuffer>
#include <QImage>

#include "tests/support/TempFolder.h"

namespace testsupport {

using Bytes = std::vector<uint8_t>;

inline void PutBig32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

// Runs of three or more equal bytes as repeats, the rest as literals.
inline Bytes PackRuns(const Bytes& in) {
    Bytes out;
    size_t i = 0;
    while (i < in.size()) {
        size_t run = 1;
        while (i + run < in.size() && in[i + run] == in[i] && run < 130) ++run;
        if (run >= 3) {
            out.push_back(uint8_t(0x80 + run - 3));
            out.push_back(in[i]);
            i += run;
            continue;
        }
        size_t start = i, count = 0;
        while (i < in.size() && count < 128) {
            if (i + 2 < in.size() && in[i] == in[i + 1] && in[i] == in[i + 2]) break;
            ++i;
            ++count;
        }
        out.push_back(uint8_t(count - 1));
        out.insert(out.end(), in.begin() + long(start), in.begin() + long(start + count));
    }
    return out;
}

// Planes R, G, B of one colour each, packed.
inline Bytes PackedColor(int pixels, uint8_t r, uint8_t g, uint8_t b) {
    Bytes planes;
    planes.insert(planes.end(), size_t(pixels), r);
    planes.insert(planes.end(), size_t(pixels), g);
    planes.insert(planes.end(), size_t(pixels), b);
    return PackRuns(planes);
}

inline Bytes PngBytes(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(data.begin(), data.end());
}

// A width x height image, opaque red in its left half, transparent on the right.
inline QImage HalfOpaqueImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 255, 0));
    return image;
}

class Icns {
public:
    Icns& Add(const char (&type)[5], const Bytes& data) {
        for (int i = 0; i < 4; ++i) entries_.push_back(uint8_t(type[i]));
        PutBig32(entries_, uint32_t(data.size() + 8));
        entries_.insert(entries_.end(), data.begin(), data.end());
        return *this;
    }
    Bytes Data() const {
        Bytes out = {'i', 'c', 'n', 's'};
        PutBig32(out, uint32_t(entries_.size() + 8));
        out.insert(out.end(), entries_.begin(), entries_.end());
        return out;
    }

private:
    Bytes entries_;
};

// An Info.plist naming the icon file; no key when iconFile is empty.
inline std::string InfoPlist(const std::string& iconFile) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<plist version=\"1.0\">\n<dict>\n<key>CFBundleName</key>\n<string>Sample</string>\n";
    if (!iconFile.empty()) text += "<key>CFBundleIconFile</key>\n<string>" + iconFile + "</string>\n";
    return text + "</dict>\n</plist>\n";
}

// A bundle at `bundle` whose Info.plist names `iconName` and whose Resources
// hold `icnsFile` with the given bytes.
inline void MakeBundle(const std::filesystem::path& bundle, const std::string& iconName, const std::string& icnsFile,
                       const Bytes& icns) {
    WriteFile(bundle / "Contents" / "Info.plist", InfoPlist(iconName));
    WriteFile(bundle / "Contents" / "PkgInfo", "APPLtest");
    if (!icnsFile.empty()) WriteFile(bundle / "Contents" / "Resources" / icnsFile, icns);
}

}  // namespace testsupport
