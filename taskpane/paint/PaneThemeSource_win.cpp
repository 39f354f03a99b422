#include "paint/PaneThemeSource.h"

#include <QByteArray>
#include <QFileInfo>
#include <QWidget>

#include <windows.h>

#include <uxtheme.h>

#include <cstring>

namespace zelvano::pane {

namespace {

struct ThemeData {
    HTHEME handle;
    ~ThemeData() {
        if (handle)
            CloseThemeData(handle);
    }
};

struct DataLibrary {
    HMODULE handle;
    ~DataLibrary() {
        if (handle)
            FreeLibrary(handle);
    }
};

// Task-pane pictures are small; anything larger is not one of them.
constexpr LONG kLargestSide = 4096;

// A 32-bit bitmap with any alpha in it carries its own transparency (the
// glyphs, premultiplied for blending); one whose alpha is all zero is opaque.
QImage fromDib32(const uchar* bits, int width, int height, bool topDown) {
    QImage image(width, height, QImage::Format_ARGB32);
    const qsizetype stride = qsizetype(width) * 4;
    bool anyAlpha = false, premultiplied = true;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::memcpy(line, bits + stride * (topDown ? y : height - 1 - y), stride);
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            anyAlpha = anyAlpha || a != 0;
            premultiplied = premultiplied && qRed(p) <= a && qGreen(p) <= a && qBlue(p) <= a;
        }
    }
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] |= 0xff000000u;
        }
        image.reinterpretAsFormat(QImage::Format_RGB32);
        return image;
    }
    if (premultiplied) {
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        return image;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A bitmap resource is a DIB without its file header: 32-bit ones are read
// here for their alpha, the others by Qt's BMP reader once the header is put
// in front.
QImage fromDib(const uchar* data, qsizetype size) {
    BITMAPINFOHEADER info;
    if (size < qsizetype(sizeof info))
        return {};
    std::memcpy(&info, data, sizeof info);
    const LONG height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    if (info.biSize < sizeof info || info.biSize >= size || info.biWidth <= 0 || height <= 0 ||
        info.biWidth > kLargestSide || height > kLargestSide)
        return {};
    if (info.biBitCount == 32 && info.biCompression == BI_RGB) {
        if (info.biSize + qsizetype(info.biWidth) * 4 * height > size)
            return {};
        return fromDib32(data + info.biSize, info.biWidth, height, info.biHeight < 0);
    }
    qsizetype colours = info.biClrUsed;
    if (colours == 0 && info.biBitCount <= 8)
        colours = qsizetype(1) << info.biBitCount;
    const qsizetype masks =
        info.biCompression == BI_BITFIELDS && info.biSize == sizeof info ? 12 : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4d42; // "BM"
    file.bfSize = DWORD(sizeof file + size);
    file.bfOffBits = DWORD(sizeof file + info.biSize + masks + colours * 4);
    QByteArray bmp(reinterpret_cast<const char*>(&file), sizeof file);
    bmp.append(reinterpret_cast<const char*>(data), size);
    QImage image;
    if (!image.loadFromData(bmp, "BMP"))
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QImage bitmapResource(HMODULE library, int number) {
    HRSRC found =
        FindResourceW(library, MAKEINTRESOURCEW(number), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(library, found);
    const auto* data = loaded ? static_cast<const uchar*>(LockResource(loaded)) : nullptr;
    return data ? fromDib(data, SizeofResource(library, found)) : QImage();
}

// The theme's background for the pane, as a column to take gradient stops
// from; nothing when the theme draws none.
PaneImage themeBackground(HTHEME theme) {
    constexpr int kWidth = 1, kHeight = 256;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    PaneImage out;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc && bitmap && bits) {
        HGDIOBJ before = SelectObject(dc, bitmap);
        RECT area{0, 0, kWidth, kHeight};
        const bool drawn = SUCCEEDED(DrawThemeBackground(theme, dc, 0, 0, &area, nullptr));
        GdiFlush();
        QImage column(static_cast<const uchar*>(bits), kWidth, kHeight, QImage::Format_RGB32);
        const bool blank = column.pixel(0, 0) == 0 && column.pixel(0, kHeight - 1) == 0;
        if (drawn && !blank)
            out.normal = column.copy();
        SelectObject(dc, before);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (dc)
        DeleteDC(dc);
    return out;
}

} // namespace

std::optional<GlyphSet> shellStyleImages(const QString& libraryPath) {
    if (!QFileInfo(libraryPath).isFile())
        return std::nullopt;
    const DataLibrary library{LoadLibraryExW(reinterpret_cast<LPCWSTR>(libraryPath.utf16()),
                                             nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    if (!library.handle)
        return std::nullopt;
    GlyphSet set;
    for (std::size_t i = 0; i < set.size(); ++i) {
        set[i].normal = bitmapResource(library.handle, ThemeLibrary::kImageNumbers[i]);
        if (set[i].isNull())
            return std::nullopt;
    }
    keyOutStripCorners(set);
    return set;
}

ThemeOffer shellStyleTheme(const QString& themeFile, const QString& colourScheme) {
    ThemeOffer offer;
    offer.active = true;
    offer.images = shellStyleImages(shellStyleLibraryPath(themeFile, colourScheme));
    return offer;
}

ThemeOffer systemTheme(const QWidget* pane) {
    // Under high contrast or a dark scheme the shell's images, made for a
    // light scheme, give way to the classic look in the scheme's colours.
    if (pane && !visualStyleActive(pane))
        return {};
    // The top-level window's handle, only if it has one already: asking a
    // child widget for its own would turn it into a native window.
    const HWND window = pane ? reinterpret_cast<HWND>(pane->window()->internalWinId()) : nullptr;
    const ThemeData theme{OpenThemeData(window, L"ExplorerBar")};
    if (!theme.handle)
        return {}; // no visual style: the classic look
    wchar_t file[MAX_PATH] = {};
    wchar_t scheme[MAX_PATH] = {};
    if (FAILED(GetCurrentThemeName(file, MAX_PATH, scheme, MAX_PATH, nullptr, 0)))
        return ThemeOffer{true, std::nullopt, {}};
    ThemeOffer offer =
        shellStyleTheme(QString::fromWCharArray(file), QString::fromWCharArray(scheme));
    if (offer.images)
        offer.background = themeBackground(theme.handle);
    return offer;
}

} // namespace zelvano::pane
