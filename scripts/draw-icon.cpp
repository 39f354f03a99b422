// Draws the program icon: a glossy round emblem with a silver-white outer disc,
// a blue ring and a glossy black centre with a light reflection at its top.
// Writes one PNG per size, a 256-colour 16-pixel PNG and an .ico holding all ten.
// Usage: draw-icon OUTPUT_FOLDER

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 72, 96, 128, 256};
constexpr int kOversample = 8; // drawn large and reduced, for clean edges at 16 pixels

void drawDisc(QPainter& p, qreal radius, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(QPointF(0, 0), radius, radius);
}

void drawEmblem(QPainter& p, qreal r) {
    // Soft shadow below the disc.
    QRadialGradient shadow(QPointF(0, r * 0.06), r);
    shadow.setColorAt(0.90, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    drawDisc(p, r, shadow);

    // Silver-white outer disc, lit from the top left, with a grey rim.
    QLinearGradient silver(QPointF(-r * 0.5, -r), QPointF(r * 0.5, r));
    silver.setColorAt(0.0, QColor(255, 255, 255));
    silver.setColorAt(0.5, QColor(226, 230, 236));
    silver.setColorAt(1.0, QColor(160, 166, 176));
    drawDisc(p, r * 0.94, QColor(120, 126, 136));
    drawDisc(p, r * 0.90, silver);

    // Blue ring: a bright outer edge shading to deep blue.
    QRadialGradient blue(QPointF(0, -r * 0.2), r * 0.9);
    blue.setColorAt(0.0, QColor(110, 180, 255));
    blue.setColorAt(0.6, QColor(30, 110, 220));
    blue.setColorAt(1.0, QColor(8, 50, 140));
    drawDisc(p, r * 0.72, QColor(20, 50, 110));
    drawDisc(p, r * 0.69, blue);

    // Glossy black centre.
    QRadialGradient black(QPointF(0, r * 0.15), r * 0.5);
    black.setColorAt(0.0, QColor(60, 64, 72));
    black.setColorAt(0.7, QColor(14, 15, 18));
    black.setColorAt(1.0, QColor(0, 0, 0));
    drawDisc(p, r * 0.48, QColor(0, 0, 0));
    drawDisc(p, r * 0.46, black);

    // The reflection: a light ellipse over the top of the centre, fading downwards.
    const QRectF gloss(-r * 0.34, -r * 0.42, r * 0.68, r * 0.40);
    QLinearGradient light(gloss.topLeft(), gloss.bottomLeft());
    light.setColorAt(0.0, QColor(255, 255, 255, 220));
    light.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setBrush(light);
    p.drawEllipse(gloss);

    // A faint highlight on the upper edge of the silver disc.
    QPainterPath arc;
    arc.addEllipse(QPointF(0, 0), r * 0.88, r * 0.88);
    QPainterPath inner;
    inner.addEllipse(QPointF(0, r * 0.06), r * 0.86, r * 0.86);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(arc.subtracted(inner));
}

QImage drawIcon(int size) {
    const int big = size * kOversample;
    QImage image(big, big, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(big / 2.0, big / 2.0);
        drawEmblem(p, big / 2.0);
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The 256-colour image: an exact palette (16 x 16 pixels never need more than
// 256 colours) and a one-bit transparency, as old displays show icons.
QImage toIndexed(const QImage& image) {
    QList<QRgb> palette{qRgba(0, 0, 0, 0)};
    std::vector<uint> indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QRgb colour = qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : (pixel | 0xff000000u);
            qsizetype index = palette.indexOf(colour);
            if (index < 0) {
                index = palette.size();
                palette.append(colour);
            }
            indices.push_back(static_cast<uint>(index));
        }
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette); // before the pixels: setPixel checks indices against it
    auto index = indices.begin();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            indexed.setPixel(x, y, *index++);
    return indexed;
}

struct IcoEntry {
    int size;
    int bitsPerPixel;
    QByteArray png;
};

// An icon file whose images are PNG streams (read by every Windows that Qt 6 runs on).
QByteArray icoFile(const std::vector<IcoEntry>& entries) {
    QByteArray out;
    auto put16 = [&out](quint16 v) {
        out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2);
    };
    auto put32 = [&out](quint32 v) {
        out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4);
    };
    put16(0);
    put16(1);
    put16(static_cast<quint16>(entries.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(entries.size());
    for (const IcoEntry& e : entries) {
        out.append(static_cast<char>(e.size % 256));
        out.append(static_cast<char>(e.size % 256));
        out.append(char(0)); // 256 colours or more
        out.append(char(0));
        put16(1);
        put16(static_cast<quint16>(e.bitsPerPixel));
        put32(static_cast<quint32>(e.png.size()));
        put32(offset);
        offset += static_cast<quint32>(e.png.size());
    }
    for (const IcoEntry& e : entries)
        out.append(e.png);
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw-icon: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    std::vector<IcoEntry> entries;
    const QImage small = toIndexed(drawIcon(16));
    entries.push_back({16, 8, pngBytes(small)});
    bool ok = writeFile(out.filePath(QStringLiteral("zelvano-16-256.png")), entries.back().png);
    for (int size : kSizes) {
        entries.push_back({size, 32, pngBytes(drawIcon(size))});
        ok = writeFile(out.filePath(QStringLiteral("zelvano-%1.png").arg(size)),
                       entries.back().png) &&
             ok;
    }
    ok = writeFile(out.filePath(QStringLiteral("zelvano.ico")), icoFile(entries)) && ok;
    return ok ? 0 : 1;
}
