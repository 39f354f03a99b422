#include "AppStyle.h"

#include <QProxyStyle>
#include <QStyleFactory>

namespace zelvano {

namespace {

class LayoutStyle final : public QProxyStyle {
public:
    explicit LayoutStyle(QStyle* base)
        : QProxyStyle(base) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 13;
        case PM_RadioButtonLabelSpacing:
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

QStyle* createLayoutStyle() {
    return new LayoutStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace zelvano
