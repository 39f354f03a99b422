// The contrast audit: the main window's nine panels and its task pane, drawn
// offscreen in each colour scheme of contrast-palettes.h. Every text, edge,
// indicator and focus mark is found through the accessible tree's rectangles;
// its colours are read from the drawn picture: the background is the
// rectangle's most frequent colour, the foreground the colour of strongest
// contrast with it among those frequent enough to be ink rather than
// smoothing. One line per element; the exit status is 1 when an element falls
// below 4.5:1 (text) or 3:1 (the rest) and is no prescribed default colour.
// Usage: contrast [--pictures DIR] [SCHEME...]   (default: every scheme, each
// in a process of its own)
// --pictures writes the window with the length panel and with the about
// panel in each scheme, SCHEME-window.png and SCHEME-about.png.

#include "HyperLink.h"
#include "RecordingServices.h"
#include "cExplorerBar.h"
#include "cExplorerBars.h"
#include "contrast-palettes.h"
#include "frmMain.h"
#include "modMain.h"
#include "torkExplorerBarCtl.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QStyleOption>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <tuple>

using namespace zelvano::app;

namespace {

constexpr int kRing = 2;        // width of an edge and of the ground around it
constexpr int kInk = 2;         // pixels of one colour that make ink
constexpr int kGlyphWidth = 23; // a bar title's glyph, at the strip's right end

double luminance(QRgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double ratio(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using Histogram = std::map<QRgb, int>;

Histogram histogram(const QImage& image, const QRegion& region) {
    Histogram h;
    for (const QRect& r : region.intersected(image.rect()))
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ++h[image.pixel(x, y) & RGB_MASK];
    return h;
}

QRgb dominant(const Histogram& h) {
    return std::max_element(h.begin(), h.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Smoothing lies between ink and ground, so it never outdoes the ink; the
// count keeps single stray pixels out.
std::optional<QRgb> ink(const Histogram& h, QRgb ground) {
    std::optional<QRgb> best;
    for (const auto& [c, n] : h)
        if (c != ground && n >= kInk && (!best || ratio(c, ground) > ratio(*best, ground)))
            best = c;
    return best;
}

QRegion ring(const QRect& r) {
    return QRegion(r).subtracted(QRegion(r.adjusted(kRing, kRing, -kRing, -kRing)));
}

QRegion around(const QRect& r) {
    return QRegion(r.adjusted(-kRing, -kRing, kRing, kRing)).subtracted(QRegion(r));
}

struct Audit {
    QString scheme;
    int failures = 0;
    int prescribed = 0;
    int checked = 0;

    void record(const QString& place, const QString& element, const char* kind, QRgb fg,
                QRgb ground, const QRect& at) {
        const double r = ratio(fg, ground);
        const double needed = qstrcmp(kind, "text") == 0 ? 4.5 : 3.0;
        const char* verdict = "ok";
        if (r < needed) {
            verdict = isPrescribed(place, element, kind) ? "prescribed" : "FAIL";
            ++(*verdict == 'F' ? failures : prescribed);
        }
        ++checked;
        std::printf("%-8s %-15s %-36s %-9s #%06x on #%06x %5.2f:1 %-10s at %d,%d %dx%d\n",
                    qPrintable(scheme), qPrintable(place), qPrintable(element.left(36)), kind,
                    fg & RGB_MASK, ground & RGB_MASK, r, verdict, at.x(), at.y(), at.width(),
                    at.height());
    }

    bool isPrescribed(const QString& place, const QString& element, const char* kind) const {
        if (scheme != QLatin1String("default"))
            return false;
        return std::any_of(contrast::kPrescribed.begin(), contrast::kPrescribed.end(),
                           [&](const auto& p) {
                               return place.startsWith(QLatin1String(p.place)) &&
                                      element.startsWith(QLatin1String(p.element)) &&
                                      (*p.kind == 0 || qstrcmp(p.kind, kind) == 0);
                           });
    }

    // Ink inside `area` against the area's own ground; nothing when no ink.
    void text(const QImage& shot, const QString& place, const QString& element, const QRect& area) {
        const Histogram h = histogram(shot, area);
        if (h.empty())
            return;
        const QRgb ground = dominant(h);
        if (const auto fg = ink(h, ground))
            record(place, element, "text", *fg, ground, area);
    }

    void inkOn(const QImage& shot, const QString& place, const QString& element, const char* kind,
               const QRegion& area, const QRegion& groundArea) {
        const Histogram h = histogram(shot, area);
        const Histogram g = histogram(shot, groundArea);
        if (h.empty() || g.empty())
            return;
        const QRgb ground = dominant(g);
        record(place, element, kind, ink(h, ground).value_or(ground), ground, area.boundingRect());
    }

    // The colour a focus mark changed most pixels to between `before` and
    // `after` near `area` (where it crosses text it mixes with it), against
    // the colour it borders most; no change at all is a mark of ratio 1.
    void focus(const QImage& before, const QImage& after, const QString& place,
               const QString& element, const QRect& area) {
        const QRect r = area.adjusted(-4, -4, 4, 4).intersected(before.rect());
        const auto changed = [&](QPoint p) {
            return r.contains(p) && before.pixel(p) != after.pixel(p);
        };
        Histogram mark;
        Histogram next;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                if (!changed({x, y}))
                    continue;
                ++mark[after.pixel(x, y) & RGB_MASK];
                for (const QPoint n :
                     {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)})
                    if (r.contains(n) && !changed(n))
                        ++next[after.pixel(n) & RGB_MASK];
            }
        const QRgb ground = next.empty() ? dominant(histogram(before, r)) : dominant(next);
        record(place, element, "focus", mark.empty() ? ground : dominant(mark), ground, area);
    }
};

QImage shot(QWidget& w) {
    QCoreApplication::processEvents();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect local(QWidget& w, const QRect& screen) {
    return screen.translated(-w.mapToGlobal(QPoint(0, 0)));
}

std::vector<QAccessibleInterface*> visibleTree(QAccessibleInterface* root) {
    std::vector<QAccessibleInterface*> all;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        if (c == nullptr || c->state().invisible || c->rect().isEmpty())
            continue;
        all.push_back(c);
        const auto below = visibleTree(c);
        all.insert(all.end(), below.begin(), below.end());
    }
    return all;
}

// The object's name; a hyperlink label's inner label goes by the label's.
QString nameOf(QAccessibleInterface* iface) {
    QObject* o = iface->object();
    if (o != nullptr && qobject_cast<HyperLink*>(o->parent()) != nullptr)
        o = o->parent();
    const QString name = o != nullptr ? o->objectName() : QString();
    return name.isEmpty() ? iface->text(QAccessible::Name) : name;
}

void auditPanel(Audit& a, frmMain& window, PanelId id) {
    QWidget* panel = window.panel(id);
    window.showPanel(id);
    window.taskPane()->setFocus(Qt::OtherFocusReason);
    const QImage before = shot(window);
    const QString place = panel->objectName();
    std::vector<std::pair<QWidget*, QString>> focusable;
    std::vector<std::tuple<QRadioButton*, QString, QRect, QRect>> radios; // name, mark, whole
    std::vector<std::tuple<QWidget*, QString, QRect>> links;
    for (QAccessibleInterface* e : visibleTree(QAccessible::queryAccessibleInterface(panel))) {
        auto* w = qobject_cast<QWidget*>(e->object());
        const QRect r = local(window, e->rect());
        const QString name = nameOf(e);
        switch (e->role()) {
        case QAccessible::Link:
            links.emplace_back(w, name, r);
            [[fallthrough]];
        case QAccessible::StaticText:
            a.text(before, place, name, r);
            break;
        case QAccessible::RadioButton: {
            QStyleOptionButton o;
            o.initFrom(w);
            const QRect mark = w->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, w);
            const QRect label = w->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, w);
            a.text(before, place, name, label.translated(r.topLeft()));
            a.inkOn(before, place, name, "indicator", mark.translated(r.topLeft()), around(r));
            radios.emplace_back(qobject_cast<QRadioButton*>(w), name, mark.translated(r.topLeft()),
                                r);
            break;
        }
        case QAccessible::Button:
        case QAccessible::EditableText:
            a.text(before, place, name, r.adjusted(3, 3, -3, -3));
            a.inkOn(before, place, name, "edge", ring(r), around(r));
            break;
        case QAccessible::Grouping:
            if (auto* box = qobject_cast<QGroupBox*>(w)) {
                QStyleOptionGroupBox o;
                o.initFrom(box);
                o.text = box->title();
                o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
                const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &o,
                                                                 QStyle::SC_GroupBoxLabel, box);
                if (!box->title().isEmpty())
                    a.text(before, place, name, label.translated(r.topLeft()));
                const QRect frame = r.adjusted(0, label.height() / 2, 0, 0);
                a.inkOn(before, place, name, "edge",
                        ring(frame).subtracted(label.translated(r.topLeft())), around(frame));
            }
            break;
        default:
            break;
        }
        if (w != nullptr && e->state().focusable)
            focusable.emplace_back(w, name);
    }
    for (const auto& [w, name] : focusable) {
        w->setFocus(Qt::TabFocusReason);
        window.setAttribute(Qt::WA_KeyboardFocusChange); // as after a Tab
        a.focus(before, shot(window), place, name, QRect(w->mapTo(&window, QPoint()), w->size()));
    }
    window.taskPane()->setFocus(Qt::OtherFocusReason);
    for (const auto& [link, name, r] : links) {
        QTest::mouseMove(link, link->rect().center());
        a.text(shot(window), place, name + QStringLiteral(" hot"), r);
        QTest::mouseMove(&window, QPoint(1, 1));
        QTest::qWait(100); // the link ends its hover on a 50 ms timer
    }
    for (const auto& [radio, name, mark, whole] : radios) {
        radio->setChecked(true);
        a.inkOn(shot(window), place, name + QStringLiteral(" checked"), "indicator", mark,
                around(whole));
    }
}

