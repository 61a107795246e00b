#include "runtime/ui/Picture.h"

#include <QColor>

#include "runtime/ui/Graphics.h"

namespace runtime {

namespace {

// Larger sides than this are refused rather than risking a huge allocation.
constexpr int kMaxSide = 16384;

}  // namespace

Picture::Picture(int width, int height) : pixels_(std::make_shared<QImage>(width, height, QImage::Format_ARGB32)) {
    pixels_->fill(QColor(255, 255, 255, 255));
}

std::shared_ptr<Picture> Picture::FromImage(const QImage& image) {
    if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide) return nullptr;
    auto picture = std::make_shared<Picture>(image.width(), image.height());
    *picture->pixels_ = image.convertToFormat(QImage::Format_ARGB32);
    return picture;
}

std::shared_ptr<Graphics> Picture::Graphics() {
    if (!graphics_) graphics_ = std::make_shared<runtime::Graphics>(pixels_);
    return graphics_;
}

std::shared_ptr<Picture> Picture::Mask(bool create) {
    if (!mask_ && create) {
        mask_ = std::make_shared<Picture>(Width(), Height());
        mask_->pixels_->fill(QColor(0, 0, 0, 255));
    }
    return mask_;
}

QImage Picture::ToImage() const {
    QImage image = *pixels_;
    if (!mask_) return image;
    const QImage& mask = *mask_->pixels_;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int opacity = 255 - qGray(maskLine[x]);
            const int alpha = qAlpha(line[x]) * opacity / 255;
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
        }
    }
    return image;
}

PictureRef NewPicture(int width, int height, int depth) {
    (void)depth;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    return std::make_shared<Picture>(width, height);
}

}  // namespace runtime
