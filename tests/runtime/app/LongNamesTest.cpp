// Long names without break points as a user sees them on a screen 1280
// pixels wide: in a message box and in the tooltip of a list cell, inside the
// screen and whole.
#include <string>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "XvfbScreen.h"
#include "runtime/app/MessageDialog.h"
#include "runtime/ui/Listbox.h"
#include "runtime/ui/Window.h"
#include "tests/support/ListDriver.h"

using namespace runtime;
using namespace apptest;
using testsupport::ListWindow;

namespace {

// A property list's name of 211 characters, without a space.
std::string LongName() {
    std::string name = "com.keldo.";
    while (name.size() < 205) name += "Zorubaextra";
    return name.substr(0, 205) + ".plist";
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The label's text as the label lays it out (in its document) fits inside it.
bool LaidOutWithin(const QLabel& label) {
    const auto* document = label.findChild<QTextDocument*>();
    if (document == nullptr) return false;
    return document->size().width() <= label.contentsRect().width() &&
           document->size().height() <= label.contentsRect().height();
}

QRect OnScreen(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

class LongNamesTest : public AppTest {
protected:
    void SetUp() override { SKIP_WITHOUT_XVFB_SCREEN(); }
};

// The box shows each text label inside itself and the screen, with its whole
// text laid out inside the label, read whole by assistive technology and
// copied whole by a user who selects it with the mouse.
TEST_F(LongNamesTest, AMessageBoxWrapsANameInsideTheScreen) {
    struct Case {
        const char* what;
        std::string message, explanation;
    };
    const std::string name = LongName();
    const Case cases[] = {
        {"in the explanation", "1個の項目をゴミ箱に移動できませんでした。",
         "次の項目は元の場所に残っています。\n\n項目が使用中です：\n・" + name + "\n・com.keldo.Pelmora.plist"},
        {"in the message", "「" + name + "」を開けませんでした。", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageDialog dialog;
        dialog.SetIcon(MessageDialog::IconCaution);
        dialog.SetMessage(String(c.message));
        dialog.SetExplanation(String(c.explanation));
        bool looked = false;
        WhenModalUp<QMessageBox>([&](QMessageBox* box) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
            QApplication::processEvents();
            const QRect screen = box->screen()->availableGeometry();
            EXPECT_EQ(screen.width(), 1280);
            EXPECT_TRUE(screen.contains(box->frameGeometry())) << box->frameGeometry().width();
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                SCOPED_TRACE(label->text().left(20).toStdString());
                EXPECT_TRUE(OnScreen(*box).contains(OnScreen(*label)));
                EXPECT_TRUE(LaidOutWithin(*label));
                QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
                EXPECT_EQ(read != nullptr ? read->text(QAccessible::Name).toStdString() : "",
                          label->text().toStdString());
                // Selected from its first character to its last, and copied.
                QApplication::clipboard()->clear();
                QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
                QTest::mouseMove(label, QPoint(label->width() - 1, label->height() - 1));
                QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier,
                                    QPoint(label->width() - 1, label->height() - 1));
                QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
                EXPECT_EQ(QApplication::clipboard()->text().toStdString(), label->text().toStdString());
            }
            EXPECT_EQ(box->text().toStdString(), c.message);
            EXPECT_EQ(box->informativeText().toStdString(), c.explanation);
            looked = true;
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        });
        dialog.ShowModal();
        EXPECT_TRUE(looked);
    }
}

// A text without a run wider than the box looks as QMessageBox shows it.
TEST_F(LongNamesTest, AMessageBoxWithoutLongRunsIsLaidOutAsQtLaysItOut) {
    const std::string sentence = "The items stay where they were, since the folder that holds them cannot be changed. ";
    const std::pair<std::string, std::string> cases[] = {
        {"本当にゴミ箱に移動しますか？", "Finderの機能を使えば、移動したアイテムを元に戻せます。"},
        {sentence + sentence, sentence + sentence + sentence + "\n・com.keldo.Pelmora.plist"},
    };
    for (const auto& [message, explanation] : cases) {
        SCOPED_TRACE(message);
        // The box as Qt shows it, set up as the runtime sets it up.
        QMessageBox plain;
        plain.setIcon(QMessageBox::Warning);
        plain.setTextFormat(Qt::PlainText);
        plain.setText(Q(message));
        plain.setInformativeText(Q(explanation));
        plain.findChild<QLabel*>("qt_msgbox_informativelabel")->setTextFormat(Qt::PlainText);
        plain.addButton(QMessageBox::Ok);
        plain.addButton(QMessageBox::Cancel)->setText("キャンセル");
        plain.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
        QApplication::processEvents();
        auto shape = [](QMessageBox& box) {
            std::vector<QRect> shape{QRect(QPoint(), box.size())};
            for (QLabel* label : box.findChildren<QLabel*>()) shape.push_back(label->geometry());
            return shape;
        };
        const std::vector<QRect> expected = shape(plain);
        plain.hide();

        MessageDialog dialog;
        dialog.SetIcon(MessageDialog::IconCaution);
        dialog.CancelButton()->SetVisible(true);
        dialog.CancelButton()->SetCaption("キャンセル");
        dialog.SetMessage(String(message));
        dialog.SetExplanation(String(explanation));
        std::vector<QRect> shown;
        WhenModalUp<QMessageBox>([&](QMessageBox* box) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
            QApplication::processEvents();
            shown = shape(*box);
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        });
        dialog.ShowModal();
        EXPECT_EQ(shown, expected);
    }
}

// The tooltip of a cut-short cell under the mouse: inside the screen, its
// text the whole name, in lines that fit the screen where it has to be.
TEST_F(LongNamesTest, ACellsTooltipShowsANameInsideTheScreen) {
    const std::string names[] = {LongName(), "com.keldo.Pelmora.ZorubaextraZorubaextra.plist"};
    auto window = NewWindow<ListWindow>();
    auto lb = window->Control<Listbox>("Listbox1");
    ASSERT_NE(lb, nullptr);
    for (const std::string& name : names) lb->AddRow(String(name));
    QWidget* top = window->NativeWidget();
    top->activateWindow();  // Qt shows tooltips in the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTreeView* view = lb->NativeView();
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QTest::mouseMove(view->viewport(), view->visualRect(lb->NativeModel()->index(row, 0)).center());
        ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
        QWidget* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
        ASSERT_NE(tip, nullptr);
        const QRect screen = tip->screen()->availableGeometry();
        EXPECT_EQ(screen.width(), 1280);
        EXPECT_TRUE(screen.contains(tip->frameGeometry())) << tip->frameGeometry().width();
        EXPECT_LE(tip->sizeHint().width(), tip->width());  // nothing of it cut
        const QString text = QToolTip::text();
        EXPECT_EQ(QString(text).remove(u'\n').toStdString(), names[row]);
        EXPECT_EQ(text.contains(u'\n'), row == 0);  // a name that fits is one line
    }
    QToolTip::hideText();
    window->Close();
}

}  // namespace
