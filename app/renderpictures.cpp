// Draws the game's pictures from their SVG sources when the game is built, as the pixels a
// window paints: the game carries them as they are and neither decodes nor renders anything.
//   vatro_render_pictures SOURCE.svg OUT.pixels WIDTHxHEIGHT [OUT.pixels WIDTHxHEIGHT ...]
// Each file is a header of nine 32-bit numbers in the machine's order, then the lines of the
// part inside the picture's margin: a margin of one colour is told, not stored (see
// view/pictures.cpp).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>

#include <array>
#include <cstdio>

namespace {

bool isOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 255)
                return false;
        }
    }
    return true;
}

// The corner pixel as the image stores it.
QRgb cornerPixel(const QImage& image) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
}

// The part of the picture that differs from the colour of its top left corner, with two
// pixels of that colour around it, so that a scaled copy blends into the margin as the whole
// picture would.
QRect drawnPart(const QImage& image) {
    const QRgb margin = cornerPixel(image);
    QRect part;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != margin)
                part |= QRect(x, y, 1, 1);
        }
    }
    constexpr int Border = 2;
    return part.isEmpty() ? QRect(0, 0, 1, 1)
                          : part.adjusted(-Border, -Border, Border, Border) & image.rect();
}

bool render(QSvgRenderer& source, const QString& out, const QString& size) {
    const QStringList sides = size.split(QLatin1Char('x'));
    const int width = sides.value(0).toInt();
    const int height = sides.value(1).toInt();
    if (sides.size() != 2 || width <= 0 || height <= 0) {
        std::fprintf(stderr, "vatro_render_pictures: bad size %s\n", qPrintable(size));
        return false;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        source.render(&painter);
    }
    // A picture without a see-through pixel is kept without alpha: it is copied, not
    // blended, whenever a window paints it.
    if (isOpaque(image))
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRect part = drawnPart(image);
    const QImage drawn = image.copy(part);
    // Whole size, format, bytes per drawn line, where the drawn part lies and its size, and
    // the margin's pixel as the format stores it.
    const std::array<quint32, 9> header = {
        quint32(image.width()),        quint32(image.height()), quint32(image.format()),
        quint32(drawn.bytesPerLine()), quint32(part.x()),       quint32(part.y()),
        quint32(part.width()),         quint32(part.height()),  quint32(cornerPixel(image))};
    // Written whole or not at all: a build stopped halfway leaves no broken picture.
    QSaveFile file(out);
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.write(reinterpret_cast<const char*>(header.data()), sizeof header) ==
                       qint64(sizeof header);
    for (int y = 0; written && y < drawn.height(); ++y) {
        written = file.write(reinterpret_cast<const char*>(drawn.constScanLine(y)),
                             drawn.bytesPerLine()) == drawn.bytesPerLine();
    }
    if (!written || !file.commit()) {
        std::fprintf(stderr, "vatro_render_pictures: cannot write %s\n", qPrintable(out));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // The labels of the pictures are set in installed fonts, which need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4 || args.size() % 2 != 0) {
        std::fprintf(
            stderr,
            "usage: vatro_render_pictures SOURCE.svg OUT.pixels WxH [OUT.pixels WxH ...]\n");
        return 2;
    }
    QSvgRenderer source(args[1]);
    if (!source.isValid()) {
        std::fprintf(stderr, "vatro_render_pictures: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (int n = 2; n + 1 < args.size(); n += 2) {
        if (!render(source, args[n], args[n + 1]))
            return 1;
    }
    return 0;
}
