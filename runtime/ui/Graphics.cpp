#include "runtime/ui/Graphics.h"

#include <QImage>
#include <QPainter>

#include "runtime/ui/Picture.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

Graphics::Graphics(std::shared_ptr<QImage> target) : image_(std::move(target)), clearColor_(255, 255, 255, 255) {}

Graphics::Graphics(QPainter& painter, const QRect& area, const QColor& clearColor)
    : painter_(&painter), area_(area), clearColor_(clearColor) {}

int Graphics::Width() const { return image_ ? image_->width() : area_.width(); }

int Graphics::Height() const { return image_ ? image_->height() : area_.height(); }

template <class Draw>
void Graphics::Paint(Draw&& draw) {
    if (image_) {
        QPainter painter(image_.get());
        draw(painter);
        return;
    }
    if (painter_ == nullptr) return;
    painter_->save();
    painter_->setClipRect(area_, Qt::IntersectClip);
    painter_->translate(area_.topLeft());
    draw(*painter_);
    painter_->restore();
}

void Graphics::FillRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    const QColor color = detail::ToQColor(foreColor_);
    Paint([&](QPainter& p) { p.fillRect(QRect(x, y, width, height), color); });
}

void Graphics::DrawRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    const QColor color = detail::ToQColor(foreColor_);
    Paint([&](QPainter& p) {
        p.setPen(QPen(color, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(x, y, width - 1, height - 1));
    });
}

void Graphics::ClearRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    Paint([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRect(x, y, width, height), clearColor_);
    });
}

void Graphics::DrawString(const String& text, int x, int y) {
    const QString qtext = detail::ToQString(text);
    const QColor color = detail::ToQColor(foreColor_);
    Paint([&](QPainter& p) {
        p.setPen(color);
        p.drawText(QPoint(x, y), qtext);
    });
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y) {
    if (!picture) return;
    DrawPicture(picture, x, y, picture->Width(), picture->Height(), 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height) {
    if (!picture) return;
    DrawPicture(picture, x, y, width, height, 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight) {
    if (!picture || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    const QImage source = picture->ToImage();
    Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRect(x, y, width, height), source, QRect(sourceX, sourceY, sourceWidth, sourceHeight));
    });
}

}  // namespace runtime
