#include "layout_editor/core/GridSetData.h"

#include "platform/NumberText.h"
#include "platform/Sjis.h"

#include <cstdio>

namespace marquell {

namespace {

constexpr UINT kCountTooSmall = 61214;
constexpr UINT kCountTooLarge = 61215;

struct Step {
    int from;
    int to;
    int by;
};

std::vector<std::string> Entries(std::initializer_list<Step> steps) {
    std::vector<std::string> entries{tembra::Sjis::FromUtf8("なし")};
    for (const Step& s : steps) {
        for (int n = s.from; n <= s.to; n += s.by) {
            entries.push_back(std::to_string(n));
        }
    }
    return entries;
}

} // namespace

int CGridSetData::Pitch(int count, int length) {
    if (count <= 0) {
        return -1;
    }
    const int whole = length / count;
    const double fraction = static_cast<double>(length) / count - whole;
    return fraction > 0.5 ? whole + 1 : whole;
}

std::string CGridSetData::FormatPitch(int pitch) {
    if (pitch < 0) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%4.1fmm", pitch / 10.0);
    return text;
}

UINT CGridSetData::CheckCount(int count, int length) {
    if (count == 1 || count < 0) {
        return kCountTooSmall;
    }
    if (count > 1 && Pitch(count, length) < 1) {
        return kCountTooLarge;
    }
    return 0;
}

int CGridSetData::CountOfText(std::string_view text) {
    return tembra::NumberText::AtoI(text);
}

std::string CGridSetData::FormatCount(int count) {
    char text[16];
    std::snprintf(text, sizeof(text), "%3d", count);
    return text;
}

std::vector<std::string> CGridSetData::AcrossEntries() {
    return Entries({{5, 20, 1}, {22, 50, 2}, {60, 100, 5}, {110, 150, 10}});
}

std::vector<std::string> CGridSetData::DownEntries() {
    return Entries({{5, 40, 1}, {42, 60, 2}});
}

} // namespace marquell
