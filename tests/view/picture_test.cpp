// The mouse picture a first start draws is kept for later starts; whatever lies in the
// cache folder, a start shows the very same picture.
#include "view/pictures.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>
#include <limits>

namespace vatro::testing {
namespace {

QString keptFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/pictures");
}

QImage startUpPicture() {
    return PendingPicture("mouse.svg", 1.0).take("mouse.svg", 1.0);
}

QStringList keptCopies() {
    return QDir(keptFolder()).entryList({QStringLiteral("*.pixels")}, QDir::Files);
}

TEST(KeptPicture, LaterStartsShowWhatTheFirstDrewWhateverTheCacheHolds) {
    QDir(keptFolder()).removeRecursively();
    const QImage drawn = startUpPicture();
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.size(), QSize(571, 472));
    ASSERT_EQ(keptCopies().size(), 1);
    EXPECT_EQ(startUpPicture(), drawn);

    const QString kept = keptFolder() + QLatin1Char('/') + keptCopies().front();
    const auto damage = [&](qint64 at, const QByteArray& bytes) {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(at);
        file.write(bytes);
    };
    // A pixel ratio no screen has, then a copy cut short: each is drawn again.
    const double noRatio = std::numeric_limits<double>::quiet_NaN();
    damage(16, QByteArray(reinterpret_cast<const char*>(&noRatio), sizeof noRatio));
    const QImage again = startUpPicture();
    EXPECT_EQ(again, drawn);
    EXPECT_EQ(again.devicePixelRatio(), 1.0);
    ASSERT_TRUE(QFile::resize(kept, 1000));
    EXPECT_EQ(startUpPicture(), drawn);
    EXPECT_EQ(keptCopies().size(), 1);
}

// On a screen of twice the density the picture has twice the pixels each way, not a blurred
// enlargement, and takes the same place in the window.
TEST(KeptPicture, IsDrawnSharpForAHighDensityScreen) {
    const QImage sharp = PendingPicture("mouse.svg", 2.0).take("mouse.svg", 2.0);
    EXPECT_EQ(sharp.size(), QSize(1142, 944));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(571, 472));
    const QImage plain = startUpPicture().scaled(sharp.size());
    EXPECT_NE(sharp.convertToFormat(plain.format()), plain);
}

} // namespace
} // namespace vatro::testing
