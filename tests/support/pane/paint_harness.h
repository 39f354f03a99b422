#pragma once

// A bare widget, a PaneState and a renderer on it: the renderer is driven
// directly, without the control. The widget holds a real scroll bar that the
// renderer places as the control's own.

#include "paint/PaneRenderer.h"
#include "paint_fixtures.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

using namespace zelvano::pane;

namespace paintfix {

struct Harness {
    std::unique_ptr<QStyle> style; // the widget does not own it: declared first, dies last
    QWidget widget;
    PaneState state;
    PaneRenderer renderer{&widget, state};
    QScrollBar* scrollBar = new QScrollBar(Qt::Vertical, &widget);

    explicit Harness(QSize size = QSize(233, 401), int fontPixels = 11) {
        QFont f = widget.font();
        f.setPixelSize(fontPixels);
        widget.setFont(f);
        widget.resize(size);
        // The pictures built into the pane, whatever the system offers, so
        // that the painting is checked against known pictures everywhere.
        renderer.setThemeLocation(QString::fromLatin1(ThemeLibrary::kDefaultLocation));
    }

    void useStyle(const QString& name) {
        std::unique_ptr<QStyle> next(QStyleFactory::create(name));
        widget.setStyle(next.get());
        style = std::move(next);
    }
    void useClassicStyle() { useStyle(QStringLiteral("Windows")); }

    // What the control does after a change: load, measure, lay out, paint.
    void refresh() {
        renderer.reloadResources();
        renderer.measureAll();
        renderer.layout();
        renderer.placeScrollBar(*scrollBar);
        renderer.render();
    }

    // The visible pane as the window shows it.
    QImage shot() {
        QImage out(widget.size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::magenta);
        QPainter p(&out);
        renderer.paint(p, widget.rect());
        return out;
    }

    // The pane and its scroll bar, as a grab of the control gives them (at
    // the widget's device pixel ratio).
    QImage windowShot() {
        const qreal dpr = widget.devicePixelRatioF();
        QImage out(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        out.setDevicePixelRatio(dpr);
        out.fill(Qt::transparent);
        QPainter p(&out);
        renderer.paint(p, widget.rect());
        if (scrollBar->isVisibleTo(&widget))
            scrollBar->render(&p, scrollBar->pos());
        return out;
    }
};

} // namespace paintfix
