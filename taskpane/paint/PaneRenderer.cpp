#include "paint/PaneRenderer.h"

#include "paint/PaneColours.h"
#include "paint/PaneDrawing.h"
#include "paint/PaneMetrics.h"
#include "paint/PanePainter.h"
#include "paint/PaneThemeSource.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace zelvano::pane {

using namespace pane;

namespace {

// A picture's left column as vertical gradient stops (the themed background).
QGradientStops gradientStops(const QImage& picture) {
    QGradientStops stops;
    const int h = picture.height();
    if (picture.isNull() || h < 1)
        return stops;
    for (int y = 0; y < h; ++y)
        stops.append({h == 1 ? 0.0 : qreal(y) / (h - 1), QColor::fromRgba(picture.pixel(0, y))});
    if (h == 1)
        stops.append({1.0, stops.front().second});
    return stops;
}

int clampedExtent(qint64 extent, qint64 lowest = 0) {
    return static_cast<int>(std::clamp<qint64>(extent, lowest, kMaxContentHeight));
}

} // namespace

struct PaneRenderer::Impl {
    Impl(QWidget* p, PaneState& st)
        : pane(p)
        , s(st)
        , paint(p, st, res) {}

    QWidget* pane;
    PaneState& s;
    PaneResources res;
    PanePainter paint;
    ThemeSource themeSource = systemTheme;
    bool loaded = false;
    bool loadedUseExplorerStyle = true;
    int loadedStyle = PaneStyleTaskPane;
    bool loadedThemeActive = false;
    qint64 loadedPalette = 0;
    QImage buffer;

    QColor sys(int index) const { return systemColour(index, pane->palette()); }
    int scrollBarWidth() const {
        return pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane);
    }

    void ensureResources(PaneRenderer& r) {
        // A style or palette switch (a theme change) also reloads.
        if (!loaded || loadedUseExplorerStyle != s.UseExplorerStyle || loadedStyle != s.Style ||
            loadedPalette != pane->palette().cacheKey() ||
            loadedThemeActive != visualStyleActive(pane))
            r.reloadResources();
        if (res.look != PaneLook::Themed)
            refreshEmulatedGlyphs();
    }

    // The emulated glyphs take their colours from the first standard and
    // special bars; rebuilt whenever those colours change.
    void refreshEmulatedGlyphs() {
        OleColour standard = kDefaultColour, special = kDefaultColour;
        bool haveStandard = false, haveSpecial = false;
        for (const auto& bar : s.bars) {
            if (bar->IsSpecial && !haveSpecial) {
                special = bar->TitleBackColorLight;
                haveSpecial = true;
            } else if (!bar->IsSpecial && !haveStandard) {
                standard = bar->TitleBackColorLight;
                haveStandard = true;
            }
        }
        const QPalette& pal = pane->palette();
        const QColor standardColour =
            resolveColour(standard, sysColourCode(SysGradientInactiveCaption), pal);
        const QColor specialColour =
            resolveColour(special, sysColourCode(SysGradientActiveCaption), pal);
        if (res.glyphs[0].isNull() || standardColour != res.glyphStandard ||
            specialColour != res.glyphSpecial) {
            res.glyphs = buildEmulatedGlyphs(standardColour, specialColour);
            res.glyphStandard = standardColour;
            res.glyphSpecial = specialColour;
        }
    }

    // Makes the back buffer cover the pane and the content at the pane's
    // device pixel ratio; false when there is nothing to draw on.
    bool ensureBuffer() {
        const int w = pane->width();
        const int h = std::max(pane->height(), s.contentHeight);
        if (w <= 0 || h <= 0)
            return false;
        const qreal dpr = pane->devicePixelRatioF();
        const QSize device(qCeil(w * dpr), qCeil(h * dpr));
        if (buffer.isNull() || buffer.devicePixelRatio() != dpr ||
            buffer.logicalDpiY() != pane->logicalDpiY() || buffer.width() < device.width() ||
            buffer.height() < device.height()) {
            buffer = QImage(device, QImage::Format_ARGB32_Premultiplied);
            if (buffer.isNull())
                return false; // content too tall to hold: draw nothing rather than fail
            buffer.setDevicePixelRatio(dpr);
            shareTextResolution(buffer, *pane);
            buffer.fill(Qt::transparent);
        }
        return true;
    }

    // Content rectangle (back-buffer coordinates) to window coordinates.
    QRect toWindow(const QRect& r) const {
        return r.translated(0, -s.scrollValue) & QRect(0, 0, pane->width(), pane->height());
    }

    QRect redraw(const QRect& contentRect) {
        if (!s.Redraw || contentRect.isEmpty() || !ensureBuffer())
            return {};
        QPainter p(&buffer);
        paint.paintContent(p, contentRect);
        return toWindow(contentRect);
    }
};

