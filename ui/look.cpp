#include "ui/look.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvel {

void useSongStandInWhereMissing() {
    const QStringList families = QFontDatabase::families();
    const bool haveSimSun = families.contains(QString::fromUtf8(kSongFamily)) ||
                            families.contains(QStringLiteral("SimSun"));
    if (haveSimSun) {
        return;
    }
    const QString standIn = QString::fromUtf8(kSongStandIn);
    if (!QFont::substitutes(QString::fromUtf8(kSongFamily)).contains(standIn)) {
        QFont::insertSubstitution(QString::fromUtf8(kSongFamily), standIn);
        QFont::insertSubstitution(QStringLiteral("SimSun"), standIn);
    }
}

QFont songFont(double points, bool bold) {
    QFont font(QString::fromUtf8(kSongFamily));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
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
