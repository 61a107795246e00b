#pragma once
// Picture: an ARGB image with an optional mask.
//
// A new picture is white and opaque. Its mask, made by Mask(true), is a grey
// picture of the same size in which black is opaque and white transparent; a
// new mask is black, so making it changes nothing until something is drawn
// into it. ToImage() gives the picture as shown: its pixels with the mask
// applied to their alpha.

#include <memory>

#include <QImage>

#include "runtime/core/Object.h"

namespace runtime {

class Graphics;

class Picture : public Object {
public:
    // width and height must be positive; use NewPicture, which checks them.
    Picture(int width, int height);

    // A picture holding a copy of image, nil for a null image.
    static std::shared_ptr<Picture> FromImage(const QImage& image);

    int Width() const { return pixels_->width(); }
    int Height() const { return pixels_->height(); }

    // The picture's drawing surface; the same object on every call.
    std::shared_ptr<runtime::Graphics> Graphics();

    // The mask, made on first use when create is true; nil when there is none.
    std::shared_ptr<Picture> Mask(bool create = true);

    // The composited image (mask applied), ARGB32.
    QImage ToImage() const;

private:
    std::shared_ptr<QImage> pixels_;
    std::shared_ptr<runtime::Graphics> graphics_;
    std::shared_ptr<Picture> mask_;
};

using PictureRef = std::shared_ptr<Picture>;

// A new white, opaque picture; nil when a side is not positive or the picture
// would be too large. Pixels are kept as 32-bit ARGB whatever the depth.
PictureRef NewPicture(int width, int height, int depth);

}  // namespace runtime