struct PaneRow {
    QString name;
    QRect rect;
    bool title;
    bool focused; // holds the focus mark
};

std::vector<PaneRow> paneRows(torkExplorerBarCtl& pane) {
    std::vector<PaneRow> rows;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&pane);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* row = root->child(i);
        const bool title = row->role() == QAccessible::Button;
        if ((title || row->role() == QAccessible::Link) && !row->state().invisible &&
            !row->rect().isEmpty())
            rows.push_back({QStringLiteral("%1:%2").arg(QLatin1String(title ? "title" : "item"),
                                                        row->text(QAccessible::Name)),
                            local(pane, row->rect()), title, row->state().focused != 0});
    }
    return rows;
}

void auditRow(Audit& a, const QImage& shot, const QString& place, const PaneRow& row) {
    if (!row.title) {
        a.text(shot, place, row.name, row.rect.adjusted(2, 0, -2, 0)); // off the panel's edges
        return;
    }
    QRect glyph = row.rect;
    glyph.setLeft(row.rect.right() - kGlyphWidth);
    const QRect strip = row.rect.adjusted(3, 2, -kGlyphWidth, 0); // off the rounded corners
    a.text(shot, place, row.name, strip);
    a.inkOn(shot, place, row.name, "indicator", glyph, strip);
}

