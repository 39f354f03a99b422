#include "LinkFixture.h"

#include <QSignalSpy>
#include <QTimer>

using namespace zelvano;
using namespace zelvano::link;

TEST_F(LinkFixture, HoverSwapsTheColourOnTheFirstMoveAndTheLeavePollRestoresIt) {
    link->setForeColor(rgbColourValue(136, 0, 0));
    link->setHoverColor(systemColourCode(13));
    QSignalSpy over(link, &HyperLink::MouseOver);
    QSignalSpy out(link, &HyperLink::MouseOut);
    auto* timer = link->findChild<QTimer*>(QStringLiteral("leaveTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(textColor(), QColor(136, 0, 0));
    EXPECT_FALSE(timer->isActive());

    enter();
    EXPECT_TRUE(link->isHovering());
    EXPECT_EQ(textColor(), link->palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 50);
    QTest::mouseMove(label(), label()->rect().topLeft() + QPoint(1, 1));
    EXPECT_EQ(over.count(), 1); // later moves raise nothing

    link->pollPointer(); // the pointer is still over the label
    EXPECT_TRUE(link->isHovering());
    EXPECT_EQ(out.count(), 0);

    // A colour set while hovering is what the link shows after leaving.
    link->setForeColor(rgbColourValue(0, 128, 0));
    EXPECT_EQ(textColor(), link->palette().color(QPalette::Active, QPalette::Highlight));
    leave();
    EXPECT_FALSE(link->isHovering());
    EXPECT_EQ(textColor(), QColor(0, 128, 0));
    EXPECT_EQ(out.count(), 1);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(LinkFixture, TheRunningTimerNoticesTheLeaveWithinAFewTicks) {
    QSignalSpy out(link, &HyperLink::MouseOut);
    enter();
    pointer = holder.mapToGlobal(QPoint(300, 110));
    EXPECT_TRUE(out.wait(2000)); // generous: the machine may be busy
    EXPECT_FALSE(link->isHovering());
}

TEST_F(LinkFixture, SystemHoverColourFollowsAPaletteChange) {
    link->setHoverColor(systemColourCode(13));
    enter();
    QPalette green = holder.palette();
    green.setColor(QPalette::Highlight, Qt::green);
    holder.setPalette(green);
    EXPECT_EQ(textColor(), QColor(Qt::green));
}

TEST_F(LinkFixture, ContainerColourIsInheritedAndADisabledLinkGreysOut) {
    QPalette blue = holder.palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    holder.setPalette(blue);
    EXPECT_EQ(link->foreColor(), kContainerColour);
    EXPECT_EQ(textColor(), QColor(Qt::blue));

    link->setForeColor(rgbColourValue(136, 0, 0));
    link->setEnabled(false);
    EXPECT_EQ(label()->palette().color(QPalette::Disabled, QPalette::WindowText),
              holder.palette().color(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(LinkFixture, PointerOnHoverShowsTheHandOnlyWhileHovering) {
    link->setMOPointer(true);
    enter();
    EXPECT_EQ(label()->cursor().shape(), Qt::PointingHandCursor);
    leave();
    EXPECT_EQ(label()->cursor().shape(), Qt::ArrowCursor);
}

// Underline: the label font while hovering and after leaving, for each
// combination of the link's own font, MOUnderline and the holder's font.
struct UnderlineCase {
    bool linkUnderlined;
    bool moUnderline;
    bool holderUnderlined;
    bool whileHovering;
    bool afterLeaving;
};

class UnderlineRules : public LinkFixture, public ::testing::WithParamInterface<UnderlineCase> {};

TEST_P(UnderlineRules, FontBeforeDuringAndAfterHovering) {
    const UnderlineCase c = GetParam();
    QFont holderFont = holder.font();
    holderFont.setUnderline(c.holderUnderlined);
    holder.setFont(holderFont);
    QFont linkFont(QStringLiteral("Tahoma"));
    linkFont.setPointSizeF(8.25);
    linkFont.setUnderline(c.linkUnderlined);
    link->setFont(linkFont);
    link->setMOUnderline(c.moUnderline);

    EXPECT_EQ(label()->font().underline(), c.linkUnderlined);
    enter();
    EXPECT_EQ(label()->font().underline(), c.whileHovering);
    leave();
    EXPECT_EQ(label()->font().underline(), c.afterLeaving);
    EXPECT_EQ(link->font().underline(), c.linkUnderlined); // the Font property is untouched
}

INSTANTIATE_TEST_SUITE_P(
    HyperLink, UnderlineRules,
    ::testing::Values(
        // An underlined link stays underlined when MOUnderline is off.
        UnderlineCase{true, false, false, true, true},
        // A plain link with MOUnderline: underlined only while hovering.
        UnderlineCase{false, true, false, true, false},
        // An underlined link with MOUnderline keeps its underline after leaving.
        UnderlineCase{true, true, false, true, true},
        // The holder's underlined font does not leave a plain link underlined.
        UnderlineCase{false, true, true, true, false},
        UnderlineCase{false, false, true, false, false}),
    [](const auto& info) {
        const UnderlineCase& c = info.param;
        return std::string(c.linkUnderlined ? "Underlined" : "Plain") +
               (c.moUnderline ? "WithMOUnderline" : "") +
               (c.holderUnderlined ? "InUnderlinedHolder" : "");
    });

// Tooltip while hovering: the target with AutoToolTip, else the holder's text.
struct TooltipCase {
    bool autoToolTip;
    const char* holderTip;
    const char* expected;
};

class TooltipRules : public LinkFixture, public ::testing::WithParamInterface<TooltipCase> {};

TEST_P(TooltipRules, TooltipOfTheHoveredLabel) {
    const TooltipCase c = GetParam();
    link->setHyperLink(QStringLiteral("https://zelvano.example.org/"));
    link->setAutoToolTip(c.autoToolTip);
    link->setToolTip(QString::fromUtf8(c.holderTip));
    enter();
    EXPECT_EQ(label()->toolTip(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    HyperLink, TooltipRules,
    ::testing::Values(TooltipCase{true, "", "https://zelvano.example.org/"},
                      TooltipCase{true, "Сайт", "https://zelvano.example.org/"},
                      TooltipCase{false, "", ""}, TooltipCase{false, "Сайт", "Сайт"}),
    [](const auto& info) {
        return std::string(info.param.autoToolTip ? "Auto" : "Manual") +
               (*info.param.holderTip ? "_HolderTip" : "_NoHolderTip");
    });
