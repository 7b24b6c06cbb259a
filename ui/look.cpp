#include "ui/look.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/platform.h"

namespace korvel {

void useSongStandInWhereMissing() {
    const QStringList families = QFontDatabase::families();
    const bool haveSimSun = families.contains(QString::fromUtf8(kSongFamily)) ||
                            families.contains(QStringLiteral("SimSun"));
    if (haveSimSun) {
        return;
    }
    const QString standIn = QString::fromUtf8(kSongStandIn);
    for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                  QStringLiteral("新宋体"), QStringLiteral("NSimSun")}) {
        if (!QFont::substitutes(family).contains(standIn)) {
            QFont::insertSubstitution(family, standIn);
        }
    }
}

QFont songFont(double points, bool bold) {
    QFont font(QString::fromUtf8(kSongFamily));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont listFont(double points) {
    QFont font = songFont(points);
    font.setFamily(listFamily());
    return font;
}

bool installChineseQtTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const bool loaded =
        translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace korvel
