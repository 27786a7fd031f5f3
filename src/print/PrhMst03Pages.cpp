#include "print/PrhMst03Pages.h"

#include <algorithm>
#include <array>

namespace tembra {

namespace {

constexpr int kP01Labels[] = {2, 4, 7, 9, 11, 13};
constexpr int kP02Labels[] = {1, 3, 5, 7, 9, 11};
constexpr int kPolicyLabels[] = {1, 3, 5};
constexpr int kP05Labels[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22};
constexpr int kP06Labels[] = {1, 2, 4, 6, 8, 9, 11, 13, 15, 17};
constexpr int kCycleLabels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20, 21, 22};
constexpr int kP09Labels[] = {1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18, 19, 22, 23};

constexpr PrhMst03StepPair kCycleSteps[] = {{10, 3}, {11, 4}, {12, 5}, {13, 6}, {14, 7}, {15, 8}};
constexpr PrhMst03StepPair kP09Steps[] = {{8, 3}, {9, 4}, {10, 5}, {11, 6}, {20, 18}, {21, 19}};

constexpr PrhMst03EditCaption kP01Captions[] = {{1, "タイトル"}};
constexpr PrhMst03EditCaption kP02Captions[] = {{13, "施工者"}, {14, "承認印１"}, {15, "承認印２"}};

const std::array<PrhMst03PageDef, kPrhMst03PageCount> kPages{{
    {1, 401, "見出し -１", 14, kP01Labels, {}, kP01Captions},
    {2, 402, "見出し -２", 15, kP02Labels, {}, kP02Captions},
    {3, 403, "本支店方針", 6, kPolicyLabels, {}, {}},
    {4, 404, "作業所方針", 6, kPolicyLabels, {}, {}},
    {5, 405, "管理機構 -１", 23, kP05Labels, {}, {}},
    {6, 406, "管理機構 -２", 18, kP06Labels, {}, {}},
    {7, 407, "施工サイクル -１", 22, kCycleLabels, kCycleSteps, {}},
    {8, 408, "施工サイクル -２", 22, kCycleLabels, kCycleSteps, {}},
    {9, 409, "施工サイクル -３", 23, kP09Labels, kP09Steps, {}},
    // The check list keeps its 224 items in rows of seven; its controls are its own.
    {10, 410, "書類チェック", 224, {}, {}, {}},
}};

// The C library's decimal conversion: leading blanks skipped, an optional sign, digits up to
// the first other character.
int Decimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

bool PrhMst03PageDef::IsLabel(int item) const {
    return std::find(labels.begin(), labels.end(), item) != labels.end();
}

int PrhMst03PageDef::StepLabelOf(int edit) const {
    const auto pair = std::find_if(steps.begin(), steps.end(),
                                   [edit](const PrhMst03StepPair& p) { return p.edit == edit; });
    return pair == steps.end() ? 0 : pair->label;
}

std::string_view PrhMst03PageDef::CaptionOf(int edit) const {
    const auto found =
        std::find_if(captions.begin(), captions.end(),
                     [edit](const PrhMst03EditCaption& c) { return c.item == edit; });
    return found == captions.end() ? std::string_view{} : std::string_view{found->caption};
}

std::span<const PrhMst03PageDef> PrhMst03Pages() {
    return kPages;
}

const PrhMst03PageDef* FindPrhMst03Page(int page) {
    if (page < 1 || page > kPrhMst03PageCount) {
        return nullptr;
    }
    return &kPages[static_cast<std::size_t>(page - 1)];
}

std::optional<PrhMst03Code> ParsePrhMst03Code(std::string_view name) {
    constexpr std::size_t kCodeLength = 6;
    if (name.size() != kCodeLength) {
        return std::nullopt;
    }
    return PrhMst03Code{Decimal(name.substr(0, 2)), Decimal(name.substr(2))};
}

} // namespace tembra
