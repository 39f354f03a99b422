#include "PaneColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace pane {

QColor fromOle(OleColor rgb) {
    const auto v = static_cast<std::uint32_t>(rgb);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

OleColor toOle(const QColor& c) {
    return static_cast<OleColor>(std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
                                 (std::uint32_t(c.blue()) << 16));
}

QColor systemColour(int index, const QPalette& palette) {
    // Caption colours have no palette role: they are built from the
    // highlight so that a palette change keeps titles and selection in tune.
    const auto role = [&palette](QPalette::ColorRole r) {
        return palette.color(QPalette::Active, r);
    };
    switch (index) {
    case SysScrollBar:
    case SysBackground:
    case SysMenu:
    case SysActiveBorder:
    case SysInactiveBorder:
    case SysMenuBar:
        return role(QPalette::Window);
    case SysActiveCaption:
    case SysHighlight:
    case SysMenuHighlight:
        return role(QPalette::Highlight);
    case SysInactiveCaption:
        return blend(role(QPalette::Highlight), role(QPalette::Window), 160);
    case SysGradientActiveCaption:
        return blend(role(QPalette::Highlight), role(QPalette::Base), 128);
    case SysGradientInactiveCaption:
        return blend(role(QPalette::Highlight), role(QPalette::Base), 64);
    case SysWindow:
        return role(QPalette::Base);
    case SysWindowFrame:
    case SysDarkShadow3D:
        return role(QPalette::Shadow);
    case SysMenuText:
        return role(QPalette::WindowText);
    case SysWindowText:
        return role(QPalette::Text);
    case SysCaptionText:
    case SysInactiveCaptionText:
    case SysHighlightText:
        return role(QPalette::HighlightedText);
    case SysAppWorkspace:
    case SysButtonShadow:
        return role(QPalette::Dark);
    case SysButtonFace:
        return role(QPalette::Button);
    case SysGrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case SysButtonText:
        return role(QPalette::ButtonText);
    case SysButtonHighlight:
        return role(QPalette::Light);
    case SysLight3D:
        return role(QPalette::Midlight);
    case SysInfoText:
        return role(QPalette::ToolTipText);
    case SysInfoBackground:
        return role(QPalette::ToolTipBase);
    case SysHotLight:
        return role(QPalette::Link);
    default:
        return QColor(Qt::black);
    }
}

QColor resolveColour(OleColor colour, OleColor fallback, const QPalette& palette) {
    if (colour == kDefaultColor) {
        if (fallback == kDefaultColor)
            return QColor(Qt::black);
        colour = fallback;
    }
    if (isSysColourCode(colour))
        return systemColour(int(static_cast<std::uint32_t>(colour) & 0xFF), palette);
    return fromOle(colour);
}

QColor blend(const QColor& a, const QColor& b, int w) {
    w = std::clamp(w, 0, 255);
    // The exact sum is n / 255; 255 is odd, so it is never a half and
    // integer rounding to nearest is exact.
    const auto mix = [w](int x, int y) { return (2 * (x * w + y * (255 - w)) + 255) / 510; };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
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

} // namespace pane
