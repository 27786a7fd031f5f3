#include "support/qt/ReferenceImage.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tembra::test {

bool UpdateReferenceImages() {
    const char* update = std::getenv("TEMBRA_UPDATE_IMAGES");
    return update != nullptr && std::string(update) == "1";
}

void ExpectLooksLike(const QImage& image, const ReferenceImage& reference) {
    const QString path = QString::fromUtf8(TEMBRA_SOURCE_DIR) + "/tests/" +
                         QString::fromUtf8(reference.folder) + "/data/" +
                         QString::fromUtf8(reference.name);
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        image.save(QString::fromUtf8(keep) + "/" + QString::fromUtf8(reference.name), "PNG");
    }
    if (UpdateReferenceImages()) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath())) << path.toStdString();
        ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
        return;
    }
    QImage expected(path);
    ASSERT_FALSE(expected.isNull())
        << path.toStdString() << " is missing: run with TEMBRA_UPDATE_IMAGES=1 to write it";
    expected = expected.convertToFormat(QImage::Format_RGB32);
    const QImage drawn = image.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), drawn.size()) << path.toStdString();
    constexpr int kChannelTolerance = 8;
    long differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (std::abs(qRed(a[x]) - qRed(b[x])) > kChannelTolerance ||
                std::abs(qGreen(a[x]) - qGreen(b[x])) > kChannelTolerance ||
                std::abs(qBlue(a[x]) - qBlue(b[x])) > kChannelTolerance) {
                ++differing;
            }
        }
    }
    const double share =
        static_cast<double>(differing) / (static_cast<double>(drawn.width()) * drawn.height());
    EXPECT_LE(share, reference.shareTolerance)
        << differing << " pixels differ from " << path.toStdString();
}

} // namespace tembra::test