PaneRenderer::PaneRenderer(QWidget* pane, PaneState& state)
    : d(std::make_unique<Impl>(pane, state)) {}

PaneRenderer::~PaneRenderer() = default;

void PaneRenderer::reloadResources() {
    auto& s = d->s;
    auto& res = d->res;
    res = PaneResources{};
    if (s.UseExplorerStyle) {
        ThemeOffer offer = d->themeSource(d->pane);
        if (offer.active && offer.images) {
            res.look = PaneLook::Themed;
            res.glyphs = std::move(*offer.images);
            res.background = std::move(offer.background);
            res.backgroundStops = gradientStops(res.background.normal);
            s.defaultPanelColour =
                toOle(QColor(res.glyphs[ThemeLibrary::kPanelSample].normal.pixel(0, 0)));
        } else if (offer.active) {
            s.UseExplorerStyle = false; // incomplete image set: emulate instead
        }
    }
    if (res.look != PaneLook::Themed) {
        res.look = s.UseExplorerStyle ? PaneLook::Classic : PaneLook::Emulated;
        s.defaultPanelColour = toOle(blend(d->sys(SysButtonFace), Qt::white, 24));
        d->refreshEmulatedGlyphs();
    }
    d->loaded = true;
    d->loadedUseExplorerStyle = s.UseExplorerStyle;
    d->loadedStyle = s.Style;
    d->loadedThemeActive = visualStyleActive(d->pane);
    d->loadedPalette = d->pane->palette().cacheKey();
}

void PaneRenderer::recolourWatermark(pcExplorerBar& bar) {
    if (bar.WatermarkMode == 0 && !bar.watermark.isNull())
        bar.watermarkRendered = colourise(bar.watermark, d->paint.panelColour(bar));
    else
        bar.watermarkRendered = bar.watermark;
}

void PaneRenderer::measureBar(pcExplorerBar& bar) {
    d->ensureResources(*this);
    d->paint.measureTitle(bar, d->pane->width(), d->scrollBarWidth());
    qint64 with = 2 * kPanelInnerMargin, without = 2 * kPanelInnerMargin;
    for (const auto& it : bar.items) {
        with += qint64(it->HeightWithScroll) + it->SpacingAfter;
        without += qint64(it->HeightWithoutScroll) + it->SpacingAfter;
    }
    bar.HeightWithScroll = clampedExtent(with);
    bar.HeightWithoutScroll = clampedExtent(without);
}

void PaneRenderer::measureItem(pcExplorerBar& bar, pcExplorerBarItem& item) {
    d->paint.measureItem(item, d->pane->width(), d->scrollBarWidth());
    measureBar(bar);
}

void PaneRenderer::measureAll() {
    const int width = d->pane->width(), sb = d->scrollBarWidth();
    for (auto& bar : d->s.bars) {
        for (auto& it : bar->items)
            d->paint.measureItem(*it, width, sb);
        measureBar(*bar);
    }
}

int PaneRenderer::titleHeight(const pcExplorerBar& bar) const {
    return d->paint.titleHeight(bar);
}

int PaneRenderer::panelHeight(const pcExplorerBar& bar) const {
    return d->s.scrollBarVisible ? bar.HeightWithScroll : bar.HeightWithoutScroll;
}

bool PaneRenderer::layout() {
    auto& s = d->s;
    const bool before = s.scrollBarVisible;
    // A second pass runs when the scroll bar appears or disappears; narrower
    // text never gets shorter, so the pair of passes settles.
    for (int pass = 0; pass < 3; ++pass) {
        qint64 y = 0;
        bool first = true;
        for (auto& bar : s.bars) {
            if (s.Style != PaneStyleSearch || first)
                y += kBarGap;
            first = false;
            bar->Top = clampedExtent(y);
            y += titleHeight(*bar);
            if (bar->isAnimating())
                y += std::max(0, bar->Height);
            else if (bar->State == BarExpanded)
                y += panelHeight(*bar);
            // Tops need not grow: SpacingAfter may be negative.
            qint64 top = kPanelInnerMargin;
            for (auto& it : bar->items) {
                it->Top = clampedExtent(top, -kMaxContentHeight);
                top += qint64(d->paint.itemHeight(*it)) + it->SpacingAfter;
            }
        }
        y += kBarGap;
        s.contentHeight = clampedExtent(y);
        const bool need = s.contentHeight > d->pane->height();
        if (need == s.scrollBarVisible || pass == 2)
            break;
        s.scrollBarVisible = need;
    }
    const int maxScroll = s.scrollBarVisible ? std::max(0, s.contentHeight - d->pane->height()) : 0;
    s.scrollValue = std::clamp(s.scrollValue, 0, maxScroll);
    return before != s.scrollBarVisible;
}

