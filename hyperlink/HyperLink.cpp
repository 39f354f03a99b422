#include "HyperLink.h"

#include "HyperLinkPrivate.h"
#include "LinkLabel.h"

#include "ContrastRule.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

using namespace zelvano::link;
using zelvano::InkRole;
using zelvano::legibleInk;
using zelvano::resolveColour;

const QString HyperLink::kDefaultCaption = QStringLiteral("Hyperlink");
const QString HyperLink::kDefaultTarget = QStringLiteral("https://www.example.com/");

namespace {

// Mouse arguments as the events carry them: button 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt; position in the label's pixels.
std::int16_t buttonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) |
                                     (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

// The hourglass for the duration of the shell call; the pointer that was
// there before comes back even if the call throws.
class WaitPointer {
public:
    WaitPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitPointer() { QGuiApplication::restoreOverrideCursor(); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;
};

QFont initialFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    return font;
}

} // namespace

HyperLinkPrivate::HyperLinkPrivate(HyperLink& link)
    : q(link)
    , label(new LinkLabel(&link))
    , leaveTimer(new QTimer(&link))
    , target(HyperLink::kDefaultTarget)
    , shellOpen(desktopOpen)
    , soundPlayer([&link](const QString& path) { playSoundResource(path, &link); })
    , cursorSource([] { return QCursor::pos(); }) {}

void HyperLinkPrivate::setCursorSource(std::function<QPoint()> source) {
    cursorSource = source ? std::move(source) : [] { return QCursor::pos(); };
}

HyperLink::HyperLink(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<HyperLinkPrivate>(*this)) {
    d->label->setObjectName(QStringLiteral("label"));
    d->label->setText(kDefaultCaption);
    d->label->setTarget(d->target);
    d->label->installEventFilter(this);
    d->label->setActivator([this] { click(); });
    // The link inside is the Tab stop and what a screen reader reads; the
    // control itself passes the focus on and is not offered as focusable.
    setFocusProxy(d->label);

    d->leaveTimer->setObjectName(QStringLiteral("leaveTimer"));
    d->leaveTimer->setInterval(kLeavePollMs);
    d->leaveTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may stretch a tick by 5%
    connect(d->leaveTimer, &QTimer::timeout, this, &HyperLink::pollPointer);

    QWidget::setFont(initialFont());
    d->applyFrame();
    d->applyColours();
    d->applyFont();
    d->refit();
}

HyperLink::~HyperLink() = default;

QString HyperLink::hyperLink() const {
    return d->target;
}

HyperLink::ColourValue HyperLink::foreColor() const {
    return d->foreColor;
}

HyperLink::ColourValue HyperLink::backColor() const {
    return d->backColor;
}

HyperLink::ColourValue HyperLink::hoverColor() const {
    return d->hoverColor;
}

HyperLink::Alignment HyperLink::alignment() const {
    return d->alignment;
}

bool HyperLink::autoSize() const {
    return d->autoSize;
}

HyperLink::Appearance HyperLink::appearance() const {
    return d->appearance;
}

HyperLink::BorderStyle HyperLink::borderStyle() const {
    return d->borderStyle;
}

bool HyperLink::autoToolTip() const {
    return d->autoToolTip;
}

bool HyperLink::moUnderline() const {
    return d->moUnderline;
}

bool HyperLink::moPointer() const {
    return d->moPointer;
}

bool HyperLink::soundOn() const {
    return d->soundOn;
}

std::int32_t HyperLink::soundId() const {
    return d->soundId;
}

bool HyperLink::isHovering() const {
    return d->hovering;
}

QLabel* HyperLink::label() const {
    return d->label;
}

bool HyperLink::enabledSetting() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

QString HyperLink::caption() const {
    return d->label->text();
}

void HyperLink::setCaption(const QString& caption) {
    if (caption == d->label->text())
        return;
    d->label->setText(caption);
    d->refit();
    emit settingChanged(QStringLiteral("Caption"));
    emit Change();
}

void HyperLink::setHyperLink(const QString& target) {
    if (target == d->target)
        return;
    d->target = target;
    d->label->setTarget(target);
    emit settingChanged(QStringLiteral("HyperLink"));
}

void HyperLink::setForeColor(ColourValue colour) {
    if (colour == d->foreColor)
        return;
    d->foreColor = colour;
    d->applyColours();
    emit settingChanged(QStringLiteral("ForeColor"));
}

