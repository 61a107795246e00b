// Times the auto-get road on generated homes, in one process, as the program
// runs it: a press of "自動で取得" on the main window, the shipped catalogue
// and the icon plug-in from this program's own bundle, 5 ms time slices, Qt
// offscreen. A run lasts from the press until the stop command is disabled
// again. Prints one line per figure:
//
//   rows_small_ms / rows_large_ms / rows_ratio: a home giving about 1,000
//     rows against one giving about 9,000 (plists of every product, a few
//     applications, the preferences and Application Support folders, and
//     other makers' plists beside them)
//   icons_png_only_ms / icons_multi_size_ms / icons_ratio: 300 application
//     rows whose icon files hold only a 1024-pixel PNG image against the same
//     rows whose icon files hold an image of every size
//
// Fails when a run lists other rows than its home was made for.
//
// Usage: bench_auto_get [rows | icons]   (default both)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QPainter>
#include <QRadialGradient>

#include "app/Window1.h"
#include "bench/RoadRun.h"
#include "foundation/Globals.h"
#include "runtime/core/TextFunctions.h"
#include "tests/support/FakeHome.h"
#include "tests/support/IcnsBuilder.h"

namespace {

using testsupport::Bytes;
using testsupport::FakeHome;
using testsupport::Icns;

// What the shipped catalogue names for one product.
struct Product {
    std::vector<std::string> appCodes;
    std::string prefName, plistKey, supportName;
};

std::string Text(const runtime::DictionaryRef& entry, const runtime::String& key) {
    return entry->Value(key).StringValue().ToUTF8();
}

std::vector<Product> CatalogueProducts() {
    std::vector<Product> products;
    for (const runtime::DictionaryRef& e : Globals::gItem) {
        Product p{{}, Text(e, "prefName"), Text(e, "plistNam"), Text(e, "apSpName")};
        const int apps = std::stoi(Text(e, "appCount"));
        for (int j = 1; j <= apps; ++j) p.appCodes.push_back(Text(e, "appType" + runtime::Str(j)));
        products.push_back(p);
    }
    return products;
}

bool Blank(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

// A product's preferences and Application Support folders, when the catalogue names them.
int MakeProductFolders(const FakeHome& home, const Product& p) {
    int items = 0;
    if (!Blank(p.prefName)) items += !home.MakeFolder("Library/Preferences/" + p.prefName).empty();
    if (!Blank(p.supportName)) items += !home.MakeFolder("Library/Application Support/" + p.supportName).empty();
    return items;
}

// A home whose auto-get gives every product `plists` plists and `apps`
// plain application packages, with as many plists of other makers beside
// them; the number of rows the run must list.
int MakeRowsHome(const FakeHome& home, const std::vector<Product>& products, int plists, int apps) {
    const std::string plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict/></plist>\n";
    int rows = 0, serial = 0;
    for (const Product& p : products) {
        int items = MakeProductFolders(home, p);
        for (int i = 0; i < plists; ++i, ++serial) {
            home.Write("Library/Preferences/com.keldo." + p.plistKey + "." + std::to_string(serial) + ".plist", plist);
            home.Write("Library/Preferences/org.example.utility" + std::to_string(serial) + ".plist", plist);
        }
        items += plists;
        for (int i = 0; i < apps; ++i, ++serial)
            home.MakeAppBundle("Applications/App " + std::to_string(serial) + ".app",
                               p.appCodes[size_t(i) % p.appCodes.size()]);
        if (!p.appCodes.empty()) items += apps;
        rows += items > 0 ? 1 + items : 0;
    }
    return rows;
}

// A picture like an application icon: a shaded disc on a rounded square.
QImage IconPicture(int variant) {
    QImage image(1024, 1024, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor base = QColor::fromHsv((variant * 47) % 360, 180, 220);
    painter.setBrush(base.darker(130));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(100, 100, 824, 824), 180, 180);
    QRadialGradient shade(QPointF(420, 380), 420);
    shade.setColorAt(0, base.lighter(160));
    shade.setColorAt(1, base);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(512, 512), 330, 330);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 24));
    for (int i = 0; i < 6; ++i) painter.drawLine(300, 330 + 70 * i, 724 - 20 * i, 330 + 70 * i);
    return image;
}

