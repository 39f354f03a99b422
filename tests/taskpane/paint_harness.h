#pragma once

// A bare widget, a PaneState and a renderer on it: the renderer is driven
// directly, without the control.

#include "PaneRenderer.h"
#include "paint_fixtures.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

namespace paintfix {

struct Harness {
    std::unique_ptr<QStyle> style; // the widget does not own it: declared first, dies last
    QWidget widget;
    PaneState state;
    PaneRenderer renderer{&widget, state};

    explicit Harness(QSize size = QSize(233, 401), int fontPixels = 11) {
        QFont f = widget.font();
        f.setPixelSize(fontPixels);
        widget.setFont(f);
        widget.resize(size);
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
};

} // namespace paintfix
