// The about panel, its texts and links, the help actions and the licence
// document that ships beside the program.

#include "NavigationSupport.h"

#include "AboutPanel.h"
#include "AboutTexts.h"
#include "AppFont.h"
#include "ContrastRule.h"
#include "Deployment.h"
#include "HelpActions.h"
#include "HyperLink.h"
#include "LineShape.h"
#include "Platform.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTextDocument>

#include <map>

namespace zelvano::app::test {
namespace {

TEST(VersionLine, ComposesTheNumbersAndThePlatform) {
    EXPECT_EQ(versionLine({3, 2, 84}, QStringLiteral("Microsoft Windows")),
              QStringLiteral("Version 3.2.2 build 84 for Microsoft Windows."));
    EXPECT_EQ(versionLine({10, 0, 1234}, QStringLiteral("Linux")),
              QStringLiteral("Version 10.0.2 build 1234 for Linux."));
}

TEST(DonationText, HasSevenLinesAndTheFourWallets) {
    Deployment values = deployment();
    values.wallets = {QStringLiteral("111111111111"), QStringLiteral("222222222222"),
                      QStringLiteral("333333333333"), QStringLiteral("444444444444")};
    const QString text = donationText(values);
    EXPECT_FALSE(text.endsWith(QLatin1String("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0],
              QStringLiteral("Если Вам понравилась эта разработка и Вы хотите поддержать ее "
                             "дальнейшее развитие - Вы можете перечислить некоторую сумму "
                             "на один из электронных кошельков системы WebMoney."));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Номера кошельков: "));
    EXPECT_EQ(lines[3], QStringLiteral("Z-кошелек: 111111111111"));
    EXPECT_EQ(lines[4], QStringLiteral("E-кошелек: 222222222222"));
    EXPECT_EQ(lines[5], QStringLiteral("R-кошелек: 333333333333"));
    EXPECT_EQ(lines[6], QStringLiteral("U-кошелек: 444444444444"));
    EXPECT_EQ(text.count(u'\n'), text.count(QLatin1String("\r\n"))); // every break is CR LF
}

TEST(LicencePath, IsTheDocumentInTheProgramsFolder) {
    const QString sep = QDir::separator();
    const QString folder = QStringLiteral("opt") + sep + QStringLiteral("zelvano");
    EXPECT_EQ(licencePath(sep + folder), sep + folder + sep + QStringLiteral("License.rtf"));
    EXPECT_EQ(licencePath(sep), sep + QStringLiteral("License.rtf")); // installed at the root
}

class AboutPanelTest : public NavigationTest {
protected:
    AboutPanel& about() { return *window->aboutPanel(); }
    template <typename Widget = QWidget> Widget* child(const char* name) {
        auto* found = about().findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

// Each control in its container; the links size themselves from a fixed corner.
TEST_F(AboutPanelTest, ControlsSitInTheirContainers) {
    const std::pair<const char*, const char*> containers[] = {
        {"Frame19", "picAbout"},   {"lblVersion", "Frame19"}, {"lblCopyright", "Frame19"},
        {"Label3", "Frame19"},     {"Hyperlink1", "Frame19"}, {"Label4", "Frame19"},
        {"Hyperlink2", "Frame19"}, {"Line1", "picAbout"},     {"Line2", "picAbout"},
        {"Frame26", "picAbout"},   {"lblMoney", "Frame26"},
    };
    for (const auto& [name, container] : containers) {
        QWidget* widget = child(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(container)) << name;
    }
    EXPECT_EQ(about().mailLink()->pos(), toPixels({2280, 720, 0, 0}).topLeft());
    EXPECT_EQ(about().homePageLink()->pos(), toPixels({2280, 960, 0, 0}).topLeft());
}

TEST_F(AboutPanelTest, ShowsItsTexts) {
    EXPECT_EQ(child<QLabel>("lblCopyright")->text(), deployment().rightsNotice);
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Вопросы и комментарии:"));
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("Обновления программы:"));
    auto* money = child<QLabel>("lblMoney");
    EXPECT_TRUE(money->wordWrap());
    QTextDocument shown;
    shown.setHtml(money->text());
    EXPECT_EQ(shown.toPlainText(), donationText(deployment()).replace(QLatin1String("\r\n"), "\n"));
    // All of it fits, the long first line wrapped, lines apart by the window's spacing.
    EXPECT_LE(money->heightForWidth(money->width()), money->height());
    EXPECT_GE(money->heightForWidth(money->width()), 9 * windowLineSpacing());
#ifdef Q_OS_LINUX
    EXPECT_EQ(child<QLabel>("lblVersion")->text(),
              QStringLiteral("Version %1.%2.2 build %3 for Linux.")
                  .arg(ZELVANO_VERSION_MAJOR)
                  .arg(ZELVANO_VERSION_MINOR)
                  .arg(ZELVANO_VERSION_REVISION));
#endif
}

// The version line comes from the toolkit's version numbers, not from a constant.
TEST_F(AboutPanelTest, VersionLineFollowsTheProgramsVersion) {
    services.setVersion({4, 5, 6});
    makeWindow(QLocale::c());
    EXPECT_EQ(child<QLabel>("lblVersion")->text(),
              versionLine({4, 5, 6}, platform::buildPlatformName()));
    EXPECT_TRUE(child<QLabel>("lblVersion")
                    ->text()
                    .startsWith(QLatin1String("Version 4.5.2 build 6 for ")));
}

TEST_F(AboutPanelTest, LinksCarryTheirSettings) {
    struct Expected {
        HyperLink* link;
        QString caption;
        QString target;
        bool autoToolTip;
    } const links[] = {
        {about().mailLink(), deployment().mailAddress,
         QStringLiteral("mailto:") + deployment().mailAddress, false},
        {about().homePageLink(), deployment().homePage, deployment().homePage, true},
    };
    for (const Expected& e : links) {
        EXPECT_EQ(e.link->caption(), e.caption);
        EXPECT_EQ(e.link->hyperLink(), e.target);
        EXPECT_EQ(e.link->foreColor(), 0x000088);
        EXPECT_EQ(e.link->hoverColor(), static_cast<std::int32_t>(0x8000000Du));
        EXPECT_EQ(e.link->autoToolTip(), e.autoToolTip);
        EXPECT_TRUE(e.link->font().underline());
        EXPECT_EQ(e.link->font().family(), windowFont().family());
        EXPECT_EQ(e.link->font().weight(), QFont::Normal);
    }
}

// A click on a link goes through the window's shell service, as the link asks:
// no owner, "Open", no working folder, a normal window.
TEST_F(AboutPanelTest, LinksOpenThroughTheShellService) {
    click(QStringLiteral("HELP:4"));
    for (HyperLink* link : {about().mailLink(), about().homePageLink()}) {
        services.clear();
        QTest::mouseClick(link->label(), Qt::LeftButton);
        ASSERT_EQ(services.shellRequests().size(), 1u);
        const RecordingServices::ShellRequest& request = services.shellRequests().front();
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_EQ(request.verb, QStringLiteral("Open"));
        EXPECT_EQ(request.target, link->hyperLink());
        EXPECT_TRUE(request.workingFolder.isEmpty());
        EXPECT_EQ(request.show, ShowState::Normal);
    }
}

TEST_F(AboutPanelTest, HelpItemsHandTheirTargetToTheShell) {
    services.setProgramFolder(QDir::toNativeSeparators(QStringLiteral("/opt/zelvano")));
    const QString folder = services.programFolder();
    struct Case {
        const char* key;
        QString target;
    } const cases[] = {
        {"HELP:1", folder + QDir::separator() + QStringLiteral("License.rtf")},
        {"HELP:2", about().homePageLink()->hyperLink()},
        {"HELP:3", about().mailLink()->hyperLink()},
    };
    for (const Case& c : cases) {
        services.clear();
        click(QLatin1String(c.key));
        ASSERT_EQ(services.shellRequests().size(), 1u) << c.key;
        const RecordingServices::ShellRequest& request = services.shellRequests().front();
        EXPECT_EQ(request.owner, window.get());
        EXPECT_EQ(request.verb, QStringLiteral("open"));
        EXPECT_EQ(request.target, c.target);
        EXPECT_EQ(request.workingFolder, folder);
        EXPECT_EQ(request.show, ShowState::Normal);
        EXPECT_TRUE(services.messages().empty());
    }
    EXPECT_TRUE(services.shellRequests().front().target.startsWith(QLatin1String("mailto:")));
}

TEST_F(AboutPanelTest, TheEtchedRuleIsDrawn) {
    click(QStringLiteral("HELP:4"));
    const QImage image = about().grab().toImage();
    const QPalette& palette = about().palette();
    const QColor shadow = *resolveColour(systemColourCode(16), palette);
    const QColor light = *resolveColour(systemColourCode(4), palette);
    const qreal ratio = image.devicePixelRatio();
    for (int x : {0, 200, 431}) {
        EXPECT_EQ(image.pixelColor(QPoint(x, 111) * ratio).rgb(), shadow.rgb()) << x;
        EXPECT_EQ(image.pixelColor(QPoint(x, 112) * ratio).rgb(), light.rgb()) << x;
    }
}

// Tabbing through the panel, each text and link shows the focus mark around
// itself while it has the focus, and nothing of it once the focus moves on.
TEST_F(AboutPanelTest, TheFocusIsSeenOnEveryTextAndLink) {
    click(QStringLiteral("HELP:4"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QImage unfocused = about().grab().toImage();
    const char* stops[] = {"lblVersion", "lblCopyright", "Label3",  "label",
                           "Label4",     "label",        "lblMoney"};
    child("lblCopyright")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    int marked = 0;
    for (const char* stop : stops) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->objectName(), QLatin1String(stop));
        ++marked;
        const QImage focused = about().grab().toImage();
        const QRect place(w->mapTo(&about(), QPoint(0, 0)), w->size());
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y))
                    ++(place.contains(QPoint(x, y) / focused.devicePixelRatio()) ? inside
                                                                                 : outside);
        EXPECT_GT(inside, 20) << "no focus mark drawn";
        EXPECT_EQ(outside, 0);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    EXPECT_EQ(marked, 7);
    EXPECT_FALSE(about().isAncestorOf(QApplication::focusWidget())) << "the focus has left";
    EXPECT_EQ(about().grab().toImage(), unfocused);
}

// How far the strongest colour in `rect` stands from the commonest there,
// its ground.
double strongestContrast(const QImage& image, const QRect& rect) {
    std::map<QRgb, int> counts;
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.empty())
        return 0;
    const QColor ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                              return a.second < b.second;
                          })->first;
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, contrastRatio(QColor(colour), ground));
    return best;
}

