#include "report/sheet_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace korvel {
namespace {

// The families of the file, added to Qt's font database: nothing when it cannot be read.
QStringList addFontFile(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const int id = QFontDatabase::addApplicationFont(path);
    return id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
}

// The first family of the file that writes simplified Chinese; a collection's first face is
// its proportional one (WenQuanYi Micro Hei before its Mono twin).
QString chineseFamily(const QStringList& families) {
    for (const QString& family : families) {
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) {
            return family;
        }
    }
    return {};
}

}  // namespace

// The file is added once per process: adding it again would register it again. The result
// never changes after that, so it is kept as a constant.
SheetFont loadSheetFont() {
    static const SheetFont loaded = [] {
        const QString path = sheetFontFile();
        const QString family = chineseFamily(addFontFile(path));
        if (family.isEmpty()) {
            return SheetFont{{}, fileProblem(ProblemCode::NoSheetFont, path.toStdString())};
        }
        return SheetFont{family, {}};
    }();
    return loaded;
}

}  // namespace korvel