void HyperLink::setBackColor(ColourValue colour) {
    if (colour == d->backColor)
        return;
    d->backColor = colour;
    d->applyColours();
    emit settingChanged(QStringLiteral("BackColor"));
}

void HyperLink::setHoverColor(ColourValue colour) {
    if (colour == d->hoverColor)
        return;
    d->hoverColor = colour;
    d->applyColours();
    emit settingChanged(QStringLiteral("HoverColor"));
}

void HyperLink::setAlignment(Alignment alignment) {
    if (alignment == d->alignment || alignment < Alignment::Left || alignment > Alignment::Center)
        return;
    d->alignment = alignment;
    static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight,
                                                    Qt::AlignHCenter};
    d->label->setAlignment(kHorizontal[static_cast<int>(alignment)] | Qt::AlignTop);
    d->refit();
    emit settingChanged(QStringLiteral("Alignment"));
}

void HyperLink::setAutoSize(bool on) {
    if (on == d->autoSize)
        return;
    d->autoSize = on;
    // A form sets the size before the settings, and the caption fits the
    // control to its text on the way: without automatic sizing the control
    // takes back the size its holder gave it.
    if (!on && d->heldSize.isValid())
        resize(d->heldSize);
    d->refit();
    emit settingChanged(QStringLiteral("AutoSize"));
}

void HyperLink::setAppearance(Appearance appearance) {
    if (appearance == d->appearance || appearance < Appearance::Flat ||
        appearance > Appearance::ThreeD)
        return;
    d->appearance = appearance;
    d->applyFrame();
    d->refit();
    emit settingChanged(QStringLiteral("Appearance"));
}

void HyperLink::setBorderStyle(BorderStyle style) {
    if (style == d->borderStyle || style < BorderStyle::None || style > BorderStyle::FixedSingle)
        return;
    d->borderStyle = style;
    d->applyFrame();
    d->refit();
    emit settingChanged(QStringLiteral("BorderStyle"));
}

void HyperLink::setAutoToolTip(bool on) {
    if (on == d->autoToolTip)
        return;
    d->autoToolTip = on;
    emit settingChanged(QStringLiteral("AutoToolTip"));
}

void HyperLink::setMOUnderline(bool on) {
    if (on == d->moUnderline)
        return;
    d->moUnderline = on;
    d->applyFont();
    emit settingChanged(QStringLiteral("MOUnderline"));
}

void HyperLink::setMOPointer(bool on) {
    if (on == d->moPointer)
        return;
    d->moPointer = on;
    emit settingChanged(QStringLiteral("MOPointer"));
}

void HyperLink::setSoundOn(bool on) {
    if (on == d->soundOn)
        return;
    d->soundOn = on;
    emit settingChanged(QStringLiteral("SoundOn"));
}

void HyperLink::setSoundId(std::int32_t id) {
    if (id == d->soundId)
        return;
    d->soundId = id;
    emit settingChanged(QStringLiteral("SoundID"));
}

void HyperLink::setShellOpen(ShellOpen open) {
    d->shellOpen = std::move(open);
}

void HyperLink::setSoundPlayer(SoundPlayer player) {
    d->soundPlayer = std::move(player);
}

QSize HyperLink::sizeHint() const {
    return d->autoSize ? d->label->sizeHint() : QWidget::sizeHint();
}

QSize HyperLink::minimumSizeHint() const {
    return d->autoSize ? d->label->sizeHint() : QWidget::minimumSizeHint();
}

// A label that sizes itself carries the control along; otherwise the label
// fills whatever size the holder gives the control.
void HyperLinkPrivate::refit() {
    if (refitting)
        return;
    refitting = true;
    if (autoSize) {
        // A size other than the last fitted one was given by the holder (the
        // first fit replaces Qt's initial size, given by nobody).
        if (fittedSize.isValid() && q.size() != fittedSize)
            heldSize = q.size();
        label->adjustSize();
        q.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        q.resize(label->size());
        fittedSize = q.size();
        q.updateGeometry();
    } else {
        q.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        label->setGeometry(q.rect());
    }
    refitting = false;
}

