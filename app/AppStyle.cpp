#include "AppStyle.h"

#include "AppFace.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

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

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (const auto* box = classicFrame(control, option))
            drawFrame(*box, *painter);
        else
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
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
        if (box.features & QStyleOptionFrame::Flat)
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

QStyle* createLayoutStyle() {
    QStyle* base = QStyleFactory::create(nativeStyleName());
    return new LayoutStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace zelvano::app
