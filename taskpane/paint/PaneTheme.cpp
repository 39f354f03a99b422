#include "paint/PaneTheme.h"

#include "paint/PaneColours.h"

#include "ContrastRule.h"

#include <QFile>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QWidget>

// The pane's pictures live in the library's own resource file.
static void initPaneResources() {
    Q_INIT_RESOURCE(taskpane);
}

namespace zelvano::pane {

namespace {

QImage readImage(const QString& path) {
    if (!QFile::exists(path))
        return {};
    QImage img(path);
    if (img.isNull())
        return {};
    return img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                     : QImage::Format_RGB32);
}

QImage keyOutCorner(const QImage& img) {
    if (img.isNull() || img.hasAlphaChannel())
        return img;
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, 0);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(img.devicePixelRatio());
    return out;
}

} // namespace

bool visualStyleActive(const QWidget* widget) {
    if (!widget)
        return false;
    const QStyle* style = widget->style();
    // A proxy (the application's metric tweaks) looks like the style it wraps.
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        if (!proxy->baseStyle() || proxy->baseStyle() == style)
            break;
        style = proxy->baseStyle();
    }
    if (style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0)
        return false;
    return !isHighContrast(widget->palette()) && !isDarkPalette(widget->palette());
}

PaneImage loadPaneImage(const QString& location, const QString& name) {
    initPaneResources();
    PaneImage img;
    img.normal = readImage(location + u'/' + name + QLatin1String(".png"));
    if (img.normal.isNull())
        return img;
    img.hidpi = readImage(location + u'/' + name + QLatin1String("@2x.png"));
    if (!img.hidpi.isNull()) {
        if (img.hidpi.size() == img.normal.size() * 2)
            img.hidpi.setDevicePixelRatio(2);
        else
            img.hidpi = QImage(); // not a matching 2x picture: ignore it
    }
    return img;
}

std::optional<GlyphSet> loadThemeImages(const QString& location) {
    GlyphSet set;
    for (std::size_t i = 0; i < set.size(); ++i) {
        set[i] = loadPaneImage(location, QString::number(ThemeLibrary::kImageNumbers[i]));
        if (set[i].isNull())
            return std::nullopt;
    }
    keyOutStripCorners(set);
    return set;
}

void keyOutStripCorners(GlyphSet& set) {
    for (const int strip : {ThemeLibrary::kSpecialStrip, ThemeLibrary::kStandardStrip}) {
        set[strip].normal = keyOutCorner(set[strip].normal);
        set[strip].hidpi = keyOutCorner(set[strip].hidpi);
    }
}

GlyphSet buildEmulatedGlyphs(const QColor& standard, const QColor& special) {
    GlyphSet set;
    // 101/102: up/down on the standard button, 103/104: on the special one.
    for (std::size_t k = 0; k < kOwnGlyphNumbers.size(); ++k) {
        const bool isSpecial = k >= 2;
        const bool expanded = k % 2 == 0;
        const PaneImage own =
            loadPaneImage(kOwnGlyphLocation, QString::number(kOwnGlyphNumbers[k]));
        if (own.isNull())
            continue;
        const QColor& colour = isSpecial ? special : standard;
        PaneImage out;
        // The ground is left out: on its own title colour the glyph looks the
        // same, and on a flat strip (search style, other bar colours) it
        // shows no square around the button.
        const auto recolour = [&colour](const QImage& img) {
            return colourise(img, colour, true)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        out.normal = recolour(own.normal);
        if (!own.hidpi.isNull()) {
            out.hidpi = recolour(own.hidpi);
            out.hidpi.setDevicePixelRatio(2);
        }
        // Hot and normal share the picture in emulated drawing.
        set[glyphIndex(isSpecial, expanded, false)] = out;
        set[glyphIndex(isSpecial, expanded, true)] = out;
    }
    return set;
}

} // namespace zelvano::pane
