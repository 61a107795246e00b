// Draws the six toolbar pictures of the application bundle: 32 x 32 RGBA PNG
// files, painted at their final size with anti-aliasing.
//
//   draw_toolbar_icons OUTPUT_DIR
//
// Writes clear.png, delete.png, disk.png, findItem.png, showFinder.png and
// stop.png into OUTPUT_DIR. The output is deterministic.

#include <cmath>
#include <functional>
#include <vector>

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTextStream>

namespace {

constexpr int kSize = 32;

using Painting = std::function<void(QPainter&)>;

QPen outline(const QColor& c, qreal width = 1.0) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// A closed folder seen from the front: a back panel with a tab and a front panel.
void folder(QPainter& p, QRectF r) {
    const qreal tabW = r.width() * 0.4;
    QPainterPath back;
    back.moveTo(r.left(), r.top() + 1);
    back.quadTo(r.left(), r.top(), r.left() + 1, r.top());
    back.lineTo(r.left() + tabW - 1, r.top());
    back.lineTo(r.left() + tabW + 1, r.top() + 2);
    back.lineTo(r.right() - 1, r.top() + 2);
    back.quadTo(r.right(), r.top() + 2, r.right(), r.top() + 3);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(outline(QColor(0x2a, 0x64, 0xa8)));
    p.setBrush(QColor(0x4a, 0x8e, 0xd8));
    p.drawPath(back);

    const QRectF front(r.left(), r.top() + 4, r.width(), r.height() - 4);
    p.setBrush(vertical(front.top(), front.bottom(), QColor(0x9c, 0xcf, 0xfa), QColor(0x52, 0x9a, 0xe4)));
    p.drawRoundedRect(front, 1.2, 1.2);
    // Highlight along the front panel's upper edge.
    p.setPen(outline(QColor(255, 255, 255, 150)));
    p.drawLine(QPointF(front.left() + 1.5, front.top() + 1), QPointF(front.right() - 1.5, front.top() + 1));
}

// Internal disk: a drive case with a platter on its upper face and a busy light.
void drawDisk(QPainter& p) {
    const QColor edge(0x4b, 0x52, 0x5a);

    QPolygonF top;
    top << QPointF(6.5, 7.5) << QPointF(25.5, 7.5) << QPointF(29.5, 17.5) << QPointF(2.5, 17.5);
    p.setPen(outline(edge));
    p.setBrush(vertical(7.5, 17.5, QColor(0xf4, 0xf6, 0xf8), QColor(0xb9, 0xc0, 0xc8)));
    p.drawPolygon(top);

    QPainterPath front;
    front.moveTo(2.5, 17.5);
    front.lineTo(29.5, 17.5);
    front.lineTo(29.5, 23.5);
    front.quadTo(29.5, 25.5, 27.5, 25.5);
    front.lineTo(4.5, 25.5);
    front.quadTo(2.5, 25.5, 2.5, 23.5);
    front.closeSubpath();
    p.setBrush(vertical(17.5, 25.5, QColor(0x9a, 0xa3, 0xad), QColor(0x5e, 0x66, 0x70)));
    p.drawPath(front);

    // Platter and spindle, flattened by the view.
    p.setPen(outline(QColor(0x7d, 0x86, 0x90)));
    QRadialGradient platter(QPointF(13.5, 11.0), 9.0);
    platter.setColorAt(0, QColor(0xff, 0xff, 0xff));
    platter.setColorAt(1, QColor(0xc6, 0xcd, 0xd5));
    p.setBrush(platter);
    p.drawEllipse(QPointF(16, 12.5), 8.5, 3.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x73, 0x7d));
    p.drawEllipse(QPointF(16, 12.5), 1.6, 0.9);

    // Vents on the front.
    p.setPen(outline(QColor(0x45, 0x4b, 0x52), 1.0));
    for (qreal x = 5.5; x <= 13.5; x += 2.0) p.drawLine(QPointF(x, 20.0), QPointF(x, 23.0));

    // Busy light.
    p.setPen(outline(QColor(0x1d, 0x4a, 0x1a)));
    p.setBrush(vertical(20.0, 23.0, QColor(0xb8, 0xff, 0x9c), QColor(0x2f, 0xb8, 0x25)));
    p.drawRoundedRect(QRectF(22.5, 20.5, 4.0, 2.0), 1.0, 1.0);
}

