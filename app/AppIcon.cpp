#include "AppIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <map>

// Resources of a static library are registered by hand; the call must be
// outside any namespace.
static void registerAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace zelvano::app {

namespace {

constexpr std::array kIconSizes{16, 24, 32, 48, 64, 72, 96, 128};

// Decodes an image only when a size of it is first asked for: most platforms
// ask for one or two sizes, some (offscreen, Wayland) for none, and decoding
// all eight would be a good part of the start-up time.
class ProgramIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int wanted = std::max(size.width(), size.height());
        const auto fit = std::lower_bound(kIconSizes.begin(), kIconSizes.end(), wanted);
        const int source = fit != kIconSizes.end() ? *fit : kIconSizes.back();
        QPixmap image = loaded(source);
        if (image.isNull())
            return image;
        if (source != wanted)
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            image = QApplication::style()->generatedIconPixmap(mode, image, &option);
        }
        Q_UNUSED(state);
        return image;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = std::min({size.width(), size.height(), kIconSizes.back()});
        return QSize(side, side);
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ZelvanoProgramIcon"); }

private:
    QPixmap loaded(int size) {
        auto it = images_.find(size);
        if (it == images_.end()) {
            registerResources();
            it = images_
                     .emplace(size,
                              QPixmap(QStringLiteral(":/zelvano/icons/zelvano-%1.png").arg(size)))
                     .first;
        }
        return it->second;
    }

    static void registerResources() {
        static const bool registered = (registerAppResources(), true);
        Q_UNUSED(registered);
    }

    std::map<int, QPixmap> images_;
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace zelvano::app
