#include "HyperLink.h"

#include "LinkLabel.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

using namespace zelvano::link;
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

HyperLink::HyperLink(QWidget* parent)
    : QWidget(parent)
    , label_(new LinkLabel(this))
    , leaveTimer_(new QTimer(this))
    , target_(kDefaultTarget)
    , shellOpen_(desktopOpen)
    , cursorSource_([] { return QCursor::pos(); }) {
    soundPlayer_ = [this](const QString& path) { playSoundResource(path, this); };
    label_->setObjectName(QStringLiteral("label"));
    label_->setText(kDefaultCaption);
    label_->setTarget(target_);
    label_->installEventFilter(this);
    label_->setActivator([this] { click(); });
    setFocusProxy(label_);
    setFocusPolicy(Qt::TabFocus);

    leaveTimer_->setObjectName(QStringLiteral("leaveTimer"));
    leaveTimer_->setInterval(kLeavePollMs);
    leaveTimer_->setTimerType(Qt::PreciseTimer); // a coarse timer may stretch a tick by 5%
    connect(leaveTimer_, &QTimer::timeout, this, &HyperLink::pollPointer);

    QWidget::setFont(initialFont());
    applyFrame();
    applyColours();
    applyFont();
    refit();
}

HyperLink::~HyperLink() = default;

QLabel* HyperLink::label() const {
    return label_;
}

QString HyperLink::caption() const {
    return label_->text();
}

void HyperLink::setCaption(const QString& caption) {
    if (caption == label_->text())
        return;
    label_->setText(caption);
    refit();
    emit settingChanged(QStringLiteral("Caption"));
    emit Change();
}

void HyperLink::setHyperLink(const QString& target) {
    if (target == target_)
        return;
    target_ = target;
    label_->setTarget(target);
    emit settingChanged(QStringLiteral("HyperLink"));
}

void HyperLink::setForeColor(ColourValue colour) {
    if (colour == foreColor_)
        return;
    foreColor_ = colour;
    applyColours();
    emit settingChanged(QStringLiteral("ForeColor"));
}

void HyperLink::setBackColor(ColourValue colour) {
    if (colour == backColor_)
        return;
    backColor_ = colour;
    applyColours();
    emit settingChanged(QStringLiteral("BackColor"));
}

void HyperLink::setHoverColor(ColourValue colour) {
    if (colour == hoverColor_)
        return;
    hoverColor_ = colour;
    applyColours();
    emit settingChanged(QStringLiteral("HoverColor"));
}

void HyperLink::setAlignment(Alignment alignment) {
    if (alignment == alignment_ || alignment < Alignment::Left || alignment > Alignment::Center)
        return;
    alignment_ = alignment;
    static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight,
                                                    Qt::AlignHCenter};
    label_->setAlignment(kHorizontal[static_cast<int>(alignment)] | Qt::AlignTop);
    refit();
    emit settingChanged(QStringLiteral("Alignment"));
}

void HyperLink::setAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    // A form sets the size before the settings, and the caption fits the
    // control to its text on the way: without automatic sizing the control
    // takes back the size its holder gave it.
    if (!on && heldSize_.isValid())
        resize(heldSize_);
    refit();
    emit settingChanged(QStringLiteral("AutoSize"));
}

void HyperLink::setAppearance(Appearance appearance) {
    if (appearance == appearance_ || appearance < Appearance::Flat ||
        appearance > Appearance::ThreeD)
        return;
    appearance_ = appearance;
    applyFrame();
    refit();
    emit settingChanged(QStringLiteral("Appearance"));
}

void HyperLink::setBorderStyle(BorderStyle style) {
    if (style == borderStyle_ || style < BorderStyle::None || style > BorderStyle::FixedSingle)
        return;
    borderStyle_ = style;
    applyFrame();
    refit();
    emit settingChanged(QStringLiteral("BorderStyle"));
}

void HyperLink::setAutoToolTip(bool on) {
    if (on == autoToolTip_)
        return;
    autoToolTip_ = on;
    emit settingChanged(QStringLiteral("AutoToolTip"));
}

void HyperLink::setMOUnderline(bool on) {
    if (on == moUnderline_)
        return;
    moUnderline_ = on;
    applyFont();
    emit settingChanged(QStringLiteral("MOUnderline"));
}

void HyperLink::setMOPointer(bool on) {
    if (on == moPointer_)
        return;
    moPointer_ = on;
    emit settingChanged(QStringLiteral("MOPointer"));
}

void HyperLink::setSoundOn(bool on) {
    if (on == soundOn_)
        return;
    soundOn_ = on;
    emit settingChanged(QStringLiteral("SoundOn"));
}

void HyperLink::setSoundId(std::int32_t id) {
    if (id == soundId_)
        return;
    soundId_ = id;
    emit settingChanged(QStringLiteral("SoundID"));
}

void HyperLink::setShellOpen(ShellOpen open) {
    shellOpen_ = std::move(open);
}

void HyperLink::setSoundPlayer(SoundPlayer player) {
    soundPlayer_ = std::move(player);
}

void HyperLink::setCursorSource(std::function<QPoint()> source) {
    cursorSource_ = source ? std::move(source) : [] { return QCursor::pos(); };
}

