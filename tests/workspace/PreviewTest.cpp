// The preview: the fit rule, what a paint draws and keeps, and its first picture.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"

#include "workspace/FitRule.h"
#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(FitRuleTest, PicturesFitTheBoxAndAreNeverEnlarged) {
    struct Case {
        int w, h, W, H;
        Fit expected;
    };
    const Case cases[] = {
        {300, 201, 586, 431, {300, 201, 143, 115, false}},  {586, 431, 586, 431, {586, 431, 0, 0, false}},
        {1172, 402, 586, 431, {586, 201, 0, 115, true}},    {1000, 862, 586, 431, {500, 431, 43, 0, true}},
        {587, 100, 586, 431, {586, 99, 0, 165, true}},      {20000, 30, 586, 431, {586, 1, 0, 215, true}},
        {4000, 3000, 396, 126, {168, 126, 114, 0, true}},   {10, 10, 1, 1, {1, 1, 0, 0, true}},
    };
    for (const Case& c : cases) {
        const Fit fit = fitRule(c.w, c.h, c.W, c.H);
        EXPECT_EQ(fit.width, c.expected.width) << c.w << "x" << c.h << " in " << c.W << "x" << c.H;
        EXPECT_EQ(fit.height, c.expected.height) << c.w << "x" << c.h;
        EXPECT_EQ(fit.x, c.expected.x) << c.w << "x" << c.h;
        EXPECT_EQ(fit.y, c.expected.y) << c.w << "x" << c.h;
        EXPECT_EQ(fit.scaled, c.expected.scaled) << c.w << "x" << c.h;
    }
}

class PreviewTest : public AppTest {
  protected:
    QTemporaryDir dir;
};

TEST_F(PreviewTest, APaintDrawsTheFittedPhotoCentredAndKeepsIt) {
    const std::string wide = photos::write(dir.path(), "wide.png", 1172, 402, "png");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto canvas = main->Canvas1();
        EXPECT_TRUE(canvas->pic) << "the preview opens with its first picture";
        canvas->pic = tk::makeRef<tk::FolderItem>(wide)->OpenAsPicture();
        canvas->Refresh(true);
        ASSERT_TRUE(waitFor([&] { return canvas->scaledPic && canvas->scaledPic->Width() == 586; }));
        EXPECT_EQ(canvas->scaledPic->Height(), 201);
        EXPECT_EQ(main->StaticText4()->Text(), "Scaled: 586 x 201");
        const QImage shot = main->widget()->contentArea()->grab().toImage();
        // Canvas at 203, 56; the photo drawn at 0, 115 inside it, 586 x 201.
        EXPECT_EQ(qRed(shot.pixel(203 + 100, 56 + 115 + 100)), 200);
        EXPECT_EQ(qBlue(shot.pixel(203 + 500, 56 + 115 + 100)), 200);
        EXPECT_EQ(shot.pixel(203 + 100, 56 + 110), qRgb(43, 43, 43)) << "the window's colour around it";

        // The window grows: the photo grows with it up to its own size, no further.
        main->setWidth(2400);
        main->setHeight(1500);
        ASSERT_TRUE(waitFor([&] { return canvas->scaledPic->Width() == 1172; }));
        EXPECT_EQ(main->StaticText4()->Text(), "Scaled: 1172 x 402");

        // No picture: nothing drawn, the fitted picture and the label kept.
        canvas->pic = nullptr;
        canvas->Refresh(true);
        QTest::qWait(20);
        EXPECT_EQ(canvas->scaledPic->Width(), 1172);
        EXPECT_EQ(main->StaticText4()->Text(), "Scaled: 1172 x 402");
    });
}

} // namespace