QPalette schemePalette(QColor window, QColor ground, QColor text, QColor highlight,
                       QColor highlightedText, QColor link) {
    QPalette palette(window);
    palette.setColor(QPalette::Base, ground);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

// A scheme changed while the program runs recolours the pane's titles and
// items and the links at once: each text then stands 4.5:1 from its ground.
TEST_F(AboutPanelTest, ASchemeChangeRecoloursThePaneAndTheLinks) {
    click(QStringLiteral("HELP:4"));
    const struct {
        const char* name;
        QPalette palette;
    } schemes[] = {
        {"dark", schemePalette(QColor(50, 50, 50), QColor(36, 36, 36), Qt::white,
                               QColor(48, 140, 198), Qt::white, QColor(48, 140, 198))},
        {"high contrast black", schemePalette(Qt::black, Qt::black, Qt::white,
                                              QColor(0x1a, 0xeb, 0xff), Qt::black, Qt::blue)},
    };
    for (const auto& scheme : schemes) {
        SCOPED_TRACE(scheme.name);
        QApplication::setPalette(scheme.palette);
        QCoreApplication::processEvents();
        const QImage panel = about().grab().toImage();
        for (const char* name : {"Hyperlink1", "Hyperlink2"}) {
            const QWidget* link = child(name);
            const QRect place(link->mapTo(&about(), QPoint(0, 0)), link->size());
            const qreal ratio = panel.devicePixelRatio();
            EXPECT_GE(
                strongestContrast(panel, QRect(place.topLeft() * ratio, place.size() * ratio)),
                kTextContrast)
                << name;
        }
        const QImage shown = pane().grab().toImage();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&pane());
        ASSERT_NE(root, nullptr);
        int texts = 0;
        for (int i = 0; i < root->childCount(); ++i) {
            const QAccessibleInterface* element = root->child(i);
            // Inside the panel's frame, which is no text.
            const QRect place =
                element->rect().translated(-pane().mapToGlobal(QPoint(0, 0))).adjusted(2, 0, -2, 0);
            if (element->text(QAccessible::Name).isEmpty() || place.isEmpty())
                continue;
            ++texts;
            const qreal ratio = shown.devicePixelRatio();
            EXPECT_GE(
                strongestContrast(shown, QRect(place.topLeft() * ratio, place.size() * ratio)),
                kTextContrast)
                << element->text(QAccessible::Name).toStdString();
        }
        EXPECT_GT(texts, 4);
    }
    QApplication::setPalette(QPalette());
}

// The document "Лицензионное соглашение" opens lies beside the program in the
// build tree, the same as the one installed.
TEST(LicenceDocument, LiesBesideTheBuiltProgram) {
    QFile built(QStringLiteral(ZELVANO_BUILT_LICENCE));
    QFile source(QStringLiteral(ZELVANO_SOURCE_LICENCE));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << ZELVANO_BUILT_LICENCE;
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray text = built.readAll();
    EXPECT_EQ(text, source.readAll());
    EXPECT_TRUE(text.startsWith("{\\rtf1"));
    int depth = 0;
    for (char c : text) {
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

} // namespace
} // namespace zelvano::app::test
