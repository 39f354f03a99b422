#include "paint/PanePainter.h"

#include "paint/PaneColours.h"
#include "paint/PaneDrawing.h"
#include "paint/PaneMetrics.h"

#include "ContrastRule.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace zelvano::pane {

namespace {

constexpr int kTextFlags = Qt::TextShowMnemonic;
constexpr int kTallRect = 1 << 20;

bool isHot(const pcExplorerBar& bar) {
    return bar.MouseOver || bar.MouseDown;
}
bool isHot(const pcExplorerBarItem& item) {
    return item.MouseOver || item.MouseDown;
}

int wrappedHeight(const QFontMetrics& fm, int width, const QString& text) {
    return fm
        .boundingRect(QRect(0, 0, std::max(1, width), kTallRect), Qt::TextWordWrap | kTextFlags,
                      text)
        .height();
}

} // namespace

PanePainter::PanePainter(QWidget* pane, const PaneState& state, const PaneResources& res)
    : pane_(pane)
    , s_(state)
    , res_(res) {}

QColor PanePainter::sys(int index) const {
    return systemColour(index, pane_->palette());
}

QColor PanePainter::resolve(OleColour colour, OleColour fallback) const {
    return resolveColour(colour, fallback, pane_->palette());
}

int PanePainter::clientWidth() const {
    const int sb = s_.scrollBarVisible
                       ? pane_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane_)
                       : 0;
    return pane_->width() - sb;
}

int PanePainter::titleHeight(const pcExplorerBar& bar) const {
    if (bar.Title.isEmpty() && !bar.CanExpand)
        return kEmptyTitleGap;
    return s_.scrollBarVisible ? bar.TitleHeightWithScroll : bar.TitleHeightWithoutScroll;
}

int PanePainter::itemHeight(const pcExplorerBarItem& item) const {
    return s_.scrollBarVisible ? item.HeightWithScroll : item.HeightWithoutScroll;
}

