#pragma once
// Graphics: a drawing surface, either a picture's pixels or a control's cell
// while it is painted. Coordinates start at the surface's top left; drawing
// outside it is clipped.

#include <memory>

#include <QColor>
#include <QRect>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/ui/Color.h"

class QImage;
class QPainter;

namespace runtime {

class Picture;

class Graphics : public Object {
public:
    // Draws into an image; ClearRect makes pixels white.
    explicit Graphics(std::shared_ptr<QImage> target);
    // Draws with a painter that someone else owns, inside area, whose top left
    // becomes (0, 0); ClearRect paints clearColor.
    Graphics(QPainter& painter, const QRect& area, const QColor& clearColor);

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(const Color& color) { foreColor_ = color; }

    int Width() const;
    int Height() const;

    void FillRect(int x, int y, int width, int height);
    // A one-pixel outline just inside the rectangle.
    void DrawRect(int x, int y, int width, int height);
    void ClearRect(int x, int y, int width, int height);
    // y is the baseline of the text.
    void DrawString(const String& text, int x, int y);

    // The picture as shown (its mask applied); nil draws nothing.
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y);
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height);
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight);

private:
    template <class Draw>
    void Paint(Draw&& draw);

    std::shared_ptr<QImage> image_;
    QPainter* painter_ = nullptr;
    QRect area_;
    QColor clearColor_;
    Color foreColor_;
};

using GraphicsRef = std::shared_ptr<Graphics>;

}  // namespace runtime
