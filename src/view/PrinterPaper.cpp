#include "view/PrinterPaper.h"

#include "view/core/PrinterSelection.h"

#include <algorithm>
#include <iterator>

namespace tembra {

namespace {

struct PaperCode {
    int code;
    QPageSize::PageSizeId id;
};

// The papers of the charts and the sizes next to them, which go by these codes first: Qt gives
// A1, A0 and JIS B3 no Windows code, and Windows' B4 is the JIS one, not ISO B4.
constexpr PaperCode kPaperCodes[] = {
    {kPaperCodeA4, QPageSize::A4},       {kPaperCodeJisB4, QPageSize::JisB4},
    {kPaperCodeA3, QPageSize::A3},       {kPaperCodeA2, QPageSize::A2},
    {kPaperCodeA1, QPageSize::A1},       {kPaperCodeA0, QPageSize::A0},
    {kPaperCodeJisB3, QPageSize::JisB3},
};

} // namespace

int PaperCodeOf(QPageSize::PageSizeId id) {
    const auto own = std::find_if(std::begin(kPaperCodes), std::end(kPaperCodes),
                                  [id](const PaperCode& paper) { return paper.id == id; });
    return own != std::end(kPaperCodes) ? own->code : QPageSize::windowsId(id);
}

std::optional<QPageSize::PageSizeId> PageSizeOfCode(int code) {
    if (code == 0) {
        return std::nullopt;
    }
    const auto own = std::find_if(std::begin(kPaperCodes), std::end(kPaperCodes),
                                  [code](const PaperCode& paper) { return paper.code == code; });
    if (own != std::end(kPaperCodes)) {
        return own->id;
    }
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom) {
        return std::nullopt;
    }
    return id;
}

std::vector<int> AllPaperCodes() {
    std::vector<int> codes;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        // Qt counts its custom size among the papers (with Windows' code of a user size).
        if (id == QPageSize::Custom) {
            continue;
        }
        const int code = PaperCodeOf(static_cast<QPageSize::PageSizeId>(id));
        if (code != 0 && std::find(codes.begin(), codes.end(), code) == codes.end()) {
            codes.push_back(code);
        }
    }
    return codes;
}

} // namespace tembra
