// Pictures, their masks and their graphics.

#include "runtime/ui/Picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "runtime/ui/Graphics.h"

namespace runtime {
namespace {

TEST(Picture, ABlackOnWhiteMaskMakesTheOutsideTransparent) {
    EXPECT_EQ(NewPicture(0, 16, 32), nullptr);
    EXPECT_EQ(NewPicture(16, -1, 32), nullptr);
    // The icon's mask as the plug-in gives it: opaque parts black on white.
    PictureRef maskSource = NewPicture(16, 16, 32);
    maskSource->Graphics()->SetForeColor(RGB(0, 0, 0));
    maskSource->Graphics()->FillRect(4, 4, 8, 8);
    PictureRef icon = NewPicture(16, 16, 32);
    icon->Graphics()->SetForeColor(RGB(200, 0, 0));
    icon->Graphics()->FillRect(0, 0, 16, 16);

    PictureRef p = NewPicture(16, 16, 32);
    EXPECT_EQ(p->Mask(false), nullptr);
    p->Graphics()->DrawPicture(icon, 0, 0);
    // A new mask changes nothing until something is drawn into it.
    PictureRef mask = p->Mask(true);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(p->Mask(false), mask);
    EXPECT_EQ(qAlpha(p->ToImage().pixel(0, 0)), 255);

    mask->Graphics()->DrawPicture(maskSource, 0, 0);
    const QImage shown = p->ToImage();
    EXPECT_EQ(qAlpha(shown.pixel(3, 8)), 0);
    EXPECT_EQ(shown.pixel(4, 4), qRgba(200, 0, 0, 255));
    EXPECT_EQ(shown.pixel(11, 11), qRgba(200, 0, 0, 255));
    EXPECT_EQ(qAlpha(shown.pixel(12, 11)), 0);

    // Drawing the masked picture elsewhere keeps what lies outside the mask.
    PictureRef target = NewPicture(16, 16, 32);
    target->Graphics()->SetForeColor(RGB(0, 0, 255));
    target->Graphics()->FillRect(0, 0, 16, 16);
    target->Graphics()->DrawPicture(p, 0, 0);
    EXPECT_EQ(target->ToImage().pixel(0, 0), qRgba(0, 0, 255, 255));
    EXPECT_EQ(target->ToImage().pixel(8, 8), qRgba(200, 0, 0, 255));
}

TEST(Picture, GraphicsDrawInsideTheSurfaceOnly) {
    PictureRef p = NewPicture(8, 8, 32);
    auto g = p->Graphics();
    g->SetForeColor(RGB(10, 20, 30));
    g->DrawRect(0, 0, 8, 8);
    EXPECT_EQ(p->ToImage().pixel(7, 7), qRgb(10, 20, 30));
    EXPECT_EQ(p->ToImage().pixel(3, 3), qRgb(255, 255, 255));  // a new picture is white
    g->FillRect(4, 4, 100, 100);
    EXPECT_EQ(p->ToImage().pixel(7, 7), qRgb(10, 20, 30));
    g->ClearRect(0, 0, 8, 8);
    EXPECT_EQ(p->ToImage().pixel(5, 5), qRgba(255, 255, 255, 255));
    g->DrawPicture(nullptr, 0, 0);  // nil draws nothing
}

TEST(Picture, OpenAsPictureReadsImagesAndGivesNilForAnythingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage image(32, 24, QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3, 128));
    ASSERT_TRUE(image.save(dir.filePath("icon.png"), "PNG"));
    // The format comes from the data, not from the name.
    ASSERT_TRUE(QFile::copy(dir.filePath("icon.png"), dir.filePath("icon.dat")));
    QFile text(dir.filePath("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    auto open = [&](const char* name) {
        auto item = FolderItem::FromNativePath(QDir(dir.path()).filePath(name).toStdString());
        return item ? item->OpenAsPicture() : nullptr;
    };
    PictureRef png = open("icon.png");
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->Width(), 32);
    EXPECT_EQ(png->Height(), 24);
    EXPECT_EQ(qAlpha(png->ToImage().pixel(0, 0)), 128);
    EXPECT_NE(open("icon.dat"), nullptr);
    EXPECT_EQ(open("notes.png"), nullptr);
    EXPECT_EQ(open("missing.png"), nullptr);
    auto folder = FolderItem::FromNativePath(dir.path().toStdString());
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->OpenAsPicture(), nullptr);
}

}  // namespace
}  // namespace runtime