QFont PanePainter::paneFont(const std::optional<QFont>& own) const {
    // Every attribute is marked as set: a painter on the back buffer fills
    // unset ones from the application font, not from the pane's, and text
    // would be drawn in another font than it was measured in.
    QFont f = own ? own->resolve(pane_->font()) : pane_->font();
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

QFontMetrics PanePainter::metrics(const QFont& font) const {
    // At the pane's own resolution, which the back buffer shares.
    return QFontMetrics(font, pane_);
}

QFont PanePainter::titleFont() const {
    // Titles always use the bold default font; a bar's TitleFont is stored only.
    QFont f = paneFont();
    f.setBold(true);
    return f;
}

QFont PanePainter::itemFont(const pcExplorerBarItem& item, bool hot) const {
    QFont f = paneFont(item.Font);
    if (item.Bold)
        f.setBold(true);
    if (hot)
        f.setUnderline(true);
    return f;
}

int PanePainter::glyphWidth() const {
    const PaneImage& g = res_.glyphs[0];
    return g.isNull() ? kGlyphFallbackWidth : g.size().width();
}

int PanePainter::iconSizeOf(const pcExplorerBarItem& item) const {
    return item.IconIndex >= 0 ? std::max(0, s_.imageList.iconSize) : 0;
}

int PanePainter::titleIconSize(const pcExplorerBar& bar) const {
    return bar.IconIndex >= 0 ? std::max(0, s_.titleImageList.iconSize) : 0;
}

QRect PanePainter::titleTextRect(const pcExplorerBar& bar, int cw) const {
    int left = kSideMargin + kTitleTextInset;
    if (const int icon = titleIconSize(bar); icon > 0)
        left += icon + kTitleTextInset;
    int right = cw - kSideMargin - kTitleTextInset;
    if (bar.CanExpand)
        right -= glyphWidth() + kTitleTextInset;
    if (s_.Style == PaneStyleSearch)
        right -= kSearchTitleShrink;
    return QRect(left, 0, std::max(0, right - left), 0);
}

int PanePainter::itemTextWidth(const pcExplorerBarItem& item, int cw) const {
    int width = cw - 2 * kSideMargin - kItemTextReserve;
    if (const int icon = iconSizeOf(item); icon > 0)
        width -= icon + kItemIconGap;
    return std::max(1, width);
}

void PanePainter::measureTitle(pcExplorerBar& bar, int paneWidth, int scrollBarWidth) const {
    const QFontMetrics fm = metrics(titleFont());
    const int lineHeight = fm.height();
    const bool search = s_.Style == PaneStyleSearch;
    const int icon = titleIconSize(bar);
    for (const bool withScroll : {false, true}) {
        const int cw = paneWidth - (withScroll ? scrollBarWidth : 0);
        int textHeight = lineHeight;
        int height = 0;
        if (search) {
            const QString text = bar.Title.size() < 3 ? QStringLiteral("Xg") : bar.Title;
            textHeight = wrappedHeight(fm, titleTextRect(bar, cw).width(), text);
            height = textHeight + kTitleTextAllowance;
        } else if (res_.look == PaneLook::Themed) {
            // The strip picture's height, unless a larger font needs more.
            height = std::max(res_.glyphs[ThemeLibrary::kSpecialStrip].size().height(),
                              textHeight + kTitleTextAllowance);
        } else {
            height = textHeight + kTitleTextAllowance;
        }
        height = std::max(height, kMinTitleHeight);
        if (icon > 0)
            height = std::max(height, icon);
        const bool singleLine = textHeight <= lineHeight;
        if (withScroll) {
            bar.TitleHeightWithScroll = height;
            bar.TitleTextHeightWithScroll = textHeight;
            bar.SingleLineTitleWithScroll = singleLine;
        } else {
            bar.TitleHeightWithoutScroll = height;
            bar.TitleTextHeightWithoutScroll = textHeight;
            bar.SingleLineTitleWithoutScroll = singleLine;
        }
    }
}

void PanePainter::measureItem(pcExplorerBarItem& item, int paneWidth, int scrollBarWidth) const {
    if (item.ItemType == ItemKindHostedControl) {
        int height = 0;
        if (const QWidget* w = item.lPtrPanel.data())
            height = w->height() > 0 ? w->height() : std::max(0, w->sizeHint().height());
        item.HeightWithScroll = item.HeightWithoutScroll = height;
        return;
    }
    const QFontMetrics fm = metrics(itemFont(item, false));
    const int icon = iconSizeOf(item);
    const auto measure = [&](int cw) {
        return std::max(wrappedHeight(fm, itemTextWidth(item, cw), item.Text), icon) +
               kItemExtraHeight;
    };
    item.HeightWithoutScroll = measure(paneWidth);
    item.HeightWithScroll = measure(paneWidth - scrollBarWidth);
}

OleColour PanePainter::defaultPanelColour(bool isSpecial) const {
    if (look() == PaneLook::Classic)
        return kSysColourWindow;
    if (isSpecial)
        return s_.defaultPanelColour;
    return toOle(blend(fromOle(s_.defaultPanelColour), sys(SysActiveCaption), 230));
}

QColor PanePainter::panelColour(const pcExplorerBar& bar) const {
    if (highContrast())
        return sys(SysWindow);
    return resolve(bar.PanelBackColor, defaultPanelColour(bar.IsSpecial));
}

int PanePainter::panelShownHeight(const pcExplorerBar& bar) const {
    if (bar.isAnimating())
        return std::max(0, bar.Height);
    if (bar.State != BarExpanded)
        return 0;
    return s_.scrollBarVisible ? bar.HeightWithScroll : bar.HeightWithoutScroll;
}

bool PanePainter::focusVisible() const {
    return s_.ShowFocusRect && s_.hasFocus && s_.keyboardUsed;
}

QRect PanePainter::titleArea(const pcExplorerBar& bar) const {
    if (bar.Title.isEmpty() && !bar.CanExpand)
        return {};
    return QRect(kSideMargin, bar.Top, clientWidth() - 2 * kSideMargin, titleHeight(bar));
}

QRect PanePainter::itemArea(const pcExplorerBar& bar, const pcExplorerBarItem& item) const {
    const int shown = panelShownHeight(bar);
    if (shown <= 0)
        return {};
    const int cw = clientWidth();
    const QRect panel(kSideMargin, bar.Top + titleHeight(bar), cw - 2 * kSideMargin, shown);
    const int offset = bar.Collapsing ? bar.CollapseOffset : 0;
    const QRect rect(2 * kSideMargin, panel.top() + item.Top + offset, cw - 4 * kSideMargin,
                     itemHeight(item));
    // The focus mark reaches 3 pixels out and 4 below.
    return rect.adjusted(-3, -3, 3, 4) & panel;
}

bool PanePainter::highContrast() const {
    return isHighContrast(pane_->palette());
}

// Under high contrast the pane draws in the scheme's colours alone, whatever
// colours its bars were given.
PaneLook PanePainter::look() const {
    return highContrast() ? PaneLook::Classic : res_.look;
}

QColor PanePainter::paneGround() const {
    if (look() == PaneLook::Classic)
        return sys(SysWindow);
    return resolve(s_.BackColorStart, toOle(blend(sys(SysInactiveCaption), Qt::white, 128)));
}

QColor PanePainter::titleGround(const pcExplorerBar& bar, bool flatStrip) const {
    if (look() == PaneLook::Classic)
        return sys(bar.IsSpecial ? SysActiveCaption : SysButtonFace);
    if (flatStrip || look() == PaneLook::Themed)
        return panelColour(bar);
    return bar.IsSpecial ? resolve(bar.TitleBackColorDark, sysColourCode(SysActiveCaption))
                         : resolve(bar.TitleBackColorDark, kSysColourWindow);
}

// The panels' frames and the search outline are white on the pane's ground.
QColor PanePainter::edgeColour() const {
    return legibleInk(Qt::white, paneGround(), InkRole::Mark, pane_->palette());
}

QColor PanePainter::titleTextColour(const pcExplorerBar& bar, bool flatStrip) const {
    return legibleInk(fixedTitleTextColour(bar, flatStrip), titleGround(bar, flatStrip),
                      isHot(bar) ? InkRole::HotText : InkRole::Text, pane_->palette());
}

QColor PanePainter::fixedTitleTextColour(const pcExplorerBar& bar, bool flatStrip) const {
    const bool hot = isHot(bar);
    if (look() == PaneLook::Classic)
        return sys(bar.IsSpecial ? SysCaptionText : SysWindowText);
    const QColor highlight = sys(SysHighlight);
    // White on a flat, panel-coloured strip would be unreadable: special
    // bars without a dark strip take the standard defaults.
    if (bar.IsSpecial && !flatStrip) {
        return hot ? resolve(bar.TitleForeColorOver, toOle(blend(Qt::white, highlight, 128)))
                   : resolve(bar.TitleForeColor, toOle(Qt::white));
    }
    return hot ? resolve(bar.TitleForeColorOver, toOle(blend(highlight, Qt::black, 240)))
               : resolve(bar.TitleForeColor, toOle(blend(highlight, Qt::black, 192)));
}

QColor PanePainter::itemTextColour(const pcExplorerBar& bar, const pcExplorerBarItem& item) const {
    const InkRole role = isHot(item)                     ? InkRole::HotText
                         : item.ItemType == ItemKindText ? InkRole::Text
                                                         : InkRole::Link;
    return legibleInk(fixedItemTextColour(item), panelColour(bar), role, pane_->palette());
}

QColor PanePainter::fixedItemTextColour(const pcExplorerBarItem& item) const {
    const bool hot = isHot(item);
    OleColour own = hot ? item.TextColorOver : item.TextColor;
    if (look() != PaneLook::Emulated)
        own = kDefaultColour;
    if (own != kDefaultColour)
        return resolve(own, kDefaultColour);
    if (item.ItemType == ItemKindText)
        return sys(SysWindowText);
    return blend(sys(SysHighlight), Qt::black, hot ? 240 : 192);
}

void PanePainter::paintContent(QPainter& p, const QRect& clip) {
    p.save();
    p.setClipRect(clip);
    paintBackground(p, clip);
    const int cw = clientWidth();
    int lastBottom = -1;
    for (const auto& bar : s_.bars) {
        const int bottom = bar->Top + titleHeight(*bar) + panelShownHeight(*bar);
        lastBottom = bottom;
        const QRect extent(kSideMargin, bar->Top, cw - 2 * kSideMargin, bottom - bar->Top);
        if (extent.intersects(clip))
            paintBar(p, *bar, clip);
    }
    if (s_.Style == PaneStyleSearch && lastBottom > kBarGap) {
        const QRect outline(kSideMargin, kBarGap, cw - 2 * kSideMargin, lastBottom - kBarGap);
        drawCutCornerOutline(p, outline, edgeColour());
    }
    p.restore();
}

void PanePainter::paintBackground(QPainter& p, const QRect& clip) const {
    const int height = std::max(1, pane_->height());
    switch (look()) {
    case PaneLook::Classic:
        p.fillRect(clip, sys(SysWindow));
        return;
    case PaneLook::Themed:
        if (!res_.backgroundStops.isEmpty()) {
            QLinearGradient g(0, 0.5, 0, height - 0.5);
            g.setStops(res_.backgroundStops);
            p.fillRect(clip, g);
            return;
        }
        [[fallthrough]];
    case PaneLook::Emulated: {
        const QColor start =
            resolve(s_.BackColorStart, toOle(blend(sys(SysInactiveCaption), Qt::white, 128)));
        const QColor end =
            resolve(s_.BackColorEnd, toOle(blend(sys(SysActiveCaption), Qt::white, 192)));
        if (start == end) {
            p.fillRect(clip, start);
            return;
        }
        QLinearGradient g(0, 0.5, 0, height - 0.5);
        g.setColorAt(0, start);
        g.setColorAt(1, end);
        p.fillRect(clip, g);
        return;
    }
    }
}

void PanePainter::paintBar(QPainter& p, const pcExplorerBar& bar, const QRect& clip) {
    const int cw = clientWidth();
    const int titleH = titleHeight(bar);
    const QRect strip = titleArea(bar);
    if (!strip.isEmpty() && strip.intersects(clip))
        paintTitle(p, bar, strip);

    const int shown = panelShownHeight(bar);
    if (shown <= 0)
        return;
    const QRect panel(kSideMargin, bar.Top + titleH, cw - 2 * kSideMargin, shown);
    if (!panel.intersects(clip))
        return;
    if (!bar.isAnimating() || bar.Alpha >= 255) {
        paintPanel(p, bar, panel, clip);
        return;
    }
    if (bar.Alpha <= 0)
        return;
    // Compose the panel apart, then blend it onto the background.
    const qreal dpr = p.device()->devicePixelRatio();
    const QSize device(qCeil(panel.width() * dpr), qCeil(panel.height() * dpr));
    if (layer_.width() < device.width() || layer_.height() < device.height() ||
        layer_.devicePixelRatio() != dpr) {
        layer_ = QImage(device.expandedTo(layer_.size()), QImage::Format_ARGB32_Premultiplied);
        if (layer_.isNull())
            return;
        layer_.setDevicePixelRatio(dpr);
        shareTextResolution(layer_, *pane_);
    }
    layer_.fill(Qt::transparent);
    {
        QPainter lp(&layer_);
        lp.translate(-panel.topLeft());
        paintPanel(lp, bar, panel, panel);
    }
    p.save();
    p.setOpacity(bar.Alpha / 255.0);
    p.drawImage(QRectF(panel), layer_, QRectF(0, 0, device.width(), device.height()));
    p.restore();
}

void PanePainter::paintTitle(QPainter& p, const pcExplorerBar& bar, const QRect& strip) const {
    const bool hot = isHot(bar);
    const bool expanded = bar.State == BarExpanded;
    const bool flat = !bar.CanExpand || s_.Style == PaneStyleSearch;
    QColor ink = titleTextColour(bar, flat);

    if (look() == PaneLook::Classic) {
        p.fillRect(strip, sys(bar.IsSpecial ? SysActiveCaption : SysButtonFace));
        if (bar.CanExpand)
            drawClassicGlyph(p, strip, expanded, hot, ink, sys(SysButtonHighlight),
                             sys(SysButtonShadow));
    } else {
        if (flat) {
            p.fillRect(strip, panelColour(bar));
        } else if (look() == PaneLook::Themed) {
            drawStretchedStrip(p, strip,
                               res_.glyphs[bar.IsSpecial ? ThemeLibrary::kSpecialStrip
                                                         : ThemeLibrary::kStandardStrip]);
        } else {
            const QColor start =
                bar.IsSpecial ? resolve(bar.TitleBackColorDark, sysColourCode(SysActiveCaption))
                              : resolve(bar.TitleBackColorDark, kSysColourWindow);
            const QColor end = resolve(bar.TitleBackColorLight,
                                       sysColourCode(bar.IsSpecial ? SysGradientActiveCaption
                                                                   : SysGradientInactiveCaption));
            drawGradientStrip(p, strip, start, end, glyphWidth());
        }
        if (bar.CanExpand) {
            const PaneImage& glyph = res_.glyphs[glyphIndex(bar.IsSpecial, expanded, hot)];
            drawPaneImage(p, QPoint(strip.right() + 1 - glyph.size().width() - 2, strip.top() + 1),
                          glyph);
        }
    }

    if (const int icon = titleIconSize(bar); icon > 0) {
        if (const QImage* img = s_.titleImageList.icon(bar.IconIndex))
            drawPicture(p,
                        QRect(strip.left() + kTitleTextInset,
                              strip.top() + (strip.height() - icon) / 2, icon, icon),
                        *img);
    }

    const QRect span = titleTextRect(bar, clientWidth());
    const QRect textRect(span.left(), strip.top(), span.width(), strip.height());
    const QFont font = titleFont();
    p.setFont(font);
    p.setPen(ink);
    const bool singleLine =
        s_.scrollBarVisible ? bar.SingleLineTitleWithScroll : bar.SingleLineTitleWithoutScroll;
    if (s_.Style == PaneStyleSearch && !singleLine) {
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | kTextFlags,
                   bar.Title);
    } else {
        const QString shown =
            metrics(font).elidedText(bar.Title, Qt::ElideRight, textRect.width(), kTextFlags);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | kTextFlags,
                   shown);
    }

    const bool focused = bar.HasFocus || (s_.focusItemID == 0 && s_.focusBarID == bar.ID);
    if (focused && focusVisible())
        drawFocusMark(p, strip.adjusted(1, 1, -1, -1), ink);
}

