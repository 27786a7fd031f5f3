// How the chart benchmarks dress their generated processes: the i-th process takes the i-th of
// eight line forms (every line shape and both bar forms), a term on every second process, a term
// with a leader line on every tenth and two resources on every fifth, so that a chart of n
// processes shows every kind of label in the same proportions at every size.
#pragma once

#include "model/Koutei.h"
#include "model/Shigen.h"
#include "model/Yogo.h"

#include <array>
#include <memory>
#include <string>

namespace tembra::bench {

inline constexpr std::array<WORD, 8> kProcessForms = {kLineShapeStraight,
                                                      kLineShapeElbowVH,
                                                      kLineShapeElbowHV,
                                                      kLineShapeCrank,
                                                      kLineShapeGate,
                                                      kLineShapeStraight,
                                                      0x0140,
                                                      0x0180};

inline WORD ProcessForm(int i) {
    return kProcessForms[static_cast<std::size_t>(i) % kProcessForms.size()];
}

inline bool IsBarForm(WORD form) {
    return (form & 0xC0) != 0;
}

inline void AddBenchTerm(CKoutei& koutei, const std::string& text, WORD place) {
    auto term = std::make_unique<CYogo>();
    term->SetText(text);
    term->SetDateKind(kYogoOnLine);
    term->GetAttr().m_fontHeigh = 1;
    term->GetAttr().m_fontWidth = 1;
    term->GetAttr().m_form = place;
    term->GetAttr().m_offsetX = 50;
    term->GetAttr().m_offsetY = 150;
    koutei.AddYogo(term, TRUE);
}

// The form, colour, terms and resources of the i-th process.
inline void DressProcess(CKoutei& koutei, int i) {
    const WORD form = ProcessForm(i);
    CKouteiAttr& attr = koutei.GetLines()->GetAttr();
    attr.m_style = form;
    attr.m_color = RGB(0, 0, 200);
    if (IsBarForm(form)) {
        attr.m_hatch = 99;
        koutei.GetStartLand()->SetShape(15);
        koutei.GetEndLand()->SetShape(15);
    }
    if (i % 2 == 0) {
        AddBenchTerm(koutei, "Work " + std::to_string(i), kYogoPlaceStart);
    }
    if (i % 10 == 0) {
        AddBenchTerm(koutei, "Check", kYogoPlaceLeaderLeft);
    }
    if (i % 5 == 0) {
        CShigen& resources = *koutei.GetShigen();
        resources.AddShigenData(std::make_unique<CShigenData>(1, 4));
        resources.AddShigenData(std::make_unique<CShigenData>(2, 1));
        resources.GetAttr().m_fontHeigh = 1;
        resources.GetAttr().m_fontWidth = 1;
    }
}

} // namespace tembra::bench
