#include "AppStyle.h"

#include "AppFace.h"
#include "ContrastRule.h"
#include "FocusMark.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

#include <optional>

namespace zelvano::app {

namespace {

constexpr int kIndicatorSize = 13;
constexpr int kLabelSpacing = 4;
constexpr int kTitleLeft = 6;    // caption indent from the frame's left edge
constexpr int kTitlePadding = 2; // gap in the border on each side of the caption

class LayoutStyle final : public QProxyStyle {
public:
    explicit LayoutStyle(QStyle* base)
        : QProxyStyle(base) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return kIndicatorSize;
        case PM_RadioButtonLabelSpacing:
            return kLabelSpacing;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (const auto* box = classicFrame(control, option))
            return frameRect(*box, part);
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        switch (element) {
        case PE_FrameFocusRect:
            drawFocusRect(*option, *painter);
            return;
        case PE_IndicatorRadioButton:
            if (const auto edge = schemeEdge(*option)) {
                drawRadioIndicator(*option, *painter, *edge);
                return;
            }
            break;
        default:
            break;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // The base style draws these edges in shades of the ground.
        if (element == PE_PanelLineEdit || element == PE_PanelButtonCommand)
            if (const auto edge = schemeEdge(*option))
                outline(*painter, option->rect,
                        option->state & State_HasFocus ? focusEdge(*option, *edge) : *edge);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (const auto* box = classicFrame(control, option))
            drawFrame(*box, *painter);
        else
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    // In a dark or high-contrast scheme, the colour of the edges and
    // indicators the base style draws in shades of the window, too faint
    // there; nothing in a light scheme, which keeps the base style's look.
    static std::optional<QColor> schemeEdge(const QStyleOption& option) {
        const QPalette& palette = option.palette;
        if (!isHighContrast(palette) && !isDarkPalette(palette))
            return std::nullopt;
        return schemeInk(InkRole::Mark, palette, palette.color(QPalette::Window));
    }

    // A focused box or button keeps the highlight round it where it shows.
    static QColor focusEdge(const QStyleOption& option, const QColor& edge) {
        const QColor highlight = option.palette.color(QPalette::Highlight);
        return contrastRatio(highlight, option.palette.color(QPalette::Window)) >= kMarkContrast
                   ? highlight
                   : edge;
    }

    static void outline(QPainter& painter, const QRect& rect, const QColor& colour) {
        painter.save();
        painter.setPen(colour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }

    // The focus mark shown once the keyboard was used, in a colour that
    // stands out from the ground in every scheme.
    static void drawFocusRect(const QStyleOption& option, QPainter& painter) {
        if (!(option.state & State_KeyboardFocusChange))
            return;
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(&option);
        const QColor ground = focus != nullptr && focus->backgroundColor.isValid()
                                  ? focus->backgroundColor
                                  : option.palette.color(QPalette::Window);
        drawFocusMark(painter, option.rect, schemeInk(InkRole::Mark, option.palette, ground));
    }

    static void drawRadioIndicator(const QStyleOption& option, QPainter& painter,
                                   const QColor& edge) {
        const QRectF circle = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(option.palette.color(QPalette::Base));
        painter.drawEllipse(circle);
        if (option.state & State_On) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(
                schemeInk(InkRole::Mark, option.palette, option.palette.color(QPalette::Base)));
            const qreal inset = circle.width() / 4;
            painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
        }
        painter.restore();
    }

    // Frames with a check box keep the base style's look and behaviour.
    static const QStyleOptionGroupBox* classicFrame(ComplexControl control,
                                                    const QStyleOptionComplex* option) {
        const auto* box = control == CC_GroupBox
                              ? qstyleoption_cast<const QStyleOptionGroupBox*>(option)
                              : nullptr;
        return box != nullptr && !(box->subControls & SC_GroupBoxCheckBox) ? box : nullptr;
    }

    static QRect frameRect(const QStyleOptionGroupBox& box, SubControl part) {
        const int textHeight = box.fontMetrics.height();
        switch (part) {
        case SC_GroupBoxFrame:
            return box.rect.adjusted(0, textHeight / 2, 0, 0);
        case SC_GroupBoxLabel:
            if (box.text.isEmpty())
                return {};
            return QRect(box.rect.left() + kTitleLeft, box.rect.top(),
                         box.fontMetrics.horizontalAdvance(box.text) + 2 * kTitlePadding,
                         textHeight);
        case SC_GroupBoxContents:
            return box.rect.adjusted(2, textHeight, -2, -2);
        default:
            return {};
        }
    }

    void drawFrame(const QStyleOptionGroupBox& box, QPainter& painter) const {
        const QRect label = frameRect(box, SC_GroupBoxLabel);
        const QRect border = frameRect(box, SC_GroupBoxFrame);
        painter.save();
        if (!label.isEmpty())
            painter.setClipRegion(QRegion(box.rect).subtracted(label));
        if (const auto edge = schemeEdge(box)) {
            if (box.features & QStyleOptionFrame::Flat) {
                painter.setPen(*edge);
                painter.drawLine(border.topLeft(), border.topRight());
            } else {
                outline(painter, border, *edge);
            }
        } else if (box.features & QStyleOptionFrame::Flat)
            qDrawShadeLine(&painter, border.topLeft(), border.topRight(), box.palette, true, 1, 0);
        else
            qDrawShadeRect(&painter, border, box.palette, true, 1, 0);
        painter.restore();
        if (!label.isEmpty())
            drawItemText(&painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, box.palette,
                         box.state & State_Enabled, box.text, QPalette::WindowText);
    }
};

} // namespace

QStyle* createLayoutStyle(bool highContrast) {
    QStyle* base = QStyleFactory::create(nativeStyleName(highContrast));
    return new LayoutStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")));
}

QStyle* createAppStyle(bool highContrast) {
#ifdef Q_OS_WIN
    // Windows keeps its own style's metrics and frames.
    return QStyleFactory::create(nativeStyleName(highContrast));
#else
    return createLayoutStyle(highContrast);
#endif
}

} // namespace zelvano::app
