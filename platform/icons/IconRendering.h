#pragma once
// Drawing a desktop icon into every element of an icon family (internal; Qt).

#include <memory>

#include <QIcon>
#include <QImage>

#include "platform/icons/ElementTypes.h"
#include "platform/icons/IconFamily.h"

namespace platform::icons {

// The image scaled smoothly to be as large as fits in width x height and
// centred there on a transparent background; ARGB32, not premultiplied. Safe
// on any thread.
QImage FitImage(const QImage& image, int width, int height);

// The icon drawn the same way.
QImage DrawIcon(const QIcon& icon, int width, int height);

// The pixels of an image as colour element data: four bytes a pixel, alpha,
// red, green, blue, row after row.
ElementData ArgbData(const QImage& image);

// The element's data made from a drawing of its size: colour elements ARGB
// with alpha first; 8-bit masks the alpha (255 opaque); 8-bit colour the
// nearest system palette entry of the drawing over white; 1-bit pairs a pixel
// set where the drawing over white is darker than mid-grey, then a mask bit
// set where alpha is at least half.
ElementData ElementFromImage(const ElementType& element, const QImage& image);

// A family holding every element of ElementTypes.h drawn from the icon; the
// two largest are drawn when asked for. Call only where CanDrawIcons().
std::shared_ptr<IconFamily> RenderFamily(const QIcon& icon);

}  // namespace platform::icons
