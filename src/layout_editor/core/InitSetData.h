// The values of the initial-settings dialog: the selection rules and the three line widths,
// either as stored settings for the next start (written to the user profile) or as the running
// program's (the application's values, the profile untouched).
#pragma once

#include "layout_editor/core/LayoutBase.h"

namespace marquell {

class CAppSettings;

class CInitSetData {
public:
    enum Form : int { kRunningForm = 0, kStoredForm = 1 };
    static constexpr int kMinWidth = 1;
    static constexpr int kMaxWidth = 50;

    explicit CInitSetData(int form) : m_form(form) {}
    int GetForm() const { return m_form; }

    // Radio indexes: "CTRLｷｰで複数" 0, "随時複数選択" 1; "枠内限定なし(SHIFTｷｰで一時限定)" 0,
    // "枠内限定あり(SHIFTｷｰで一時解除)" 1.
    int multiple = 0;
    int band = 1;
    int normalWidth = 3;
    int thinWidth = 1;
    int boldWidth = 6;

    // The stored form's values from the user profile; the running form's from the application.
    void Load(const CAppSettings& app);
    // "初期化": the stored form takes the built-in values (bold 5, not the start-up 6), the
    // running form the profile's values with those defaults.
    void Reset();
    // OK: the stored form writes the profile's five values and tells that they hold from the
    // next start (61249), the running program keeping its own; the running form replaces the
    // application's values and writes nothing.
    void Store(CAppSettings& app) const;

private:
    void ReadProfile(int boldDefault);

    int m_form;
};

} // namespace marquell
