#include "fontmap.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace vatro {

QString mappedFamily(const std::u16string& designedName) {
    // The windows were designed with these Windows fonts; each stand-in has Cyrillic and
    // about the same widths, so captions fit their buttons as they were meant to.
    static const std::array<std::pair<const char16_t*, const char*>, 4> standIns = {{
        {u"Arial", "Liberation Sans"},
        {u"Times New Roman", "Liberation Serif"},
        {u"MS Sans Serif", "Liberation Sans"},
        {u"Monotype Corsiva", "Z003"},
    }};
    for (const auto& [designed, installed] : standIns) {
        if (designedName == designed)
            return QString::fromLatin1(installed);
    }
    return QString::fromStdU16String(designedName);
}

QFont qtFont(const Font& font) {
    QFont result(mappedFamily(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

namespace {

// A few letters in the font, at a size where a bold cut shows plainly.
QImage sampleLetters(QFont font) {
    font.setPixelSize(24);
    QImage image(120, 40, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 30, QStringLiteral("МОЛж"));
    return image;
}

// The stroke that emboldens: a sixteenth of the letters' height, as a bold cut adds.
constexpr qreal EmboldenShare = 1.0 / 16;

// Whether the font asks for bold but is drawn as thin as its regular weight.
bool lacksBold(const QFont& font) {
    if (!font.bold())
        return false;
    static std::map<std::pair<QString, bool>, bool> known;
    const auto [entry, added] = known.try_emplace({font.family(), font.italic()}, false);
    if (added) {
        QFont regular = font;
        regular.setBold(false);
        entry->second = sampleLetters(font) == sampleLetters(regular);
    }
    return entry->second;
}

} // namespace

void drawFontText(QPainter& painter, QPoint at, const QString& text) {
    if (!lacksBold(painter.font())) {
        painter.drawText(at, text);
        return;
    }
    QPainterPath letters;
    letters.addText(at, painter.font(), text);
    const QColor color = painter.pen().color();
    const qreal stroke = std::max(1.0, QFontInfo(painter.font()).pixelSize() * EmboldenShare);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(color);
    painter.setPen(QPen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(letters);
    painter.restore();
}

} // namespace vatro
