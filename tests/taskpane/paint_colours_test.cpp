// Colour values: blending, resolving OLE colours against the palette, and the
// HLS recolouring of glyphs and watermarks.

#include "paint/PaneColours.h"

#include <QPalette>
#include <gtest/gtest.h>

using namespace zelvano::pane;

namespace {

struct BlendCase {
    QRgb a, b;
    int w;
    QRgb expected;
};

class BlendTest : public testing::TestWithParam<BlendCase> {};

TEST_P(BlendTest, RoundsEachChannelToNearest) {
    const auto& c = GetParam();
    EXPECT_EQ(blend(QColor(c.a), QColor(c.b), c.w).rgb(), QColor(c.expected).rgb());
}

// Hand-computed: A*w/255 + B*(255-w)/255 per channel.
INSTANTIATE_TEST_SUITE_P(
    Known, BlendTest,
    testing::Values(BlendCase{qRgb(255, 255, 255), qRgb(0, 0, 0), 128, qRgb(128, 128, 128)},
                    // 255*127/255 = 127 exactly
                    BlendCase{qRgb(255, 0, 0), qRgb(0, 0, 255), 127, qRgb(127, 0, 128)},
                    // 49*192/255 + 106... : button face 212,208,200 with white at 24
                    BlendCase{qRgb(212, 208, 200), qRgb(255, 255, 255), 24, qRgb(251, 251, 250)},
                    // 1*128/255 = 0.502 -> 1; 1*127/255 = 0.498 -> 0
                    BlendCase{qRgb(1, 1, 0), qRgb(0, 0, 1), 128, qRgb(1, 1, 0)},
                    BlendCase{qRgb(1, 0, 0), qRgb(0, 0, 0), 127, qRgb(0, 0, 0)},
                    BlendCase{qRgb(10, 36, 106), qRgb(0, 0, 0), 192, qRgb(8, 27, 80)},
                    BlendCase{qRgb(10, 20, 30), qRgb(200, 100, 50), 0, qRgb(200, 100, 50)},
                    BlendCase{qRgb(10, 20, 30), qRgb(200, 100, 50), 255, qRgb(10, 20, 30)}),
    [](const auto& info) {
        const BlendCase& c = info.param;
        return QStringLiteral("%1_Over%2_Weight%3")
            .arg(c.a & 0xFFFFFF, 6, 16, QLatin1Char('0'))
            .arg(c.b & 0xFFFFFF, 6, 16, QLatin1Char('0'))
            .arg(c.w)
            .toStdString();
    });

TEST(ColourValues, PlainRgbHasRedInTheLowByte) {
    EXPECT_EQ(fromOle(0x00336699).rgb(), qRgb(0x99, 0x66, 0x33));
    EXPECT_EQ(toOle(QColor(0x99, 0x66, 0x33)), 0x00336699);
}

TEST(ColourValues, ResolvesDefaultsAndSystemCodes) {
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 20, 30));
    pal.setColor(QPalette::Active, QPalette::Text, QColor(4, 5, 6));
    pal.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
    EXPECT_EQ(resolveColour(kSysColourWindow, kDefaultColour, pal), QColor(1, 2, 3));
    EXPECT_EQ(resolveColour(sysColourCode(SysHighlight), kDefaultColour, pal), QColor(10, 20, 30));
    EXPECT_EQ(resolveColour(sysColourCode(SysActiveCaption), kDefaultColour, pal),
              QColor(10, 20, 30));
    EXPECT_EQ(resolveColour(sysColourCode(SysWindowText), kDefaultColour, pal), QColor(4, 5, 6));
    EXPECT_EQ(resolveColour(sysColourCode(SysButtonFace), kDefaultColour, pal), QColor(7, 8, 9));
    // -1 takes the fallback, itself possibly a system code.
    EXPECT_EQ(resolveColour(kDefaultColour, kSysColourWindow, pal), QColor(1, 2, 3));
    EXPECT_EQ(resolveColour(kDefaultColour, 0x0000FF, pal), QColor(255, 0, 0));
    // An index the table does not have resolves like an unknown system colour.
    EXPECT_EQ(resolveColour(static_cast<OleColour>(0x800000FFu), kDefaultColour, pal), Qt::black);
    EXPECT_EQ(resolveColour(0, kSysColourWindow, pal), Qt::black); // 0 is black, not a default
}