// The text colour is a palette swap on the label: ForeColor or, while
// hovering, HoverColor, resolved against the control's (inherited) palette
// and held to the colour rule on the link's ground. Only the active and
// inactive groups are set, so a disabled link greys out.
void HyperLinkPrivate::applyColours() {
    QPalette colours; // empty resolve mask: every role not set here is inherited
    const auto back = resolveColour(backColor, q.palette());
    if (const auto text = resolveColour(hovering ? hoverColor : foreColor, q.palette())) {
        const QColor ink = legibleInk(*text, back.value_or(q.palette().color(QPalette::Window)),
                                      hovering ? InkRole::HotText : InkRole::Link, q.palette());
        colours.setColor(QPalette::Active, QPalette::WindowText, ink);
        colours.setColor(QPalette::Inactive, QPalette::WindowText, ink);
    }
    if (back)
        colours.setColor(QPalette::Window, *back);
    label->setAutoFillBackground(back.has_value());
    label->setPalette(colours);
}

// The label shows the control's font, underlined while hovering when
// MOUnderline is set. The control's font itself is never touched, so leaving
// brings back exactly the font the link had before.
void HyperLinkPrivate::applyFont() {
    if (hovering && moUnderline && !q.font().underline()) {
        QFont underlined = q.font();
        underlined.setUnderline(true);
        label->setFont(underlined);
    } else {
        label->setFont(QFont()); // inherit the control's font
    }
}

void HyperLinkPrivate::applyFrame() {
    using Border = LinkLabel::Border;
    if (borderStyle == HyperLink::BorderStyle::None)
        label->setBorder(Border::None);
    else
        label->setBorder(appearance == HyperLink::Appearance::ThreeD ? Border::Sunken
                                                                     : Border::Flat);
}

void HyperLinkPrivate::startHover(const QMouseEvent& event) {
    hovering = true;
    if (moPointer)
        label->setCursor(HyperLink::kHoverPointer);
    applyColours();
    applyFont();
    label->setToolTip(autoToolTip ? target : q.toolTip());
    leaveTimer->start();
    const QPointF at = event.position();
    emit q.MouseOver(buttonCode(event.buttons()), shiftCode(event.modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void HyperLinkPrivate::endHover() {
    hovering = false;
    leaveTimer->stop();
    if (moPointer)
        label->unsetCursor();
    applyColours();
    applyFont();
    emit q.MouseOut();
}

// A missing sound resource, a player that fails or a shell that cannot open
// the target all leave the control as it was: the click still completes.
void HyperLinkPrivate::playClickSound() {
    if (!soundPlayer || !soundResourceExists(soundId))
        return;
    const SoundPlayer player = soundPlayer;
    try {
        player(soundResourcePath(soundId));
    } catch (...) {
    }
}

void HyperLinkPrivate::openTarget() {
    // Copies: the shell may run events that replace the service or the target.
    const ShellOpen open = shellOpen;
    const QString opened = target;
    if (!open)
        return;
    WaitPointer hourglass;
    try {
        open(QStringLiteral("Open"), opened);
    } catch (...) {
    }
}

void HyperLink::pollPointer() {
    if (!d->hovering) {
        d->leaveTimer->stop();
        return;
    }
    const QWidget* under = QApplication::widgetAt(d->cursorSource());
    if (under && (under == this || isAncestorOf(under)))
        return;
    d->endHover();
}

void HyperLink::click() {
    QPointer<HyperLink> self(this);
    if (!d->target.isEmpty()) {
        if (d->soundOn)
            d->playClickSound();
        if (self)
            d->openTarget();
    }
    if (self)
        emit Click();
}

bool HyperLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched != d->label)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!d->hovering)
            d->startHover(*static_cast<QMouseEvent*>(event));
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is no new click: one open per double click.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            d->pressed = true;
        const QPointF at = mouse->position();
        emit MouseDown(buttonCode(mouse->button()), shiftCode(mouse->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool clicked = mouse->button() == Qt::LeftButton && d->pressed &&
                             d->label->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            d->pressed = false;
        const QPointF at = mouse->position();
        QPointer<HyperLink> self(this);
        emit MouseUp(buttonCode(mouse->button()), shiftCode(mouse->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
        if (self && clicked)
            click();
        return true;
    }
    default:
        return false;
    }
}

void HyperLink::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::PaletteChange:
        d->applyColours(); // system colours follow the new palette
        break;
    case QEvent::FontChange:
        d->applyFont();
        d->refit();
        if (testAttribute(Qt::WA_SetFont))
            emit settingChanged(QStringLiteral("Font"));
        break;
    case QEvent::EnabledChange:
        if (d->ownEnabled != !testAttribute(Qt::WA_ForceDisabled)) {
            d->ownEnabled = !d->ownEnabled;
            emit settingChanged(QStringLiteral("Enabled"));
        }
        break;
    default:
        break;
    }
}

void HyperLink::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->refit();
}