QImage Scaled(const QImage& image, int side) {
    return image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A 32-bit colour element (packed R, G and B planes) and its 8-bit mask.
void AddColorAndMask(Icns& icns, const char (&color)[5], const char (&mask)[5], const QImage& image) {
    Bytes planes, alpha;
    for (int channel = 0; channel < 3; ++channel)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                planes.push_back(uint8_t(channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c)));
                if (channel == 0) alpha.push_back(uint8_t(qAlpha(c)));
            }
    icns.Add(color, testsupport::PackRuns(planes)).Add(mask, alpha);
}

Bytes PngOnlyIcns(const QImage& picture) { return Icns().Add("ic10", testsupport::PngBytes(picture)).Data(); }

Bytes MultiSizeIcns(const QImage& picture) {
    Icns icns;
    AddColorAndMask(icns, "is32", "s8mk", Scaled(picture, 16));
    AddColorAndMask(icns, "il32", "l8mk", Scaled(picture, 32));
    return icns.Add("ic07", testsupport::PngBytes(Scaled(picture, 128)))
        .Add("ic08", testsupport::PngBytes(Scaled(picture, 256)))
        .Add("ic09", testsupport::PngBytes(Scaled(picture, 512)))
        .Add("ic10", testsupport::PngBytes(picture))
        .Data();
}

// A home of `count` application packages, each with its own icon file made
// from one of `icons`; the number of rows the run must list.
int MakeIconsHome(const FakeHome& home, const std::vector<Product>& products, const std::vector<Bytes>& icons,
                  int count) {
    std::vector<int> found(products.size(), 0);
    for (int i = 0; i < count; ++i) {
        const size_t product = size_t(i) % products.size();
        const Product& p = products[product];
        if (p.appCodes.empty()) continue;
        const std::string bundle = home.Applications("Tool " + std::to_string(i) + ".app");
        testsupport::MakeBundle(bundle, "Tool", "Tool.icns", icons[size_t(i) % icons.size()]);
        testsupport::WriteFile(bundle + "/Contents/PkgInfo",
                               p.appCodes[size_t(i / products.size()) % p.appCodes.size()]);
        ++found[product];
    }
    int rows = 0;
    for (int n : found) rows += n > 0 ? 1 + n : 0;
    return rows;
}

int failures = 0;

bench::RoadRun Measure(const std::shared_ptr<Window1>& win, const char* name, int expectedRows) {
    const bench::RoadRun run = bench::RunAutoGet(win);
    std::printf("%s_ms=%.1f rows=%d\n", name, run.milliseconds, run.rows);
    if (run.rows != expectedRows) {
        std::printf("FAIL: %s listed %d rows, not %d\n", name, run.rows, expectedRows);
        ++failures;
    }
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const bench::Program program(argc, argv);
    if (!program.Ready()) return 1;
    const std::vector<Product> products = CatalogueProducts();
    const auto& win = program.Window();
    {
        FakeHome warm;  // loads the MIME database and the theme's icons first
        const int rows = MakeRowsHome(warm, products, 10, 1);
        Measure(win, "warm_up", rows);
    }

    std::vector<Bytes> pngOnly, multiSize;
    for (int variant = 0; variant < 8; ++variant) {
        const QImage picture = IconPicture(variant);
        pngOnly.push_back(PngOnlyIcns(picture));
        multiSize.push_back(MultiSizeIcns(picture));
    }
    auto timed = [&](const char* name, auto makeHome) {
        FakeHome home;
        const int rows = makeHome(home);
        return Measure(win, name, rows).milliseconds;
    };
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "rows") {
        const double small = timed("rows_small", [&](FakeHome& h) { return MakeRowsHome(h, products, 160, 3); });
        const double large = timed("rows_large", [&](FakeHome& h) { return MakeRowsHome(h, products, 1490, 10); });
        std::printf("rows_ratio=%.2f\n", large / small);
    }
    if (only.empty() || only == "icons") {
        const double png =
            timed("icons_png_only", [&](FakeHome& h) { return MakeIconsHome(h, products, pngOnly, 300); });
        const double multi =
            timed("icons_multi_size", [&](FakeHome& h) { return MakeIconsHome(h, products, multiSize, 300); });
        std::printf("icons_ratio=%.2f\n", png / multi);
    }

    return failures ? 1 : 0;
}
