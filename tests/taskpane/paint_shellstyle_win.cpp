// The pane's pictures from a theme's task-pane image library: a fake theme
// folder whose Shell\NormalColor\shellstyle.dll holds bitmaps written here,
// complete, lacking one, or absent; and the system's own offer, which under a
// desktop without visual styles gives the classic look.

#include "paint/PaneColours.h"
#include "paint/PaneThemeSource.h"
#include "paint_harness.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

using namespace paintfix;

namespace {

constexpr QRgb kPanelSample = qRgb(1, 2, 3);
constexpr QRgb kStripKey = qRgb(0, 255, 0);
constexpr QRgb kStrip = qRgb(200, 100, 50);
constexpr QRgb kGlyph = qRgba(0, 0, 128, 128); // premultiplied: half-transparent blue

// A 32-bit bottom-up DIB with the picture's premultiplied alpha.
QByteArray dib32(const QImage& picture) {
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = img.width();
    info.biHeight = img.height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    QByteArray out(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = img.height() - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
    return out;
}

// Qt's own BMP writer for an opaque picture (24 bits), less the file header.
QByteArray dibOf(const QImage& picture) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    picture.save(&file, "BMP");
    return file.data().mid(sizeof(BITMAPFILEHEADER));
}

QImage filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage img(size, format);
    img.fill(uint(colour)); // as stored: kGlyph is already premultiplied
    return img;
}

// Writes the fake theme's library with every image but `missing` (0: all).
bool writeLibrary(const QString& path, int missing) {
    const QString stub =
        QCoreApplication::applicationDirPath() + u'/' + QString::fromLatin1(ZELVANO_RESOURCE_STUB);
    if (!QDir().mkpath(QFileInfo(path).path()) || !QFile::copy(stub, path))
        return false;
    HANDLE update = BeginUpdateResourceW(reinterpret_cast<LPCWSTR>(path.utf16()), FALSE);
    if (!update)
        return false;
    for (const int n : ThemeLibrary::kImageNumbers) {
        if (n == missing)
            continue;
        QByteArray dib;
        if (n == 14) {
            dib = dibOf(filled({8, 8}, kPanelSample));
        } else if (n == 110 || n == 112) {
            QImage strip = filled({40, 25}, kStrip);
            strip.setPixel(0, 0, kStripKey);
            dib = dibOf(strip);
        } else {
            // The top row clear, to tell top from bottom.
            QImage glyph = filled({19, 19}, kGlyph, QImage::Format_ARGB32_Premultiplied);
            std::memset(glyph.scanLine(0), 0, glyph.bytesPerLine());
            dib = dib32(glyph);
        }
        if (!UpdateResourceW(update, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(n),
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), dib.data(),
                             DWORD(dib.size()))) {
            EndUpdateResourceW(update, TRUE);
            return false;
        }
    }
    return EndUpdateResourceW(update, FALSE);
}

struct LibraryCase {
    const char* name;
    bool library;
    int missing; // image number left out, 0: none
    PaneLook look;
};

class ShellStyleLibrary : public testing::TestWithParam<LibraryCase> {};

TEST_P(ShellStyleLibrary, GivesTheLookOfWhatItHolds) {
    const LibraryCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString themeFile =
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("Plain.msstyles")));
    const QString library = shellStyleLibraryPath(themeFile, QStringLiteral("NormalColor"));
    EXPECT_EQ(library, QDir::toNativeSeparators(
                           dir.filePath(QStringLiteral("Shell/NormalColor/shellstyle.dll"))));
    if (c.library) {
        ASSERT_TRUE(writeLibrary(library, c.missing));
    }

    Harness h;
    auto& bar = addBar(h.state, QStringLiteral("Тема"), true);
    h.renderer.setThemeSource(
        [&](const QWidget*) { return shellStyleTheme(themeFile, QStringLiteral("NormalColor")); });
    h.refresh();
    EXPECT_EQ(h.renderer.look(), c.look);
    EXPECT_EQ(h.state.UseExplorerStyle, c.look == PaneLook::Themed);
    if (c.look != PaneLook::Themed)
        return;
    // The panel colour is the sample's top-left pixel, the title as high as
    // its strip, whose key colour is cut out; the glyph keeps its alpha.
    EXPECT_EQ(h.renderer.defaultPanelColour(true), toOle(QColor(kPanelSample)));
    EXPECT_EQ(bar.TitleHeightWithoutScroll, 25);
    const QImage shot = h.shot();
    const QRect strip = h.renderer.titleRect(bar);
    EXPECT_NE(shot.pixel(strip.topLeft()), kStripKey);
    EXPECT_EQ(shot.pixel(strip.left() + 1, strip.top() + 5), kStrip);
    const int glyphMiddle = strip.right() - 2 - 19 + 9;
    EXPECT_EQ(shot.pixel(glyphMiddle, strip.top() + 1), kStrip) << "the glyph's clear top row";
    const QRgb glyph = shot.pixel(glyphMiddle, strip.top() + 1 + 9);
    const QRgb halfBlueOverStrip = qRgb(100, 50, 153);
    for (const int shift : {16, 8, 0})
        EXPECT_NEAR((glyph >> shift) & 0xff, (halfBlueOverStrip >> shift) & 0xff, 1)
            << std::hex << glyph;
}

INSTANTIATE_TEST_SUITE_P(FakeTheme, ShellStyleLibrary,
                         testing::Values(LibraryCase{"Complete", true, 0, PaneLook::Themed},
                                         LibraryCase{"LacksAGlyph", true, 107, PaneLook::Emulated},
                                         LibraryCase{"LacksThePanelSample", true, 14,
                                                     PaneLook::Emulated},
                                         LibraryCase{"NoLibrary", false, 0, PaneLook::Emulated}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SystemTheme, WithoutVisualStylesThePaneIsClassic) {
    Harness h;
    if (systemTheme(&h.widget).active)
        GTEST_SKIP() << "this desktop has a visual style active";
    h.renderer.setThemeSource(systemTheme);
    h.refresh();
    EXPECT_EQ(h.renderer.look(), PaneLook::Classic);
    EXPECT_TRUE(h.state.UseExplorerStyle);
}

} // namespace
