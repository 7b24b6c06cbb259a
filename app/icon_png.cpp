// Build-time helper: writes the program icon and its parameter files' icon as PNG files for
// the desktop's icon theme.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "ui/artwork.h"

namespace {

// Writes <out>/<n>x<n>/<context>/<name>.png for each size from `draw`; false on the first
// size that cannot be written.
bool writeIcons(const QString& out, const QString& context, const QString& name,
                QImage (*draw)(int)) {
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/%3").arg(out).arg(size).arg(context);
        if (!QDir().mkpath(dir) || !draw(size).save(QStringLiteral("%1/%2.png").arg(dir, name))) {
            std::fprintf(stderr, "cannot write the %dx%d %s icon\n", size, size, qPrintable(name));
            return false;
        }
    }
    return true;
}

}  // namespace

// Writes apps/korvel.png and mimetypes/<type icon>.png at each size; argument 1 is the output
// folder, argument 2 the file type's icon name (the MIME type with "/" turned into "-").
int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR MIME_ICON_NAME\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString typeIcon = QString::fromLocal8Bit(argv[2]);
    const bool written =
        writeIcons(out, QStringLiteral("apps"), QStringLiteral("korvel"), korvel::iconImage) &&
        writeIcons(out, QStringLiteral("mimetypes"), typeIcon, korvel::fileTypeIconImage);
    return written ? 0 : 1;
}
