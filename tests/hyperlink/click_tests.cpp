#include "LinkFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QSignalSpy>

#include <stdexcept>

namespace {

Qt::CursorShape overrideShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BitmapCursor; // Bitmap: no override at all
}

} // namespace

TEST_F(LinkFixture, AClickHandsTheTargetToTheShellThenRaisesClick) {
    link->setHyperLink(QStringLiteral("mailto:почта@example.org"));
    QStringList events;
    QObject::connect(link, &HyperLink::MouseDown, [&] { events << QStringLiteral("down"); });
    QObject::connect(link, &HyperLink::MouseUp, [&] { events << QStringLiteral("up"); });
    QObject::connect(link, &HyperLink::Click,
                     [&] { events << QStringLiteral("click:%1").arg(opened.size()); });

    QTest::mouseClick(label(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].first, QStringLiteral("Open"));
    EXPECT_EQ(opened[0].second, QStringLiteral("mailto:почта@example.org"));
    EXPECT_EQ(events, (QStringList{QStringLiteral("down"), QStringLiteral("up"),
                                   QStringLiteral("click:1")}));
}

TEST_F(LinkFixture, AnEmptyTargetOpensNothingAndStillRaisesClick) {
    link->setHyperLink(QString());
    QSignalSpy clicks(link, &HyperLink::Click);
    QTest::mouseClick(label(), Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(LinkFixture, OnlyALeftClickThatEndsOnTheLabelOpens) {
    QSignalSpy clicks(link, &HyperLink::Click);
    QSignalSpy downs(link, &HyperLink::MouseDown);
    QTest::mouseClick(label(), Qt::RightButton);
    QTest::mousePress(label(), Qt::LeftButton);
    QTest::mouseRelease(label(), Qt::LeftButton, {}, QPoint(-5, -5)); // dragged off
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.at(0).at(0).value<std::int16_t>(), 2); // right button code
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LinkFixture, ADoubleClickOpensTheTargetOnce) {
    QSignalSpy clicks(link, &HyperLink::Click);
    QSignalSpy downs(link, &HyperLink::MouseDown);
    QTest::mouseDClick(label(), Qt::LeftButton);
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(opened.size(), 1);
}

// A shell that fails leaves the control as it was: the earlier pointer is
// back and Click is still raised.
TEST_F(LinkFixture, TheHourglassShowsDuringTheShellCallAndTheEarlierPointerReturns) {
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    Qt::CursorShape during = Qt::ArrowCursor;
    link->setShellOpen([&](const QString&, const QString&) {
        during = overrideShape();
        throw std::runtime_error("no handler");
    });
    QSignalSpy clicks(link, &HyperLink::Click);
    link->click();
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(overrideShape(), Qt::CrossCursor);
    EXPECT_EQ(clicks.count(), 1);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(LinkFixture, EnterAndSpaceFollowTheFocusedLink) {
    QSignalSpy clicks(link, &HyperLink::Click);
    link->setFocus();
    ASSERT_TRUE(label()->hasFocus());
    QTest::keyClick(label(), Qt::Key_Return);
    QTest::keyClick(label(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(label(), Qt::Key_Space);
    QTest::keyClick(label(), Qt::Key_A);
    QTest::keyClick(label(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(opened.size(), 3);
}

TEST_F(LinkFixture, AssistiveTechnologySeesALinkItCanPress) {
    link->setHyperLink(QStringLiteral("https://zelvano.example.org/"));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(label());
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::Link);
    EXPECT_EQ(access->text(QAccessible::Name), link->caption());
    EXPECT_EQ(access->text(QAccessible::Description), link->hyperLink());
    EXPECT_TRUE(access->state().focusable);
    QAccessibleActionInterface* actions = access->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].second, QStringLiteral("https://zelvano.example.org/"));
}

TEST_F(LinkFixture, AHolderMayDeleteTheLinkFromItsMouseUpHandler) {
    QPointer<HyperLink> guard(link);
    QObject::connect(link, &HyperLink::MouseUp, link, [this] { delete link; });
    QTest::mouseClick(label(), Qt::LeftButton);
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(opened.isEmpty());
}

// Click sounds: resource ID 7 exists in this program's resources, 8 does not.
struct SoundCase {
    bool soundOn;
    std::int32_t soundId;
    bool emptyTarget;
    bool plays;
};

class ClickSound : public LinkFixture, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(ClickSound, PlaysTheResourceOnlyWhenOnPresentAndThereIsATarget) {
    const SoundCase c = GetParam();
    QStringList played;
    link->setSoundPlayer([&](const QString& path) { played << path; });
    link->setSoundOn(c.soundOn);
    link->setSoundId(c.soundId);
    if (c.emptyTarget)
        link->setHyperLink(QString());
    QSignalSpy clicks(link, &HyperLink::Click);
    link->click();
    EXPECT_EQ(played, c.plays ? QStringList{QStringLiteral(":/SOUND/7")} : QStringList{});
    EXPECT_EQ(clicks.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(HyperLink, ClickSound,
                         ::testing::Values(SoundCase{true, 7, false, true},
                                           SoundCase{false, 7, false, false},
                                           SoundCase{true, 8, false, false},
                                           SoundCase{true, 7, true, false}),
                         [](const auto& info) {
                             const SoundCase& c = info.param;
                             return std::string(c.soundOn ? "SoundOn" : "SoundOff") + "_Id" +
                                    std::to_string(c.soundId) +
                                    (c.emptyTarget ? "_EmptyTarget" : "");
                         });
