#include "LinkFixture.h"

#include <QSignalSpy>

using namespace zelvano;
using namespace zelvano::link;

TEST(HyperLinkColor, ValuesResolveThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    struct Case {
        ColourValue value;
        std::optional<QColor> expected;
    };
    const Case cases[] = {
        {0x000088, QColor(136, 0, 0)},
        {0xFF8040, QColor(0x40, 0x80, 0xFF)},
        {static_cast<ColourValue>(0x8000000Du), QColor(1, 2, 3)},
        {systemColourCode(16), QColor(4, 5, 6)},
        {static_cast<ColourValue>(0x80000063u), QColor(7, 8, 9)}, // no such system colour
        {static_cast<ColourValue>(0x8001000Du), QColor(7, 8, 9)}, // stray bits: not index 13
        {kContainerColour, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(resolveColour(c.value, palette), c.expected);
    }
    EXPECT_EQ(colourValue(QColor(136, 0, 0)), 0x000088);
    EXPECT_EQ(rgbColourValue(0x40, 0x80, 0xFF), 0xFF8040);
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
    EXPECT_EQ(link.foreColor(), kContainerColour);
    EXPECT_EQ(link.backColor(), kContainerColour);
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
        {QStringLiteral("BackColor"), systemColourCode(15)},
        {QStringLiteral("HoverColor"), systemColourCode(13)},
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
    EXPECT_EQ(link.hoverColor(), systemColourCode(13));
    EXPECT_EQ(link.foreColor(), systemColourCode(13));
    EXPECT_EQ(link.backColor(), kContainerColour);
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

// A form gives the size first, then the settings in their order: the caption
// fits the control to its text before AutoSize is switched off.
TEST(HyperLinkSettings, WithoutAutoSizeTheHoldersSizeComesBack) {
    const struct {
        const char* label;
        QSize held; // invalid: never given one
    } cases[] = {{"size given by the form", QSize(180, 30)}, {"no size given", QSize()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QWidget form;
        HyperLink link(&form);
        if (c.held.isValid())
            link.setGeometry(QRect(QPoint(10, 10), c.held));
        link.setCaption(QStringLiteral("Домашняя страница"));
        const QSize fitted = link.size();
        link.setAutoSize(false);
        EXPECT_EQ(link.size(), c.held.isValid() ? c.held : fitted);
        EXPECT_EQ(link.label()->size(), link.size());
    }
}
