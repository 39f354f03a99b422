// A link that sizes itself is a whole text line tall: nothing of the
// descenders below the underline is cut off, at 96 DPI and at twice that.

#include "HyperLink.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The lowest row, in device pixels below the line's top, that the text inks
// when drawn as a top-aligned label draws it.
int lowestInkedRow(const QFont& font, const QString& text, qreal scale) {
    constexpr int kTop = 10;
    const QFontMetrics metrics(font);
    QImage image(QSize(metrics.horizontalAdvance(text) + 20, kTop + 3 * metrics.height()) * scale,
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, kTop + metrics.ascent()), text);
    painter.end();
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 250)
                lowest = y;
    return lowest - static_cast<int>(kTop * scale);
}

QFont linkFont(const QString& family) {
    QFont font(family);
    font.setPixelSize(11);
    font.setUnderline(true);
    return font;
}

TEST(HyperLinkSize, HoldsAWholeLineOfText) {
    std::vector<QFont> fonts{linkFont(QFont().family())};
    // The Tahoma-compatible face whose reported descent is shorter than its
    // descenders, where it is installed (fonts-wine).
    const int tahoma = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
    if (tahoma >= 0)
        fonts.push_back(linkFont(QFontDatabase::applicationFontFamilies(tahoma).value(0)));

    for (const QFont& font : fonts)
        for (const QString& caption :
             {QStringLiteral("zelvano@example.org"), QStringLiteral("https://www.example.org/")}) {
            HyperLink link;
            link.setFont(font);
            link.setCaption(caption);
            EXPECT_GE(link.height(), QFontMetrics(font).height());
            EXPECT_EQ(link.label()->height(), link.height());
            for (const qreal scale : {1.0, 2.0}) {
                SCOPED_TRACE(QStringLiteral("%1, %2, x%3")
                                 .arg(font.family(), caption)
                                 .arg(scale)
                                 .toStdString());
                EXPECT_LT(lowestInkedRow(font, caption, scale), link.height() * scale);
            }
        }
    if (tahoma >= 0)
        QFontDatabase::removeApplicationFont(tahoma);
}

} // namespace
