#include "ShapeTestSupport.h"

#include "model/PrintArea.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tembra::test {

ShapeChart::ShapeChart() {
    const std::filesystem::path master =
        std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";
    EXPECT_TRUE(settings.GetPageSetting().SetPaper(kPaperA4, 0, master, -1));
    settings.SetStartDate(Day(2010, 4, 1));
    settings.SetEndDate(Day(2010, 4, 30));
    settings.SetFirstRow(0);
    settings.SetLastRow(29);
    settings.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
    table.SetLevelCount(3);
    Bind();
}

void ShapeChart::Bind() {
    layout.Init(this);
}

} // namespace tembra::test