// Trash can with lid, handle and ribbed body.
void drawDelete(QPainter& p) {
    const QColor edge(0x3e, 0x4a, 0x56);

    QLinearGradient metal(7, 0, 25, 0);
    metal.setColorAt(0.0, QColor(0x7f, 0x8e, 0x9d));
    metal.setColorAt(0.35, QColor(0xe4, 0xea, 0xf0));
    metal.setColorAt(1.0, QColor(0x6d, 0x7b, 0x8a));

    QPainterPath body;
    body.moveTo(7.5, 11.0);
    body.lineTo(24.5, 11.0);
    body.lineTo(22.8, 27.6);
    body.quadTo(22.6, 29.5, 20.7, 29.5);
    body.lineTo(11.3, 29.5);
    body.quadTo(9.4, 29.5, 9.2, 27.6);
    body.closeSubpath();
    p.setPen(outline(edge));
    p.setBrush(metal);
    p.drawPath(body);

    // Ribs follow the taper of the body.
    p.setPen(outline(QColor(0x55, 0x63, 0x71), 1.2));
    p.drawLine(QPointF(12.0, 14.0), QPointF(12.8, 26.5));
    p.drawLine(QPointF(16.0, 14.0), QPointF(16.0, 26.5));
    p.drawLine(QPointF(20.0, 14.0), QPointF(19.2, 26.5));

    // Handle, then the lid over its foot.
    p.setPen(outline(edge, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle;
    handle.moveTo(13.0, 7.0);
    handle.lineTo(13.0, 5.0);
    handle.quadTo(13.0, 4.0, 14.0, 4.0);
    handle.lineTo(18.0, 4.0);
    handle.quadTo(19.0, 4.0, 19.0, 5.0);
    handle.lineTo(19.0, 7.0);
    p.drawPath(handle);

    p.setPen(outline(edge));
    QLinearGradient lid(5, 0, 27, 0);
    lid.setColorAt(0.0, QColor(0x8a, 0x98, 0xa6));
    lid.setColorAt(0.35, QColor(0xf2, 0xf5, 0xf8));
    lid.setColorAt(1.0, QColor(0x76, 0x84, 0x92));
    p.setBrush(lid);
    p.drawRoundedRect(QRectF(5.5, 6.5, 21.0, 4.0), 1.5, 1.5);
}

// Magnifying glass over a folder.
void drawFindItem(QPainter& p) {
    folder(p, QRectF(2.5, 4.5, 23.0, 18.0));

    const QPointF centre(19.0, 18.5);
    const qreal radius = 6.5;

    // Handle first, so the rim covers its inner end.
    QPen handle(QColor(0x3a, 0x2a, 0x1e), 4.2);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(23.8, 23.3), QPointF(28.3, 27.8));
    QPen grip(QColor(0x8a, 0x5c, 0x36), 2.0);
    grip.setCapStyle(Qt::RoundCap);
    p.setPen(grip);
    p.drawLine(QPointF(24.6, 24.1), QPointF(27.9, 27.4));

    QRadialGradient glass(centre - QPointF(2.0, 2.0), radius * 1.4);
    glass.setColorAt(0, QColor(255, 255, 255, 235));
    glass.setColorAt(1, QColor(0xd6, 0xec, 0xff, 170));
    p.setBrush(glass);
    p.setPen(QPen(QColor(0x33, 0x33, 0x38), 2.2));
    p.drawEllipse(centre, radius, radius);

    // Glint on the glass.
    QPen glint(QColor(255, 255, 255, 230), 1.3);
    glint.setCapStyle(Qt::RoundCap);
    p.setPen(glint);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 4.2, centre.y() - 4.2, 8.4, 8.4), 100 * 16, 60 * 16);
}

