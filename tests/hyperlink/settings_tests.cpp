#include "LinkFixture.h"

#include <QSignalSpy>

using namespace zelvano::link;

TEST(HyperLinkColor, ValuesResolveThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    struct Case {
        ColorValue value;
        std::optional<QColor> expected;
    };
    const Case cases[] = {
        {0x000088, QColor(136, 0, 0)},
        {0xFF8040, QColor(0x40, 0x80, 0xFF)},
        {static_cast<ColorValue>(0x8000000Du), QColor(1, 2, 3)},
        {systemColor(16), QColor(4, 5, 6)},
        {static_cast<ColorValue>(0x80000063u), QColor(7, 8, 9)}, // no such system colour
        {static_cast<ColorValue>(0x8001000Du), QColor(7, 8, 9)}, // stray bits: not index 13
        {kContainerColor, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(resolveColor(c.value, palette), c.expected);
    }
    EXPECT_EQ(colorValue(QColor(136, 0, 0)), 0x000088);
    EXPECT_EQ(rgbColor(0x40, 0x80, 0xFF), 0xFF8040);
}

TEST(HyperLinkSettings, MissingValuesTakeTheirDefaults) {
    QWidget holder;
    QFont holderFont(QStringLiteral("DejaVu Serif"), 11);
    holder.setFont(holderFont);
    HyperLink link(&holder);
    link.loadSettings({});
    EXPECT_EQ(link.caption(), HyperLink::kDefaultCaption);
    EXPECT_TRUE(link.hyperLink().startsWith(QStringLiteral("https://")));
    EXPECT_EQ(link.font(), holder.font()); // the container's font
    EXPECT_EQ(link.foreColor(), kContainerColor);
    EXPECT_EQ(link.backColor(), kContainerColor);
    EXPECT_EQ(link.hoverColor(), 0x0000FF);
    EXPECT_EQ(link.alignment(), HyperLink::Alignment::Left);
    EXPECT_TRUE(link.autoSize());
    EXPECT_EQ(link.appearance(), HyperLink::Appearance::ThreeD);
    EXPECT_EQ(link.borderStyle(), HyperLink::BorderStyle::None);
    EXPECT_TRUE(link.isEnabled());
    EXPECT_TRUE(link.autoToolTip());
    EXPECT_FALSE(link.moUnderline());
    EXPECT_FALSE(link.moPointer());
    EXPECT_FALSE(link.saveSettings().contains(QStringLiteral("Font")));
}

TEST(HyperLinkSettings, SavedSettingsRoundTripAndSoundIsNeverStored) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    const QVariantMap settings{
        {QStringLiteral("Caption"), QStringLiteral("Обновления")},
        {QStringLiteral("HyperLink"), QStringLiteral("https://zelvano.example.org/")},
        {QStringLiteral("Font"), font},
        {QStringLiteral("ForeColor"), 0x000088},
        {QStringLiteral("BackColor"), systemColor(15)},
        {QStringLiteral("HoverColor"), systemColor(13)},
        {QStringLiteral("Alignment"), 2},
        {QStringLiteral("AutoSize"), false},
        {QStringLiteral("Appearance"), 0},
        {QStringLiteral("BorderStyle"), 1},
        {QStringLiteral("Enabled"), false},
        {QStringLiteral("AutoToolTip"), false},
        {QStringLiteral("MOUnderline"), true},
        {QStringLiteral("MOPointer"), true},
    };
    QVariantMap withSound = settings;
    withSound.insert(QStringLiteral("SoundOn"), true);
    withSound.insert(QStringLiteral("SoundID"), 7);
    HyperLink link;
    link.loadSettings(withSound);
    EXPECT_EQ(link.saveSettings(), settings);
    EXPECT_EQ(link.alignment(), HyperLink::Alignment::Center);
    EXPECT_FALSE(link.soundOn());
    EXPECT_EQ(link.soundId(), 0);
    link.setSoundOn(true);
    link.setSoundId(7);
    EXPECT_EQ(link.saveSettings(), settings);
}

TEST(HyperLinkSettings, ColoursLoadFromSignedOrUnsignedNumbersAndJunkFallsBack) {
    HyperLink link;
    link.loadSettings({{QStringLiteral("HoverColor"), 0x8000000Du},
                       {QStringLiteral("ForeColor"), static_cast<qint64>(-2147483635)},
                       {QStringLiteral("BackColor"), QStringLiteral("red")},
                       {QStringLiteral("Alignment"), 7},
                       {QStringLiteral("Appearance"), QStringLiteral("flat")},
                       {QStringLiteral("AutoSize"), QStringLiteral("no")},
                       {QStringLiteral("Caption"), 42},
                       {QStringLiteral("Font"), QStringLiteral("Tahoma,10,-1,5,700,0,0,0,0,0")}});
    EXPECT_EQ(link.hoverColor(), systemColor(13));
    EXPECT_EQ(link.foreColor(), systemColor(13));
    EXPECT_EQ(link.backColor(), kContainerColor);
    EXPECT_EQ(link.alignment(), HyperLink::Alignment::Left);
    EXPECT_EQ(link.appearance(), HyperLink::Appearance::ThreeD);
    EXPECT_TRUE(link.autoSize());
    EXPECT_EQ(link.caption(), HyperLink::kDefaultCaption);
    EXPECT_EQ(link.font().pointSize(), 10);
    EXPECT_TRUE(link.font().bold());
}

TEST_F(LinkFixture, AutoSizeCarriesTheControlAlongWithItsText) {
    QSize sizeAtChange;
    QObject::connect(link, &HyperLink::Change, [&] { sizeAtChange = link->size(); });
    link->setCaption(QStringLiteral("https://zelvano.example.org/обновления"));
    EXPECT_EQ(link->size(), label()->sizeHint());
    EXPECT_EQ(sizeAtChange, link->size()); // Change comes after the refit

    const QSize before = link->size();
    QFont bigger = link->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 2);
    link->setFont(bigger);
    EXPECT_GT(link->width(), before.width());
    EXPECT_EQ(link->size(), label()->sizeHint());

    link->resize(20, 5); // a self-sizing link snaps back
    EXPECT_EQ(link->size(), label()->sizeHint());
}

TEST_F(LinkFixture, WithoutAutoSizeTheLabelFillsTheControl) {
    link->setAutoSize(false);
    link->resize(94, 13);
    EXPECT_EQ(label()->geometry(), QRect(0, 0, 94, 13));
    link->setBorderStyle(HyperLink::BorderStyle::FixedSingle);
    EXPECT_EQ(label()->geometry(), QRect(0, 0, 94, 13));
    EXPECT_GT(label()->frameWidth(), 0); // the sunken 3-D edge
    link->setAppearance(HyperLink::Appearance::Flat);
    EXPECT_EQ(label()->contentsRect(), QRect(1, 1, 92, 11)); // one-pixel flat line
}