void PanePainter::paintPanel(QPainter& p, const pcExplorerBar& bar, const QRect& panel,
                             const QRect& clip) const {
    p.save();
    p.setClipRect(panel & clip, Qt::IntersectClip);
    p.fillRect(panel, panelColour(bar));
    paintWatermark(p, bar, panel);
    if (s_.Style != PaneStyleSearch) {
        const QColor edge = edgeColour();
        p.fillRect(QRect(panel.left(), panel.top(), 1, panel.height()), edge);
        p.fillRect(QRect(panel.right(), panel.top(), 1, panel.height()), edge);
        p.fillRect(QRect(panel.left(), panel.bottom(), panel.width(), 1), edge);
    }
    const int offset = bar.Collapsing ? bar.CollapseOffset : 0;
    const int cw = clientWidth();
    for (const auto& it : bar.items) {
        if (it->ItemType == ItemKindHostedControl)
            continue;
        const QRect rect(2 * kSideMargin, panel.top() + it->Top + offset, cw - 4 * kSideMargin,
                         itemHeight(*it));
        // Tops need not grow (SpacingAfter may be negative): test each item.
        if (rect.adjusted(-3, -3, 3, 4).intersects(clip))
            paintItem(p, bar, *it, rect);
    }
    p.restore();
}

void PanePainter::paintWatermark(QPainter& p, const pcExplorerBar& bar, const QRect& panel) const {
    const QImage& pic = bar.watermarkRendered.isNull() ? bar.watermark : bar.watermarkRendered;
    if (pic.isNull())
        return;
    const QSize size = pic.deviceIndependentSize().toSize();
    int x = panel.right() + 1 - size.width();
    if (bar.WatermarkHAlign == 0)
        x = panel.left() + kSideMargin;
    else if (bar.WatermarkHAlign == 1)
        x = panel.left() + (panel.width() - size.width()) / 2;
    x = std::max(x, panel.left());
    const int full = s_.scrollBarVisible ? bar.HeightWithScroll : bar.HeightWithoutScroll;
    int y = bar.WatermarkVAlign == 1 ? panel.top() + (full - size.height()) / 2 : panel.top() + 1;
    if (bar.Collapsing)
        y += bar.CollapseOffset;
    p.drawImage(QRect(QPoint(x, y), size), pic);
}

void PanePainter::paintItem(QPainter& p, const pcExplorerBar& bar, const pcExplorerBarItem& item,
                            const QRect& rect) const {
    const bool hot = isHot(item);
    int textLeft = rect.left();
    if (const int icon = iconSizeOf(item); icon > 0) {
        if (const QImage* img = s_.imageList.icon(item.IconIndex))
            drawPicture(p, QRect(rect.left(), rect.top(), icon, icon), *img);
        textLeft += icon + kItemIconGap;
    }
    const QColor ink = itemTextColour(bar, item);
    p.setFont(itemFont(item, hot));
    p.setPen(ink);
    const QRect textRect(textLeft, rect.top(), itemTextWidth(item, clientWidth()), rect.height());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | kTextFlags, item.Text);

    const bool focused = item.HasFocus || s_.focusItemID == item.ID;
    if (focused && focusVisible()) {
        const QRect mark(QPoint(rect.left() - 3, rect.top() - 3),
                         QPoint(rect.right() + 3, rect.top() + rect.height() + 4 - 1));
        drawFocusMark(p, mark, ink);
    }
}

} // namespace zelvano::pane
