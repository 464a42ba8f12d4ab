// Build-time tool: renders one program-icon source as a PNG, enlarged by a whole number
// without smoothing so the pixel art stays crisp at the larger theme sizes.
//   morvane_icon_renderer SOURCE.xpm SCALE OUTPUT.png

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.xpm SCALE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const int scale = std::atoi(argv[2]);
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || scale < 1) {
        std::fprintf(stderr, "%s: cannot read %s or bad scale %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    image = image.convertToFormat(QImage::Format_ARGB32)
                .scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