QSize HyperLink::sizeHint() const {
    return autoSize_ ? label_->sizeHint() : QWidget::sizeHint();
}

QSize HyperLink::minimumSizeHint() const {
    return autoSize_ ? label_->sizeHint() : QWidget::minimumSizeHint();
}

// A label that sizes itself carries the control along; otherwise the label
// fills whatever size the holder gives the control.
void HyperLink::refit() {
    if (refitting_)
        return;
    refitting_ = true;
    if (autoSize_) {
        // A size other than the last fitted one was given by the holder (the
        // first fit replaces Qt's initial size, given by nobody).
        if (fittedSize_.isValid() && size() != fittedSize_)
            heldSize_ = size();
        label_->adjustSize();
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        resize(label_->size());
        fittedSize_ = size();
        updateGeometry();
    } else {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        label_->setGeometry(rect());
    }
    refitting_ = false;
}

// The text colour is a palette swap on the label: ForeColor or, while
// hovering, HoverColor, resolved against the control's (inherited) palette.
// Only the active and inactive groups are set, so a disabled link greys out.
void HyperLink::applyColours() {
    QPalette colours; // empty resolve mask: every role not set here is inherited
    if (const auto text = resolveColour(hovering_ ? hoverColor_ : foreColor_, palette())) {
        colours.setColor(QPalette::Active, QPalette::WindowText, *text);
        colours.setColor(QPalette::Inactive, QPalette::WindowText, *text);
    }
    const auto back = resolveColour(backColor_, palette());
    if (back)
        colours.setColor(QPalette::Window, *back);
    label_->setAutoFillBackground(back.has_value());
    label_->setPalette(colours);
}

// The label shows the control's font, underlined while hovering when
// MOUnderline is set. The control's font itself is never touched, so leaving
// brings back exactly the font the link had before.
void HyperLink::applyFont() {
    if (hovering_ && moUnderline_ && !font().underline()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        label_->setFont(underlined);
    } else {
        label_->setFont(QFont()); // inherit the control's font
    }
}

void HyperLink::applyFrame() {
    using Border = LinkLabel::Border;
    if (borderStyle_ == BorderStyle::None)
        label_->setBorder(Border::None);
    else
        label_->setBorder(appearance_ == Appearance::ThreeD ? Border::Sunken : Border::Flat);
}

void HyperLink::startHover(const QMouseEvent& event) {
    hovering_ = true;
    if (moPointer_)
        label_->setCursor(kHoverPointer);
    applyColours();
    applyFont();
    label_->setToolTip(autoToolTip_ ? target_ : toolTip());
    leaveTimer_->start();
    const QPointF at = event.position();
    emit MouseOver(buttonCode(event.buttons()), shiftCode(event.modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void HyperLink::endHover() {
    hovering_ = false;
    leaveTimer_->stop();
    if (moPointer_)
        label_->unsetCursor();
    applyColours();
    applyFont();
    emit MouseOut();
}

void HyperLink::pollPointer() {
    if (!hovering_) {
        leaveTimer_->stop();
        return;
    }
    const QWidget* under = QApplication::widgetAt(cursorSource_());
    if (under && (under == this || isAncestorOf(under)))
        return;
    endHover();
}

void HyperLink::click() {
    QPointer<HyperLink> self(this);
    if (!target_.isEmpty()) {
        if (soundOn_)
            playClickSound();
        if (self)
            openTarget();
    }
    if (self)
        emit Click();
}

// A missing sound resource, a player that fails or a shell that cannot open
// the target all leave the control as it was: the click still completes.
void HyperLink::playClickSound() {
    if (!soundPlayer_ || !soundResourceExists(soundId_))
        return;
    const SoundPlayer player = soundPlayer_;
    try {
        player(soundResourcePath(soundId_));
    } catch (...) {
    }
}

void HyperLink::openTarget() {
    // Copies: the shell may run events that replace the service or the target.
    const ShellOpen open = shellOpen_;
    const QString target = target_;
    if (!open)
        return;
    WaitPointer hourglass;
    try {
        open(QStringLiteral("Open"), target);
    } catch (...) {
    }
}

bool HyperLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!hovering_)
            startHover(*static_cast<QMouseEvent*>(event));
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is no new click: one open per double click.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            pressed_ = true;
        const QPointF at = mouse->position();
        emit MouseDown(buttonCode(mouse->button()), shiftCode(mouse->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool clicked = mouse->button() == Qt::LeftButton && pressed_ &&
                             label_->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            pressed_ = false;
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
        applyColours(); // system colours follow the new palette
        break;
    case QEvent::FontChange:
        applyFont();
        refit();
        if (testAttribute(Qt::WA_SetFont))
            emit settingChanged(QStringLiteral("Font"));
        break;
    case QEvent::EnabledChange:
        if (ownEnabled_ != !testAttribute(Qt::WA_ForceDisabled)) {
            ownEnabled_ = !ownEnabled_;
            emit settingChanged(QStringLiteral("Enabled"));
        }
        break;
    default:
        break;
    }
}

void HyperLink::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refit();
}