TEST(ColourValues, HlsRoundTripsEveryCorner) {
    for (QRgb c :
         {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
          qRgb(10, 36, 106), qRgb(166, 202, 240), qRgb(128, 128, 128), qRgb(250, 3, 120)})
        EXPECT_EQ(fromHls(toHls(c)) & RGB_MASK, c & RGB_MASK) << std::hex << c;
    const Hls red = toHls(qRgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(red.h, 0);
    EXPECT_DOUBLE_EQ(red.l, 0.5);
    EXPECT_DOUBLE_EQ(red.s, 1);
}

TEST(Colourise, MapsBackgroundDarkAndLightPixels) {
    // Background grey 200 (l = 0.784) with a dark pixel (l = 0.392) and a
    // white one (l = 1, above 0.9).
    QImage img(4, 4, QImage::Format_Grayscale8);
    img.fill(200);
    img.setPixel(2, 2, qRgb(100, 100, 100));
    img.setPixel(3, 3, qRgb(255, 255, 255));
    img.setPixel(0, 3, qRgb(240, 240, 240)); // l = 0.941: keeps its lightness
    const QColor target(40, 80, 160);        // h = 0.6111, l = 0.392, s = 0.6
    const QImage out = colourise(img, target);
    ASSERT_EQ(out.format(), QImage::Format_ARGB32);
    EXPECT_EQ(out.pixel(1, 1), target.rgb());
    EXPECT_EQ(out.pixel(0, 0), target.rgb());
    // l = 0.392 / 0.784 * 0.392 = 0.196, target hue and saturation.
    const Hls dark = toHls(out.pixel(2, 2));
    EXPECT_NEAR(dark.l, 100.0 / 200.0 * toHls(target.rgb()).l, 0.003);
    EXPECT_NEAR(dark.h, toHls(target.rgb()).h, 0.01);
    EXPECT_NEAR(dark.s, toHls(target.rgb()).s, 0.01);
    EXPECT_EQ(out.pixel(3, 3), qRgb(255, 255, 255));
    const Hls light = toHls(out.pixel(0, 3));
    EXPECT_NEAR(light.l, 240 / 255.0, 0.003);
    EXPECT_NEAR(light.h, toHls(target.rgb()).h, 0.01);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(qAlpha(out.pixel(x, y)), 255);

    // Glyphs leave the ground out instead; the rest is the same.
    const QImage glyph = colourise(img, target, true);
    EXPECT_EQ(qAlpha(glyph.pixel(1, 1)), 0);
    EXPECT_EQ(glyph.pixel(2, 2), out.pixel(2, 2));
}

TEST(Colourise, LightnessAboveOneIsCappedAndDegenerateInputsAreSafe) {
    // Dark reference, bright target: a mid grey would scale beyond 1.
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(qRgb(50, 50, 50));
    img.setPixel(0, 0, qRgb(150, 150, 150));
    const QImage out = colourise(img, QColor(230, 230, 250));
    EXPECT_EQ(out.pixel(0, 0) & RGB_MASK, qRgb(255, 255, 255) & RGB_MASK);

    // A black reference has lightness 0: no division by zero.
    QImage black(3, 3, QImage::Format_RGB32);
    black.fill(Qt::black);
    black.setPixel(2, 2, qRgb(20, 20, 20));
    EXPECT_EQ(colourise(black, QColor(10, 20, 30)).pixel(2, 2), qRgb(255, 255, 255));

    // One-pixel and empty pictures.
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::gray);
    EXPECT_EQ(colourise(one, Qt::red).pixel(0, 0), QColor(Qt::red).rgb());
    EXPECT_TRUE(colourise(QImage(), Qt::red).isNull());
}

} // namespace
