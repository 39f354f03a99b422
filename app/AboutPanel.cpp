#include "AboutPanel.h"

#include "AboutTexts.h"
#include "AppFont.h"
#include "Deployment.h"
#include "HyperLink.h"
#include "LineShape.h"
#include "PanelLayout.h"
#include "TextStopLabel.h"
#include "ToolkitServices.h"

#include <QGroupBox>
#include <QLabel>

namespace zelvano::app {

namespace {

// Places in twips, relative to the control's container.
namespace AboutLayout {
constexpr TwipsRect Frame19{120, 120, 6255, 1335};
constexpr TwipsRect Version{240, 240, 4575, 255};
constexpr TwipsRect Copyright{240, 480, 4575, 255};
constexpr TwipsRect Label3{240, 720, 2055, 255};
constexpr TwipsRect Hyperlink1{2280, 720, 1410, 195};
constexpr TwipsRect Label4{240, 960, 2055, 255};
constexpr TwipsRect Hyperlink2{2280, 960, 1950, 195};
constexpr int RuleY = 1680;
constexpr int RuleRight = 6480;
constexpr TwipsRect Frame26{120, 1800, 6255, 2175};
constexpr TwipsRect Money{240, 240, 5775, 1815};
} // namespace AboutLayout

using zelvano::ColourValue;
using zelvano::rgbColourValue;
using zelvano::systemColourCode;

constexpr ColourValue kLinkColour = rgbColourValue(136, 0, 0);
constexpr ColourValue kLinkHoverColour = systemColourCode(13); // highlight
constexpr ColourValue kRuleShadow = systemColourCode(16);      // button shadow
constexpr ColourValue kRuleLight = systemColourCode(4);

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const TwipsRect& rect) {
    widget->setObjectName(name);
    widget->setGeometry(toPixels(rect));
    return widget;
}

QLabel* label(const QString& text, QWidget* parent, const QString& name, const TwipsRect& rect) {
    auto* created = place(new TextStopLabel(text, parent), name, rect);
    created->setTextFormat(Qt::PlainText);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return created;
}

// Rich text for a multi-line label, so that its lines, CR LF separated in
// `text`, lie `lineSpacing` pixels apart whatever the face reports.
QString spacedLines(const QString& text, int lineSpacing) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    return QStringLiteral("<p style=\"line-height:%1px\">").arg(lineSpacing) +
           lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

// The settings stored with both links; the mail link also turns its
// automatic tooltip off, the home-page link keeps the default.
QVariantMap linkSettings(const QString& caption, const QString& target) {
    QFont font = windowFont();
    font.setUnderline(true);
    return {
        {QStringLiteral("Caption"), caption},
        {QStringLiteral("HyperLink"), target},
        {QStringLiteral("ForeColor"), kLinkColour},
        {QStringLiteral("HoverColor"), kLinkHoverColour},
        {QStringLiteral("Font"), font},
    };
}

HyperLink* hyperlink(const QVariantMap& settings, ToolkitServices& services, QWidget* parent,
                     const QString& name, const TwipsRect& rect) {
    auto* created = place(new HyperLink(parent), name, rect);
    created->loadSettings(settings);
    // The toolkit's shell service, with no owner and no working folder: the
    // target is a full address.
    created->setShellOpen([&services](const QString& verb, const QString& target) {
        services.shellExecute(nullptr, verb, target, QString(), ShowState::Normal);
    });
    return created;
}

} // namespace

AboutPanel::AboutPanel(const Deployment& values, ToolkitServices& services, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picAbout"));
    setGeometry(toPixels(WindowLayout::Panel));

    auto* top = place(new QGroupBox(this), QStringLiteral("Frame19"), AboutLayout::Frame19);
    version_ = label(QStringLiteral("Version ..."), top, QStringLiteral("lblVersion"),
                     AboutLayout::Version);
    label(values.rightsNotice, top, QStringLiteral("lblCopyright"), AboutLayout::Copyright);
    label(QStringLiteral("Вопросы и комментарии:"), top, QStringLiteral("Label3"),
          AboutLayout::Label3);
    QVariantMap mailSettings = linkSettings(values.mailAddress, mailTarget(values));
    mailSettings.insert(QStringLiteral("AutoToolTip"), false);
    mail_ = hyperlink(mailSettings, services, top, QStringLiteral("Hyperlink1"),
                      AboutLayout::Hyperlink1);
    label(QStringLiteral("Обновления программы:"), top, QStringLiteral("Label4"),
          AboutLayout::Label4);
    homePage_ = hyperlink(linkSettings(values.homePage, values.homePage), services, top,
                          QStringLiteral("Hyperlink2"), AboutLayout::Hyperlink2);

    // Line2 is made second so that it lies on Line1.
    using AboutLayout::RuleRight;
    using AboutLayout::RuleY;
    auto* shadow = new LineShape(0, RuleY, RuleRight, RuleY, kRuleShadow, 2, this);
    shadow->setObjectName(QStringLiteral("Line1"));
    auto* light = new LineShape(0, RuleY, RuleRight, RuleY, kRuleLight, 1, this);
    light->setObjectName(QStringLiteral("Line2"));

    auto* bottom = place(new QGroupBox(this), QStringLiteral("Frame26"), AboutLayout::Frame26);
    QLabel* moneyLabel = label(QString(), bottom, QStringLiteral("lblMoney"), AboutLayout::Money);
    moneyLabel->setTextFormat(Qt::RichText);
    moneyLabel->setText(spacedLines(donationText(values), windowLineSpacing()));
    moneyLabel->setWordWrap(true);
}

} // namespace zelvano::app
