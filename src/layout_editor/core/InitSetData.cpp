#include "layout_editor/core/InitSetData.h"

#include "layout_editor/core/AppSettings.h"
#include "platform/Ui.h"

namespace marquell {

namespace {

constexpr UINT kNextStart = 61249;
constexpr int kResetBold = 5;

// "Wakunai" is 1 for the band index 0 and 0 for the index 1.
int BandOfWakunai(int wakunai) {
    return wakunai != 0 ? 0 : 1;
}

int WakunaiOfBand(int band) {
    return band == 0 ? 1 : 0;
}

} // namespace

void CInitSetData::ReadProfile(int boldDefault) {
    multiple = ReadSetting(kHukusuKey, kHukusuKey.builtIn);
    band = BandOfWakunai(ReadSetting(kWakunaiKey, kWakunaiKey.builtIn));
    normalWidth = ReadSetting(kNormalWidthKey, kNormalWidthKey.builtIn);
    thinWidth = ReadSetting(kThinWidthKey, kThinWidthKey.builtIn);
    boldWidth = ReadSetting(kBoldWidthKey, boldDefault);
}

void CInitSetData::Load(const CAppSettings& app) {
    if (m_form == kStoredForm) {
        ReadProfile(kBoldWidthKey.builtIn);
        return;
    }
    multiple = app.multiple;
    band = BandOfWakunai(app.insideFrame);
    normalWidth = app.editor.normalWidth;
    thinWidth = app.editor.thinWidth;
    boldWidth = app.editor.boldWidth;
}

void CInitSetData::Reset() {
    if (m_form == kStoredForm) {
        multiple = 0;
        band = 1;
        normalWidth = 3;
        thinWidth = 1;
        boldWidth = kResetBold;
        return;
    }
    ReadProfile(kResetBold);
}

void CInitSetData::Store(CAppSettings& app) const {
    if (m_form == kStoredForm) {
        WriteSetting(kHukusuKey, multiple);
        WriteSetting(kWakunaiKey, WakunaiOfBand(band));
        WriteSetting(kNormalWidthKey, normalWidth);
        WriteSetting(kThinWidthKey, thinWidth);
        WriteSetting(kBoldWidthKey, boldWidth);
        tembra::AfxMessageBox(kNextStart);
        return;
    }
    app.multiple = multiple;
    app.insideFrame = WakunaiOfBand(band);
    app.editor.normalWidth = normalWidth;
    app.editor.thinWidth = thinWidth;
    app.editor.boldWidth = boldWidth;
}

} // namespace marquell
