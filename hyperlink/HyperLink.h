#pragma once

// HyperLink: a text label that looks and behaves like a web link. It shows a
// caption, takes its hover colour (and optionally an underline and a hand
// pointer) while the mouse pointer is over it, and on a click or on
// Enter/Space hands its target to the shell's open operation.
//
// Leaving is noticed by polling: while hovering, a 50 ms timer looks up the
// widget under the pointer and ends hovering once it is not this control.
//
// Property names (Q_PROPERTY) are the names of the saved settings, declared
// in the order they are saved. Colours are ColourValue numbers
// (ColourValue.h); -1 means the container's colour.

#include "ColourValue.h"
#include "HyperLinkExport.h"
#include "LinkServices.h"

#include <QVariantMap>
#include <QWidget>

#include <cstdint>
#include <memory>

class QLabel;

namespace zelvano::link {
class HyperLinkPrivate;

// A colour setting that follows the container's colour.
inline constexpr ColourValue kContainerColour = kDefaultColour;
} // namespace zelvano::link

class ZELVANO_HYPERLINK_EXPORT HyperLink : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY Change)
    Q_PROPERTY(QString HyperLink READ hyperLink WRITE setHyperLink)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 HoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Appearance Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(BorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Enabled READ enabledSetting WRITE setEnabled)
    Q_PROPERTY(bool AutoToolTip READ autoToolTip WRITE setAutoToolTip)
    Q_PROPERTY(bool MOUnderline READ moUnderline WRITE setMOUnderline)
    Q_PROPERTY(bool MOPointer READ moPointer WRITE setMOPointer)
    // Run-time only: never saved, so not offered in a form designer.
    Q_PROPERTY(bool SoundOn READ soundOn WRITE setSoundOn DESIGNABLE false STORED false)
    Q_PROPERTY(qint32 SoundID READ soundId WRITE setSoundId DESIGNABLE false STORED false)

public:
    // Plain enumerations, so that both spellings a form may carry compile in
    // generated form code: HyperLink::Center and HyperLink::Alignment::Center.
    enum Alignment { Left = 0, Right = 1, Center = 2 };
    Q_ENUM(Alignment)
    enum Appearance { Flat = 0, ThreeD = 1 };
    Q_ENUM(Appearance)
    enum BorderStyle { None = 0, FixedSingle = 1 };
    Q_ENUM(BorderStyle)

    using ColourValue = zelvano::ColourValue;

    // Defaults of a control whose saved settings lack a value.
    static const QString kDefaultCaption;                       // "Hyperlink"
    static const QString kDefaultTarget;                        // a placeholder web address
    static constexpr ColourValue kDefaultHoverColor = 0x0000FF; // pure red
    // The pointer shown while hovering when MOPointer is set; the control
    // carries no pointer image of its own, so this is the desktop's link hand.
    static constexpr Qt::CursorShape kHoverPointer = Qt::PointingHandCursor;
    // The interval of the leave poll.
    static constexpr int kLeavePollMs = 50;

    // A new control: caption "Hyperlink", Tahoma 8.25 pt underlined, sized to its text.
    explicit HyperLink(QWidget* parent = nullptr);
    ~HyperLink() override;

    QString caption() const;
    void setCaption(const QString& caption);
    QString hyperLink() const;
    void setHyperLink(const QString& target);
    ColourValue foreColor() const;
    void setForeColor(ColourValue colour);
    ColourValue backColor() const;
    void setBackColor(ColourValue colour);
    ColourValue hoverColor() const;
    void setHoverColor(ColourValue colour);
    Alignment alignment() const;
    void setAlignment(Alignment alignment);
    bool autoSize() const;
    void setAutoSize(bool on);
    Appearance appearance() const;
    void setAppearance(Appearance appearance);
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    bool autoToolTip() const;
    void setAutoToolTip(bool on);
    bool moUnderline() const;
    void setMOUnderline(bool on);
    bool moPointer() const;
    void setMOPointer(bool on);
    bool soundOn() const;
    void setSoundOn(bool on);
    std::int32_t soundId() const;
    void setSoundId(std::int32_t id);
    // Font and Enabled are the widget's own font and enabled flag; a font
    // that was never set follows the container's.

    // Saved settings: a name-value list under the property names. SoundOn and
    // SoundID are run-time only and never saved or loaded. Loading fills every
    // missing or unusable value with its default.
    QVariantMap saveSettings() const;
    void loadSettings(const QVariantMap& settings);

    bool isHovering() const;
    QLabel* label() const;

    // Services. The defaults open through the desktop and play through the
    // build's sound backend (none: silent); the program and tests replace them.
    void setShellOpen(zelvano::link::ShellOpen open);
    void setSoundPlayer(zelvano::link::SoundPlayer player);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Clicks the link as the mouse, Enter or Space would.
    void click();
    // One tick of the leave poll; the timer calls it while hovering.
    void pollPointer();

signals:
    void Click();
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseOver(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseOut();
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void Change();
    // A saved setting was changed through its property.
    void settingChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The control's own enabled flag, whatever its container's.
    bool enabledSetting() const;

    friend class zelvano::link::HyperLinkPrivate;
    std::unique_ptr<zelvano::link::HyperLinkPrivate> d;
};