// The pane once its bars' animation has ended: two pictures alike 100 ms apart.
QImage settled(torkExplorerBarCtl& pane) {
    QImage last = shot(pane);
    for (int i = 0; i < 50; ++i) {
        QTest::qWait(100);
        QImage now = shot(pane);
        if (now == last)
            break;
        last = now;
    }
    return last;
}

void auditPane(Audit& a, frmMain& window) {
    torkExplorerBarCtl& pane = *window.taskPane();
    const QPoint away(2, pane.height() - 2);
    QTest::mouseMove(&pane, away);
    const std::vector<PaneRow> rows = paneRows(pane);
    const QImage normal = shot(pane);
    // A bar's frame: its panel, from below its title to below its last item.
    for (auto title = rows.begin(); title != rows.end(); ++title) {
        QRect panel;
        for (auto item = title + 1; item != rows.end() && !item->title; ++item)
            panel |= item->rect;
        if (!title->title || panel.isEmpty())
            continue;
        panel.setTop(title->rect.bottom() + 1);
        panel.setBottom(panel.bottom() + 6); // the panel's inner margin
        a.inkOn(normal, QStringLiteral("pane/normal"), title->name, "edge", ring(panel),
                around(panel));
    }
    for (const PaneRow& row : rows) {
        auditRow(a, normal, QStringLiteral("pane/normal"), row);
        QTest::mouseMove(&pane, row.rect.center());
        auditRow(a, shot(pane), QStringLiteral("pane/hot"), row);
        QTest::mousePress(&pane, Qt::LeftButton, {}, row.rect.center());
        auditRow(a, shot(pane), QStringLiteral("pane/pressed"), row);
        QTest::mouseRelease(&pane, Qt::LeftButton, {}, away); // off the row: no click
        QTest::mouseMove(&pane, away);
    }

    pane.clearFocus();
    const QImage unmarked = shot(pane);
    pane.setFocus(Qt::TabFocusReason);
    for (std::size_t step = 0; step < rows.size(); ++step) {
        // The mark shows once the keyboard is used: Home puts it on the first title.
        QTest::keyClick(&pane, step == 0 ? Qt::Key_Home : Qt::Key_Down);
        const QImage marked = shot(pane);
        for (const PaneRow& row : paneRows(pane))
            if (row.focused)
                a.focus(unmarked, marked, QStringLiteral("pane/focused"), row.name, row.rect);
    }

    cExplorerBars bars = pane.Bars();
    for (int b = 1; b <= bars.Count(); ++b)
        bars.Item(b).setState(BarCollapsed);
    const QImage collapsed = settled(pane);
    for (const PaneRow& row : paneRows(pane))
        auditRow(a, collapsed, QStringLiteral("pane/collapsed"), row);
    for (int b = 1; b <= bars.Count(); ++b)
        bars.Item(b).setState(BarExpanded);
    settled(pane);
}

