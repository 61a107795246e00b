// The texts of the About panel and the main window as the user reads them:
// each fits the rectangle of its label at the design values, measured with the
// label's own font, and each label is drawn in its colour, a disabled one in
// the toolkit's disabled colour.
#include <cmath>
#include <string>
#include <vector>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTreeView>
#include <gtest/gtest.h>

#include "app/AboutPanel.h"
#include "app/App.h"
#include "app/Window1.h"
#include "runtime/ui/detail/QtText.h"
#include "tests/support/MainWindowFixture.h"

using namespace runtime;

namespace {

// The labels of the window whose text needs more room than their rectangle.
std::vector<std::string> Overflowing(const Window& window) {
    std::vector<std::string> overflowing;
    for (int i = 0; i < window.ControlCount(); ++i) {
        auto label = std::dynamic_pointer_cast<Label>(window.ControlAt(i));
        if (!label) continue;
        const auto* shown = static_cast<const QLabel*>(label->NativeWidget());
        EXPECT_EQ(shown->geometry(), QRect(label->Left(), label->Top(), label->Width(), label->Height()));
        const QRect room = shown->contentsRect();
        const QFontMetrics metrics = shown->fontMetrics();
        const QRect need = label->Multiline()
                               ? metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, shown->text())
                               : metrics.boundingRect(shown->text());
        if (need.width() > room.width() || need.height() > room.height())
            overflowing.push_back(label->Name().Bytes() + " \"" + label->Text().Bytes() + "\"");
    }
    return overflowing;
}

// Whether the label's picture holds its text drawn in ink: every pixel lies
// between the background and ink (anti-aliased edges), and some are mostly ink.
bool DrawnIn(const Label& label, const QColor& ink) {
    auto* shown = static_cast<QLabel*>(label.NativeWidget());
    const QColor background = shown->palette().color(shown->backgroundRole());
    const QImage image = shown->grab().toImage();
    const double dr = ink.red() - background.red(), dg = ink.green() - background.green(),
                 db = ink.blue() - background.blue();
    double most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const double r = p.red() - background.red(), g = p.green() - background.green(),
                         b = p.blue() - background.blue();
            const double t = (r * dr + g * dg + b * db) / (dr * dr + dg * dg + db * db);
            if (std::hypot(r - t * dr, g - t * dg, b - t * db) > 8) return false;
            most = std::max(most, t);
        }
    }
    return most > 0.6;
}

class TextFitTest : public testsupport::MainWindowFixture {};

TEST_F(TextFitTest, TheAboutPanelsTextsFitAndTheDisabledOneIsGrey) {
    bool shown = false;
    SetModalWindowAnswerer([&](Window& window) {
        auto& panel = dynamic_cast<AboutPanel&>(window);
        shown = true;
        EXPECT_EQ(Overflowing(panel), std::vector<std::string>{});
        EXPECT_TRUE(
            DrawnIn(*panel.StaticText4(), QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)));
        EXPECT_TRUE(DrawnIn(*panel.StaticText1(), detail::ToQColor(RGB(0, 51, 102))));
        return true;
    });
    App()._AppleAbout_Action();
    SetModalWindowAnswerer({});
    EXPECT_TRUE(shown);
}

TEST_F(TextFitTest, EveryStatusTextFitsTheStatusStrip) {
    LabelRef status = win->StaticText1();
    for (const char* text :
         {"取得中...（検索範囲によっては数分かかる場合があります。）", "ゴミ箱に移動中...", "処理が中止されました。"}) {
        status->SetText(text);
        EXPECT_EQ(Overflowing(*win), std::vector<std::string>{});
    }
}

TEST_F(TextFitTest, ListRowsAtTheDesignTextSizeHoldTheirIconsWhole) {
    win->AddFIlist(FolderItem::FromNativePath(home.MakeFolder("Library/Preferences/Zoruba初期設定")), "P");
    ListboxRef list = win->Listbox1();
    list->AddFolder("Zoruba");
    list->SetCell(0, 5, "0:");
    list->SetExpanded(0, true);
    QTreeView* view = list->NativeView();
    const QModelIndex product = view->model()->index(0, 0);
    for (const QModelIndex& row : {product, view->model()->index(0, 0, product)})
        EXPECT_GE(view->visualRect(row).height(), 16) << row.data().toString().toStdString();
}

}  // namespace
