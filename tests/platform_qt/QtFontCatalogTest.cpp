#include "platform/qt/QtFontCatalog.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tembra {
namespace {

TEST(CQtFontCatalog, WindowsFacesAnswerThroughTheirSubstitutes) {
    CQtFontCatalog catalog;
    LOGFONT lf;
    ASSERT_TRUE(catalog.FindFace(Sjis::FromUtf8("ＭＳ 明朝"), lf));
    // The stored face name stays the Windows one.
    EXPECT_EQ(Sjis::ToUtf8(lf.FaceName()), "ＭＳ 明朝");
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(lf.lfPitchAndFamily & 0x03, FIXED_PITCH);
    ASSERT_TRUE(catalog.FindFace(Sjis::FromUtf8("ＭＳ Ｐゴシック"), lf));
    EXPECT_EQ(lf.lfPitchAndFamily & 0x03, VARIABLE_PITCH);
    ASSERT_TRUE(catalog.FindFace("ms gothic", lf));
    EXPECT_EQ(lf.FaceName(), "ms gothic");
}

// Also run on a Japanese desktop (platform_qt_tests_ja), where the font database lists the IPA
// fonts by their Japanese names.
TEST(CQtFontCatalog, TheWindowsFacesAndTheirStandInsWhateverTheDesktopsLanguage) {
    CQtFontCatalog catalog;
    const auto names = catalog.FaceNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(Sjis::ToUtf8(names.front()), "ＭＳ 明朝");
    LOGFONT lf;
    EXPECT_TRUE(catalog.FindFace(Sjis::FromUtf8("ＭＳ 明朝"), lf));
    EXPECT_TRUE(catalog.FindFace("IPAGothic", lf));
    // What the list offers is what a layout stores: a family's name, never a foundry.
    for (const std::string& n : names) {
        EXPECT_FALSE(Sjis::ToUtf8(n).ends_with("]")) << Sjis::ToUtf8(n);
    }
}

TEST(CQtFontCatalog, InstalledAndMissingFaces) {
    CQtFontCatalog catalog;
    LOGFONT lf;
    ASSERT_TRUE(catalog.FindFace("IPAGothic", lf));
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfOutPrecision, OUT_STROKE_PRECIS);
    EXPECT_FALSE(catalog.FindFace("No Such Face At All", lf));
    EXPECT_FALSE(catalog.FindFace("", lf));
}

TEST(CQtFontCatalog, FaceNamesAreCp932AndListTheWindowsNames) {
    CQtFontCatalog catalog;
    const auto names = catalog.FaceNames();
    auto has = [&](const std::string& n) {
        return std::find(names.begin(), names.end(), n) != names.end();
    };
    EXPECT_TRUE(has(Sjis::FromUtf8("ＭＳ 明朝")));
    EXPECT_TRUE(has(Sjis::FromUtf8("ＭＳ Ｐゴシック")));
    EXPECT_TRUE(has("IPAMincho"));
    for (const std::string& n : names) {
        EXPECT_LT(n.size(), static_cast<size_t>(LF_FACESIZE));
        EXPECT_EQ(Sjis::FromUtf8(Sjis::ToUtf8(n)), n);
    }
}

} // namespace
} // namespace tembra
