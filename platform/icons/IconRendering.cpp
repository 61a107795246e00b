#include "platform/icons/IconRendering.h"

#include <QPainter>
#include <QPixmap>

#include "platform/icons/ColorTables.h"
#include "platform/icons/DesktopIcons.h"

namespace platform::icons {

namespace {

// The pixel over a white background, opaque.
QRgb OverWhite(QRgb c) {
    const int a = qAlpha(c);
    auto mix = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)));
}

void FillMonoWithMask(const QImage& image, ElementData& out) {
    const int rowBytes = (image.width() + 7) / 8;
    const size_t maskOffset = size_t(rowBytes) * size_t(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const uint8_t bit = uint8_t(0x80 >> (x % 8));
            const size_t at = size_t(y) * size_t(rowBytes) + size_t(x / 8);
            if (qGray(OverWhite(c)) < 128) out[at] |= bit;
            if (qAlpha(c) >= 128) out[maskOffset + at] |= bit;
        }
    }
}

}  // namespace

QImage FitImage(const QImage& image, int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (!image.isNull()) {
        QImage picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const int side = qMin(width, height);
        if (qMax(picture.width(), picture.height()) != side)
            picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(1.0);
        QPainter painter(&canvas);
        painter.drawImage((width - picture.width()) / 2, (height - picture.height()) / 2, picture);
    }
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawIcon(const QIcon& icon, int width, int height) {
    const int side = qMin(width, height);
    return FitImage(icon.pixmap(QSize(side, side), 1.0).toImage(), width, height);
}

ElementData ArgbData(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    ElementData out(size_t(argb.width()) * size_t(argb.height()) * 4);
    size_t o = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            out[o++] = uint8_t(qAlpha(row[x]));
            out[o++] = uint8_t(qRed(row[x]));
            out[o++] = uint8_t(qGreen(row[x]));
            out[o++] = uint8_t(qBlue(row[x]));
        }
    }
    return out;
}

ElementData ElementFromImage(const ElementType& element, const QImage& image) {
    ElementData out(element.DataSize(), 0);
    size_t o = 0;
    switch (element.form) {
    case ElementForm::Color32:
    case ElementForm::Png32: return ArgbData(image);
    case ElementForm::Mask8:
        for (int y = 0; y < element.height; ++y)
            for (int x = 0; x < element.width; ++x) out[o++] = uint8_t(qAlpha(image.pixel(x, y)));
        break;
    case ElementForm::Indexed8:
        for (int y = 0; y < element.height; ++y)
            for (int x = 0; x < element.width; ++x) out[o++] = NearestSystemColor(OverWhite(image.pixel(x, y)));
        break;
    case ElementForm::MonoWithMask: FillMonoWithMask(image, out); break;
    }
    return out;
}

std::shared_ptr<IconFamily> RenderFamily(const QIcon& icon) {
    auto family = std::make_shared<IconFamily>();
    for (const ElementType& element : kElementTypes) {
        if (element.form == ElementForm::Png32) {
            family->SetDeferredElement(element.type, [icon, element]() -> std::optional<ElementData> {
                if (!CanDrawIcons()) return std::nullopt;
                return ElementFromImage(element, DrawIcon(icon, element.width, element.height));
            });
        } else {
            family->SetElement(element.type, ElementFromImage(element, DrawIcon(icon, element.width, element.height)));
        }
    }
    return family;
}

}  // namespace platform::icons
