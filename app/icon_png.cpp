// Build-time helper: writes the program icon as PNG files for the desktop's icon theme.
#include <QDir>
#include <cstdio>

#include "ui/artwork.h"

// Writes <out>/<n>x<n>/apps/korvel.png for each size; the output folder is argument 1.
int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !korvel::iconImage(size).save(dir + "/korvel.png")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
