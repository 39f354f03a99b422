#include "SchemeStyle.h"

#include "AppStyle.h"
#include "ContrastRule.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QTimer>

namespace zelvano::app {

namespace {

constexpr const char* kFollowerName = "zelvano-scheme-style";

// Sees every palette and theme change of the application. A new palette
// recolours the widgets by itself; a switch to or from high contrast also
// needs another base style, and a style object cannot change its base.
class SchemeStyleFollower final : public QObject {
public:
    explicit SchemeStyleFollower(QApplication& app)
        : QObject(&app) {
        setObjectName(QLatin1String(kFollowerName));
        app.installEventFilter(this);
    }

    void apply(bool always) {
        const bool highContrast = isHighContrast(QGuiApplication::palette());
        if (!always && highContrast == highContrast_)
            return;
        highContrast_ = highContrast;
        if (QStyle* style = createAppStyle(highContrast))
            QApplication::setStyle(style);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool schemeChange =
            event->type() == QEvent::ThemeChange ||
            (event->type() == QEvent::ApplicationPaletteChange && watched == qApp);
        // Once the change is through: setting a style sets the palette again.
        if (schemeChange && !pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                apply(false);
            });
        }
        return false;
    }

private:
    bool highContrast_ = false;
    bool pending_ = false;
};

} // namespace

void followSchemeStyle(QApplication& app) {
    auto* follower = static_cast<SchemeStyleFollower*>(
        app.findChild<QObject*>(QLatin1String(kFollowerName), Qt::FindDirectChildrenOnly));
    if (follower == nullptr)
        follower = new SchemeStyleFollower(app);
    follower->apply(true);
}

} // namespace zelvano::app
