#include "platform/qt/QtFontCatalog.h"

#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"

#include <QFontDatabase>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace tembra {

namespace {

struct WindowsFace {
    const char* name;  // UTF-8
    const char* stand; // the IPA family drawn for it
    BYTE pitchAndFamily;
};

constexpr WindowsFace kWindowsFaces[] = {
    {"ＭＳ 明朝", "IPAMincho", FIXED_PITCH | FF_ROMAN},
    {"ＭＳ ゴシック", "IPAGothic", FIXED_PITCH | FF_MODERN},
    {"ＭＳ Ｐ明朝", "IPAPMincho", VARIABLE_PITCH | FF_ROMAN},
    {"ＭＳ Ｐゴシック", "IPAPGothic", VARIABLE_PITCH | FF_SWISS},
    {"MS Mincho", "IPAMincho", FIXED_PITCH | FF_ROMAN},
    {"MS Gothic", "IPAGothic", FIXED_PITCH | FF_MODERN},
    {"MS PMincho", "IPAPMincho", VARIABLE_PITCH | FF_ROMAN},
    {"MS PGothic", "IPAPGothic", VARIABLE_PITCH | FF_SWISS},
};

// What a font enumeration reports of a scalable font.
LOGFONT Describe(std::string_view faceCp932, BYTE charSet, BYTE pitchAndFamily) {
    LOGFONT lf;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.SetFaceName(faceCp932);
    return lf;
}

// A family of the database's list without the foundry the list adds where a family has more
// than one ("C059 [UKWN]"): the name a font is asked for by, and the name a layout stores.
QString WithoutFoundry(const QString& listed) {
    const qsizetype bracket = listed.indexOf(QStringLiteral(" ["));
    return bracket > 0 && listed.endsWith(QLatin1Char(']')) ? listed.left(bracket) : listed;
}

// The family of the database with this name (compared without case), or an empty string. A
// family is listed under the name of the desktop's language (a Japanese desktop lists IPAMincho
// as "IPA明朝"); its other names are found as the database's aliases of it.
QString InstalledFamily(const QString& name) {
    for (const QString& listed : QFontDatabase::families()) {
        const QString family = WithoutFoundry(listed);
        if (family.compare(name, Qt::CaseInsensitive) == 0) {
            return family;
        }
    }
    return QFontDatabase::hasFamily(name) ? name : QString();
}

} // namespace

CQtFontCatalog::CQtFontCatalog() {
    InstallFontSubstitutions();
}

bool CQtFontCatalog::FindFace(std::string_view faceCp932, LOGFONT& out) const {
    if (faceCp932.empty()) {
        return false;
    }
    const QString face = QString::fromStdString(Sjis::ToUtf8(faceCp932));
    for (const WindowsFace& w : kWindowsFaces) {
        if (face.compare(QString::fromUtf8(w.name), Qt::CaseInsensitive) == 0) {
            if (InstalledFamily(QString::fromLatin1(w.stand)).isEmpty()) {
                return false;
            }
            out = Describe(faceCp932, SHIFTJIS_CHARSET, w.pitchAndFamily);
            return true;
        }
    }
    const QString family = InstalledFamily(face);
    if (family.isEmpty() || !QFontDatabase::isSmoothlyScalable(family)) {
        return false;
    }
    const bool japanese = QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
    const BYTE pitch = QFontDatabase::isFixedPitch(family) ? FIXED_PITCH : VARIABLE_PITCH;
    out = Describe(Sjis::FromUtf8(family.toStdString()), japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET,
                   pitch);
    return true;
}

std::vector<std::string> CQtFontCatalog::FaceNames() const {
    std::vector<std::string> names;
    for (const WindowsFace& w : kWindowsFaces) {
        if (!InstalledFamily(QString::fromLatin1(w.stand)).isEmpty()) {
            names.push_back(Sjis::FromUtf8(w.name));
        }
    }
    for (const QString& listed : QFontDatabase::families()) {
        const QString family = WithoutFoundry(listed);
        if (!QFontDatabase::isSmoothlyScalable(family)) {
            continue;
        }
        const std::string utf8 = family.toStdString();
        const std::string cp932 = Sjis::FromUtf8(utf8);
        // A name CP932 cannot hold would not come back as the same family.
        if (cp932.empty() || cp932.size() >= LF_FACESIZE || Sjis::ToUtf8(cp932) != utf8) {
            continue;
        }
        if (std::find(names.begin(), names.end(), cp932) == names.end()) {
            names.push_back(cp932);
        }
    }
    return names;
}

} // namespace tembra
