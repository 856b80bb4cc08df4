// Draws the game's pictures from their SVG sources when the game is built, as the pixels a
// window paints: the game carries them as they are and neither decodes nor renders anything.
//   vatro_render_pictures SOURCE.svg OUT.pixels WIDTHxHEIGHT [OUT.pixels WIDTHxHEIGHT ...]
// Each file is a header of four 32-bit numbers in the machine's order (width, height, the
// QImage format, bytes per line), then the lines.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
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
    const std::array<quint32, 4> header = {quint32(image.width()), quint32(image.height()),
                                           quint32(image.format()), quint32(image.bytesPerLine())};
    // Written whole or not at all: a build stopped halfway leaves no broken picture.
    QSaveFile file(out);
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.write(reinterpret_cast<const char*>(header.data()), sizeof header) ==
                       qint64(sizeof header);
    for (int y = 0; written && y < image.height(); ++y) {
        written = file.write(reinterpret_cast<const char*>(image.constScanLine(y)),
                             image.bytesPerLine()) == image.bytesPerLine();
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
