#include "paint/PaneColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace zelvano::pane {

QColor resolveColour(OleColour colour, OleColour fallback, const QPalette& palette) {
    if (colour == kDefaultColour)
        colour = fallback;
    return zelvano::resolveColour(colour, palette).value_or(QColor(Qt::black));
}

Hls toHls(QRgb rgb) {
    const double r = qRed(rgb) / 255.0, g = qGreen(rgb) / 255.0, b = qBlue(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    Hls out;
    out.l = (mx + mn) / 2;
    if (mx == mn)
        return out;
    const double d = mx - mn;
    out.s = out.l <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    double h = 0;
    if (r == mx)
        h = (g - b) / d;
    else if (g == mx)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0)
        h += 1;
    out.h = h;
    return out;
}

namespace {

double hueToChannel(double m1, double m2, double h) {
    if (h < 0)
        h += 1;
    if (h > 1)
        h -= 1;
    if (h * 6 < 1)
        return m1 + (m2 - m1) * h * 6;
    if (h * 2 < 1)
        return m2;
    if (h * 3 < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

int channel(double v) {
    return std::clamp(int(std::lround(v * 255)), 0, 255);
}

} // namespace

QRgb fromHls(const Hls& c) {
    if (c.s == 0) {
        const int v = channel(c.l);
        return qRgb(v, v, v);
    }
    const double m2 = c.l <= 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    const double m1 = 2 * c.l - m2;
    return qRgb(channel(hueToChannel(m1, m2, c.h + 1.0 / 3)), channel(hueToChannel(m1, m2, c.h)),
                channel(hueToChannel(m1, m2, c.h - 1.0 / 3)));
}

QImage colourise(const QImage& source, const QColor& target, bool clearBackground) {
    if (source.isNull())
        return {};
    QImage img = source.convertToFormat(QImage::Format_ARGB32);
    // Pictures narrower or shorter than 2 pixels take their nearest pixel.
    const QRgb reference =
        img.pixel(std::min(1, img.width() - 1), std::min(1, img.height() - 1)) & RGB_MASK;
    const Hls ref = toHls(reference);
    const Hls tgt = toHls(target.rgb());
    const QRgb targetRgb = target.rgb() | 0xFF000000u;
    const QRgb backgroundRgb = clearBackground ? 0u : targetRgb;

    // Glyphs and watermarks hold few distinct colours: convert each once.
    QRgb lastIn = 0;
    QRgb lastOut = targetRgb;
    bool haveLast = false;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x] & RGB_MASK;
            if (px == reference) {
                line[x] = backgroundRgb;
                continue;
            }
            if (!haveLast || px != lastIn) {
                Hls c = toHls(px);
                if (c.l <= 0.9)
                    c.l = ref.l > 0 ? std::min(1.0, c.l / ref.l * tgt.l) : 1.0;
                c.h = tgt.h;
                c.s = tgt.s;
                lastIn = px;
                lastOut = fromHls(c) | 0xFF000000u;
                haveLast = true;
            }
            line[x] = lastOut;
        }
    }
    return img;
}

} // namespace zelvano::pane
