// The sheet's font on Linux and other free systems, found through fontconfig.
#include <fontconfig/fontconfig.h>

#include <QFileInfo>

#include "report/sheet_font.h"

namespace korvel {
namespace {

// WenQuanYi Micro Hei: its Chinese and its Latin and digits read back clean from a PDF.
constexpr char kFamily[] = "WenQuanYi Micro Hei";
// Where Debian's fonts-wqy-microhei puts it.
constexpr char kDebianFile[] = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

// The file fontconfig has for the family itself; nothing when it would only substitute
// another family for it.
QString fontconfigFile() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return {};
    }
    QString path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFamily));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        FcChar8* family = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            QString::fromUtf8(reinterpret_cast<const char*>(family)) == QLatin1String(kFamily)) {
            path = QString::fromUtf8(reinterpret_cast<const char*>(file));
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return path;
}

}  // namespace

// Fontconfig first, for systems that keep the font elsewhere; Debian's path when fontconfig
// has no word for it.
QString sheetFontFile() {
    const QString found = fontconfigFile();
    if (!found.isEmpty()) {
        return found;
    }
    return QFileInfo::exists(QLatin1String(kDebianFile)) ? QString::fromLatin1(kDebianFile)
                                                         : QString();
}

}  // namespace korvel
