#include "PaneRenderer.h"

#include "PaneColours.h"
#include "PaneMetrics.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

using namespace pane;

struct PaneRenderer::Impl {
    QWidget* pane;
    PaneState& s;
    QImage buffer;
    Impl(QWidget* p, PaneState& st)
        : pane(p)
        , s(st) {}

    int clientWidth() const {
        return pane->width() -
               (s.scrollBarVisible
                    ? pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane)
                    : 0);
    }
};

PaneRenderer::PaneRenderer(QWidget* pane, PaneState& state)
    : d(std::make_unique<Impl>(pane, state)) {}
PaneRenderer::~PaneRenderer() = default;

void PaneRenderer::reloadResources() {
    d->s.defaultPanelColour =
        toOle(blend(systemColour(SysButtonFace, d->pane->palette()), Qt::white, 24));
}

void PaneRenderer::recolourWatermark(pcExplorerBar& bar) {
    bar.watermarkRendered =
        bar.WatermarkMode == 0 ? colourise(bar.watermark, resolve(bar.PanelBackColor,
                                                                  defaultPanelColor(bar.IsSpecial)))
                               : bar.watermark;
}

void PaneRenderer::measureBar(pcExplorerBar& bar) {
    QFont bold = d->pane->font();
    bold.setBold(true);
    const int h = QFontMetrics(bold).height();
    bar.TitleTextHeightWithScroll = bar.TitleTextHeightWithoutScroll = h;
    bar.TitleHeightWithScroll = bar.TitleHeightWithoutScroll =
        std::max(kMinTitleHeight, h + kTitleTextAllowance);
    bar.SingleLineTitleWithScroll = bar.SingleLineTitleWithoutScroll = true;
    int with = 2 * kPanelInnerMargin, without = 2 * kPanelInnerMargin;
    for (const auto& it : bar.items) {
        with += it->HeightWithScroll + it->SpacingAfter;
        without += it->HeightWithoutScroll + it->SpacingAfter;
    }
    bar.HeightWithScroll = with;
    bar.HeightWithoutScroll = without;
}

void PaneRenderer::measureItem(pcExplorerBar& bar, pcExplorerBarItem& item) {
    QFont f = item.Font.value_or(d->pane->font());
    f.setBold(item.Bold);
    QFontMetrics fm(f);
    const int w = d->pane->width() - 2 * kSideMargin - kItemTextReserve;
    const int sb = scrollBarWidth();
    item.HeightWithoutScroll =
        fm.boundingRect(QRect(0, 0, std::max(1, w), 100000), Qt::TextWordWrap, item.Text).height() +
        kItemExtraHeight;
    item.HeightWithScroll =
        fm.boundingRect(QRect(0, 0, std::max(1, w - sb), 100000), Qt::TextWordWrap, item.Text)
            .height() +
        kItemExtraHeight;
    measureBar(bar);
}

void PaneRenderer::measureAll() {
    for (auto& bar : d->s.bars) {
        for (auto& it : bar->items)
            measureItem(*bar, *it);
        measureBar(*bar);
    }
}

int PaneRenderer::titleHeight(const pcExplorerBar& bar) const {
    if (bar.Title.isEmpty() && !bar.CanExpand)
        return kEmptyTitleGap;
    return d->s.scrollBarVisible ? bar.TitleHeightWithScroll : bar.TitleHeightWithoutScroll;
}

int PaneRenderer::panelHeight(const pcExplorerBar& bar) const {
    return d->s.scrollBarVisible ? bar.HeightWithScroll : bar.HeightWithoutScroll;
}

bool PaneRenderer::layout() {
    const bool before = d->s.scrollBarVisible;
    for (int pass = 0; pass < 2; ++pass) {
        int y = 0;
        bool first = true;
        for (auto& bar : d->s.bars) {
            if (d->s.Style != PaneStyleSearch || first)
                y += kBarGap;
            first = false;
            bar->Top = y;
            y += titleHeight(*bar);
            if (bar->isAnimating())
                y += bar->Height;
            else if (bar->State == BarExpanded)
                y += panelHeight(*bar);
            int top = kPanelInnerMargin;
            for (auto& it : bar->items) {
                it->Top = top;
                top += (d->s.scrollBarVisible ? it->HeightWithScroll : it->HeightWithoutScroll) +
                       it->SpacingAfter;
            }
        }
        y += kBarGap;
        d->s.contentHeight = y;
        const bool need = y > d->pane->height();
        if (need == d->s.scrollBarVisible)
            break;
        d->s.scrollBarVisible = need;
    }
    return before != d->s.scrollBarVisible;
}

void PaneRenderer::render() {
    const qreal dpr = d->pane->devicePixelRatioF();
    const QSize need(d->pane->width(), std::max(d->pane->height(), d->s.contentHeight));
    if (d->buffer.isNull() || d->buffer.width() < need.width() * dpr ||
        d->buffer.height() < need.height() * dpr) {
        d->buffer = QImage(need * dpr, QImage::Format_ARGB32_Premultiplied);
        d->buffer.setDevicePixelRatio(dpr);
    }
    QPainter p(&d->buffer);
    p.fillRect(QRect(QPoint(), need), resolve(d->s.BackColorStart, kSysColorWindow));
}

QRect PaneRenderer::renderBarTitle(const pcExplorerBar& bar) {
    render();
    return titleRect(bar);
}

QRect PaneRenderer::renderItem(const pcExplorerBar& bar, const pcExplorerBarItem& item) {
    render();
    return itemRect(bar, item);
}

void PaneRenderer::paint(QPainter& painter, const QRect& exposed) const {
    if (d->buffer.isNull())
        return;
    const qreal dpr = d->buffer.devicePixelRatio();
    const QRectF src(exposed.x() * dpr, (exposed.y() + d->s.scrollValue) * dpr,
                     exposed.width() * dpr, exposed.height() * dpr);
    painter.drawImage(QRectF(exposed), d->buffer, src);
}

QRect PaneRenderer::titleRect(const pcExplorerBar& bar) const {
    return QRect(kSideMargin, bar.Top - d->s.scrollValue, d->clientWidth() - 2 * kSideMargin,
                 titleHeight(bar));
}

QRect PaneRenderer::itemRect(const pcExplorerBar& bar, const pcExplorerBarItem& item) const {
    const int h = d->s.scrollBarVisible ? item.HeightWithScroll : item.HeightWithoutScroll;
    return QRect(kSideMargin, bar.Top - d->s.scrollValue + titleHeight(bar) + item.Top,
                 d->clientWidth() - 2 * kSideMargin, h);
}

OleColor PaneRenderer::defaultPanelColor(bool isSpecial) const {
    if (isSpecial)
        return d->s.defaultPanelColour;
    return toOle(blend(fromOle(d->s.defaultPanelColour),
                       systemColour(SysActiveCaption, d->pane->palette()), 230));
}

QColor PaneRenderer::resolve(OleColor colour, OleColor fallback) const {
    return resolveColour(colour, fallback, d->pane->palette());
}

int PaneRenderer::scrollBarWidth() const {
    return d->pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, d->pane);
}

void PaneRenderer::positionHostedControls() {}
