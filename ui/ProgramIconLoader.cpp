#include "ProgramIconLoader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <map>
#include <utility>

#include "ProgramIcon.h"

namespace morvane {

namespace {

qsizetype colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

}  // namespace

QIcon ProgramIconLoader::load() {
    const auto bytes = programIconIco();
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");

    std::map<std::pair<int, int>, QImage> bestBySize;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        QImage& best = bestBySize[{image.width(), image.height()}];
        if (best.isNull() || colourCount(image) > colourCount(best))
            best = image;
    }
    QIcon icon;
    for (const auto& [size, image] : bestBySize)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace morvane
