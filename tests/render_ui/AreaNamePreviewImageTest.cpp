// The preview of the sample chart's header, split diagonally by its item columns and date
// rows, compared with its reference picture.
#include "render/ui/AreaNameSheet.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Koumoku.h"
#include "render/ui/AreaNameP2.h"
#include "render/ui/AreaNamePreviewButton.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"
#include "support/qt/ReferenceImage.h"

#include <QImage>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace tembra {
namespace {

TEST(AreaNamePreviewImageTest, TheSampleHeaderSplitDiagonally) {
    CAppState state;
    CAppState* previous = SetAppState(&state);
    {
        test::TempDir files;
        const std::filesystem::path sample = files.File("sample.tbr");
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
        CTembraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(sample.string()));
        CAreaNameSet names = doc.GetSyokiSet().GetChart().GetAreaNameSet();
        names.SetStyle(CAreaNameSet::kStyleSlant);
        names.SetBunkatuOpt(CAreaNameSet::kSplitByColumns | CAreaNameSet::kSplitByRows);
        names.FindSlant(1)->SetLineType(-1); // drawn dotted
        int columns = doc.GetKoumokuTable().GetLevelCount();
        CAreaNameSheet sheet(&names, doc.GetSyokiSet().GetDateRowCount(), &columns, LOGFONT(),
                             QStringLiteral("sheet"), nullptr);
        sheet.show();
        test::Control<QListWidget>(*sheet.ExtendedPage(), CAreaNameP2::IDC_CELLS)->setCurrentRow(1);
        auto* preview =
            test::Control<CAreaNamePreviewButton>(*sheet.ExtendedPage(), CAreaNameP2::IDC_PREVIEW);
        const QImage image = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        test::ExpectLooksLike(image, {"render_ui", "area_name_preview_slant.png", 0.01});
    }
    SetAppState(previous);
}

} // namespace
} // namespace tembra