void PaneRenderer::render() {
    if (!d->s.Redraw)
        return;
    d->ensureResources(*this);
    if (!d->ensureBuffer())
        return;
    QPainter p(&d->buffer);
    const QRect all(0, 0, d->pane->width(), std::max(d->pane->height(), d->s.contentHeight));
    d->paint.paintContent(p, all);
}

QRect PaneRenderer::renderBarTitle(const pcExplorerBar& bar) {
    d->ensureResources(*this);
    return d->redraw(d->paint.titleArea(bar));
}

QRect PaneRenderer::renderItem(const pcExplorerBar& bar, const pcExplorerBarItem& item) {
    d->ensureResources(*this);
    return d->redraw(d->paint.itemArea(bar, item));
}

void PaneRenderer::paint(QPainter& painter, const QRect& exposed) const {
    if (d->buffer.isNull() || exposed.isEmpty())
        return;
    const qreal dpr = d->buffer.devicePixelRatio();
    // Only what the buffer holds: a pane grown since the last render shows
    // its old picture, never a stretched one.
    const QRect held(0, -d->s.scrollValue, qFloor(d->buffer.width() / dpr),
                     qFloor(d->buffer.height() / dpr));
    const QRect area = exposed & QRect(0, 0, d->pane->width(), d->pane->height()) & held;
    if (area.isEmpty())
        return;
    const QRectF source(area.x() * dpr, (area.y() + d->s.scrollValue) * dpr, area.width() * dpr,
                        area.height() * dpr);
    painter.drawImage(QRectF(area), d->buffer, source);
}

QRect PaneRenderer::titleRect(const pcExplorerBar& bar) const {
    return QRect(kSideMargin, bar.Top - d->s.scrollValue, d->paint.clientWidth() - 2 * kSideMargin,
                 titleHeight(bar));
}

QRect PaneRenderer::itemRect(const pcExplorerBar& bar, const pcExplorerBarItem& item) const {
    return QRect(kSideMargin, bar.Top - d->s.scrollValue + titleHeight(bar) + item.Top,
                 d->paint.clientWidth() - 2 * kSideMargin, d->paint.itemHeight(item));
}

QFont PaneRenderer::titleFont() const {
    return d->paint.titleFont();
}

OleColour PaneRenderer::defaultPanelColour(bool isSpecial) const {
    return d->paint.defaultPanelColour(isSpecial);
}

QColor PaneRenderer::resolve(OleColour colour, OleColour fallback) const {
    return resolveColour(colour, fallback, d->pane->palette());
}

int PaneRenderer::scrollBarWidth() const {
    return d->scrollBarWidth();
}

void PaneRenderer::placeScrollBar(QScrollBar& bar) const {
    const auto& s = d->s;
    const QWidget& pane = *d->pane;
    if (s.scrollBarVisible) {
        const int w = scrollBarWidth();
        bar.setGeometry(pane.width() - w, 0, w, pane.height());
        bar.setPageStep(std::max(1, pane.height()));
        bar.setRange(0, std::max(0, s.contentHeight - pane.height()));
    } else {
        bar.setRange(0, 0);
    }
    bar.setVisible(s.scrollBarVisible);
}

void PaneRenderer::positionHostedControls() {
    const auto& s = d->s;
    const int width = std::max(0, d->paint.clientWidth() - 2 * kHostedControlLeft);
    for (const auto& bar : s.bars) {
        const bool shown = bar->State == BarExpanded || bar->Expanding;
        for (const auto& it : bar->items) {
            QWidget* w = it->lPtrPanel.data();
            if (it->ItemType != ItemKindHostedControl || !w)
                continue;
            if (!shown) {
                w->hide();
                continue;
            }
            QPoint at(kHostedControlLeft, bar->Top - s.scrollValue + titleHeight(*bar) + it->Top);
            QWidget* host = w->parentWidget();
            if (host && host != d->pane)
                at = host->mapFromGlobal(d->pane->mapToGlobal(at));
            w->setGeometry(QRect(at, QSize(width, w->height())));
            w->show();
        }
    }
}

PaneLook PaneRenderer::look() const {
    return d->res.look;
}

void PaneRenderer::setThemeLocation(const QString& folder) {
    setThemeSource([folder](const QWidget* pane) { return folderTheme(pane, folder); });
}

void PaneRenderer::setThemeSource(ThemeSource source) {
    d->themeSource = std::move(source);
    d->loaded = false;
}

const QImage& PaneRenderer::backBuffer() const {
    return d->buffer;
}

} // namespace zelvano::pane