QPalette paletteOf(const contrast::Scheme& scheme, const QPalette& programs) {
    if (scheme.roles.empty())
        return programs;
    const auto colourOf = [&](QPalette::ColorRole role) {
        const auto it = std::find_if(scheme.roles.begin(), scheme.roles.end(),
                                     [&](const auto& c) { return c.role == role; });
        return QColor::fromRgb(it->rgb);
    };
    QPalette p(colourOf(QPalette::Button), colourOf(QPalette::Window));
    for (const auto& [role, rgb] : scheme.roles)
        p.setColor(role, QColor::fromRgb(rgb));
    for (const auto& [role, rgb] : scheme.disabled)
        p.setColor(QPalette::Disabled, role, QColor::fromRgb(rgb));
    return p;
}

// One scheme in this process, with the environment set before the program's
// start-up code reads it.
int auditScheme(int argc, char** argv, const contrast::Scheme& scheme, const QString& pictures) {
    if (scheme.highContrast)
        qputenv("ZELVANO_HIGH_CONTRAST", "1");
    else
        qunsetenv("ZELVANO_HIGH_CONTRAST");
    QApplication app(argc, argv);
    modMain::prepareApplication(app);
    QAccessible::setActive(true);
    QApplication::setPalette(paletteOf(scheme, QApplication::palette()));
    RecordingServices services;
    frmMain window(services);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "contrast: the window was not active within 5 s\n");
        return 2;
    }
    const QString name = QString::fromLatin1(scheme.name);
    Audit audit{name};
    for (std::size_t id = 0; id < kPanelCount; ++id)
        auditPanel(audit, window, static_cast<PanelId>(id));
    auditPane(audit, window);
    window.taskPane()->clearFocus(); // no focus mark in the pictures
    for (const auto& [id, view] :
         {std::pair{PanelId::Length, "window"}, std::pair{PanelId::About, "about"}}) {
        window.showPanel(id);
        if (!pictures.isEmpty())
            shot(window).save(
                QStringLiteral("%1/%2-%3.png").arg(pictures, name, QLatin1String(view)));
    }
    std::printf("%s: %d elements, %d below the ratio, %d prescribed colours below it\n",
                scheme.name, audit.checked, audit.failures, audit.prescribed);
    return audit.failures == 0 ? 0 : 1;
}

} // namespace

// Several schemes: each in a process of its own.
int main(int argc, char** argv) {
    QString pictures;
    QStringList wanted;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--pictures") == 0 && i + 1 < argc)
            pictures = QString::fromLocal8Bit(argv[++i]);
        else
            wanted << QString::fromLocal8Bit(argv[i]);
    }
    int status = 0;
    for (const contrast::Scheme& scheme : contrast::kSchemes) {
        const QString name = QString::fromLatin1(scheme.name);
        if (!wanted.isEmpty() && !wanted.contains(name))
            continue;
        if (wanted.size() == 1)
            return auditScheme(argc, argv, scheme, pictures);
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QString::fromLocal8Bit(argv[0]),
                  pictures.isEmpty() ? QStringList{name}
                                     : QStringList{QStringLiteral("--pictures"), pictures, name});
        if (!one.waitForFinished(300'000)) {
            std::fprintf(stderr, "contrast: %s did not end within 300 s\n", scheme.name);
            return 2;
        }
        status = std::max(status, one.exitStatus() == QProcess::NormalExit ? one.exitCode() : 2);
    }
    if (wanted.size() == 1) {
        std::fprintf(stderr, "contrast: no scheme '%s'\n", qPrintable(wanted.first()));
        return 2;
    }
    return status;
}
