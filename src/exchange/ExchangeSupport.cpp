#include "exchange/ExchangeSupport.h"

#include "model/DamagedFile.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <cmath>
#include <limits>

namespace tembra::Exchange {

namespace {

int Saturate(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(v);
}

} // namespace

int Trunc(double v) {
    return Saturate(std::trunc(v));
}

int Floor(double v) {
    return Saturate(std::floor(v));
}

bool IsFinite(double v) {
    return std::isfinite(v);
}

std::string J(std::string_view utf8) {
    return Sjis::FromUtf8(utf8);
}

void ReportDamagedFile(const std::string& path) {
    Ui().MessageBox(LoadString(IDS_FILE_DAMAGED) + "\n" + Sjis::FromUtf8(path),
                    MB_OK | MB_ICONEXCLAMATION, IDS_FILE_DAMAGED);
}

void ReportImportProblems(int skipped, bool cut) {
    std::string text;
    if (skipped > 0) {
        text = StringPrintf(J("日付または行が正しくないデータが %d 件ありました。"
                              "これらは読み込んでいません。")
                                .c_str(),
                            skipped);
    }
    if (cut) {
        if (!text.empty()) {
            text += "\n";
        }
        text += J("ファイルが途中で終わっていました。そこまでのデータを読み込みました。");
    }
    if (!text.empty()) {
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
}

} // namespace tembra::Exchange