// A file-manager window with a selected folder and an arrow pointing at it.
void drawShowFinder(QPainter& p) {
    const QColor edge(0x4f, 0x5a, 0x66);
    const QRectF win(1.5, 3.5, 27.0, 22.0);

    p.setPen(outline(edge));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRoundedRect(win, 2.0, 2.0);

    // Title bar.
    QPainterPath bar;
    bar.moveTo(win.left(), win.top() + 5.0);
    bar.lineTo(win.left(), win.top() + 2.0);
    bar.quadTo(win.left(), win.top(), win.left() + 2.0, win.top());
    bar.lineTo(win.right() - 2.0, win.top());
    bar.quadTo(win.right(), win.top(), win.right(), win.top() + 2.0);
    bar.lineTo(win.right(), win.top() + 5.0);
    bar.closeSubpath();
    p.setBrush(vertical(win.top(), win.top() + 5.0, QColor(0xe9, 0xed, 0xf1), QColor(0xb4, 0xbd, 0xc6)));
    p.drawPath(bar);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6f, 0x7a, 0x86));
    for (qreal x : {5.5, 9.0, 12.5}) p.drawEllipse(QPointF(x, win.top() + 3.0), 1.2, 1.2);

    // Sidebar with its entries.
    p.setBrush(QColor(0xe2, 0xe8, 0xef));
    p.drawRect(QRectF(win.left() + 0.5, win.top() + 5.5, 6.5, win.height() - 6.0));
    p.setPen(outline(QColor(0xa4, 0xb0, 0xbd)));
    for (qreal y : {11.5, 14.5, 17.5, 20.5}) p.drawLine(QPointF(3.5, y), QPointF(6.5, y));
    p.setPen(outline(QColor(0xc3, 0xcb, 0xd4)));
    p.drawLine(QPointF(8.5, win.top() + 5.5), QPointF(8.5, win.bottom() - 0.5));

    // Selection behind the revealed folder.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3d, 0x8b, 0xf2, 90));
    p.drawRoundedRect(QRectF(10.0, 10.0, 12.0, 10.0), 1.5, 1.5);
    folder(p, QRectF(12.5, 11.5, 8.0, 6.0));

    // Arrow from the lower right to the selection.
    QPainterPath arrow;
    arrow.moveTo(20.0, 18.0);  // tip
    arrow.lineTo(28.0, 19.5);
    arrow.lineTo(25.6, 21.9);
    arrow.lineTo(30.2, 26.5);
    arrow.lineTo(26.5, 30.2);
    arrow.lineTo(21.9, 25.6);
    arrow.lineTo(19.5, 28.0);
    arrow.closeSubpath();
    p.setPen(outline(QColor(255, 255, 255), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.setPen(outline(QColor(0xa8, 0x42, 0x0c)));
    p.setBrush(vertical(18.0, 30.0, QColor(0xff, 0xa9, 0x4d), QColor(0xe8, 0x5d, 0x10)));
    p.drawPath(arrow);
}

// Red stop octagon with a white bar.
void drawStop(QPainter& p) {
    const QPointF c(16.0, 16.0);
    auto octagon = [&](qreal r) {
        QPolygonF poly;
        for (int i = 0; i < 8; ++i) {
            const qreal a = (22.5 + 45.0 * i) * M_PI / 180.0;
            poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        }
        return poly;
    };

    QRadialGradient red(QPointF(13.0, 11.0), 18.0);
    red.setColorAt(0, QColor(0xff, 0x7a, 0x6a));
    red.setColorAt(1, QColor(0xc0, 0x1c, 0x14));
    p.setPen(outline(QColor(0x7a, 0x10, 0x0c)));
    p.setBrush(red);
    p.drawPolygon(octagon(15.0));

    p.setPen(outline(QColor(255, 255, 255, 235), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(octagon(12.6));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(8.0, 13.5, 16.0, 5.0), 1.2, 1.2);
}

// A list sheet with a red clearing mark.
void drawClear(QPainter& p) {
    const QRectF sheet(3.5, 2.5, 19.0, 25.0);
    p.setPen(outline(QColor(0x6c, 0x78, 0x86)));
    p.setBrush(vertical(sheet.top(), sheet.bottom(), QColor(0xff, 0xff, 0xff), QColor(0xe6, 0xeb, 0xf0)));
    p.drawRoundedRect(sheet, 1.5, 1.5);

    for (int i = 0; i < 5; ++i) {
        const qreal y = 6.0 + 4.0 * i;  // top of a two-pixel row
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4a, 0x86, 0xd0));
        p.drawRect(QRectF(6.0, y, 2.0, 2.0));
        p.setBrush(QColor(0x9d, 0xa8, 0xb5));
        p.drawRect(QRectF(10.0, y, i % 2 ? 7.0 : 10.0, 2.0));
    }

    const QPointF c(23.0, 23.0);
    QRadialGradient red(c - QPointF(2.0, 2.5), 9.0);
    red.setColorAt(0, QColor(0xff, 0x78, 0x68));
    red.setColorAt(1, QColor(0xc4, 0x1e, 0x16));
    p.setPen(outline(QColor(255, 255, 255), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.5, 7.5);
    p.setPen(outline(QColor(0x86, 0x12, 0x0c)));
    p.setBrush(red);
    p.drawEllipse(c, 7.0, 7.0);

    QPen cross(QColor(255, 255, 255), 2.2);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(c + QPointF(-3.0, -3.0), c + QPointF(3.0, 3.0));
    p.drawLine(c + QPointF(-3.0, 3.0), c + QPointF(3.0, -3.0));
}

bool render(const QDir& dir, const QString& name, const Painting& paint) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        paint(p);
    }
    return image.convertToFormat(QImage::Format_ARGB32).save(dir.filePath(name), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: draw_toolbar_icons OUTPUT_DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        err << "no such folder: " << dir.path() << '\n';
        return 1;
    }

    const std::vector<std::pair<QString, Painting>> pictures = {
        {"clear.png", drawClear},       {"delete.png", drawDelete},         {"disk.png", drawDisk},
        {"findItem.png", drawFindItem}, {"showFinder.png", drawShowFinder}, {"stop.png", drawStop},
    };
    int failures = 0;
    for (const auto& [name, paint] : pictures) {
        if (!render(dir, name, paint)) {
            err << "cannot write " << dir.filePath(name) << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
