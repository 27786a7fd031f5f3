// The images of the bar buttons in the running program: with a desktop icon theme the standard
// actions (new, print preview, undo, delete, zoom in ...) show the theme's icons, with their names
// as tooltips and texts, and every other button its tile; without a theme every button shows its
// tile. The tool-bar customisation dialog shows the same images.
#include "ShellFixture.h"

#include "shell/FrameToolBar.h"
#include "shell/LayerBar.h"
#include "shell/ToolbarSetDlg.h"
#include "support/qt/DialogControls.h"
#include "support/qt/ScopedIconTheme.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QToolButton>

#include <vector>

namespace tembra {
namespace {

using test::ScopedIconTheme;

class ToolBarImagesTest : public test::ShellFixture {
protected:
    // The button of the command on the main tool bar, or on the tool palette.
    QToolButton* MainButton(UINT id) {
        return qobject_cast<QToolButton*>(Frame().LayerBar()->widgetForAction(Frame().Action(id)));
    }
    QToolButton* PaletteButton(UINT id) {
        for (QToolButton* tool : Frame().Palette()->findChildren<QToolButton*>()) {
            if (tool->defaultAction() == Frame().Action(id)) {
                return tool;
            }
        }
        return nullptr;
    }
    // The images the customisation dialog shows in its list of the main tool bar's buttons, by
    // row, opened from the menu's command as a user opens it.
    std::vector<QImage> CustomisationImages() {
        ui.OnDialog(CToolbarSetDlg::kRequestName,
                    [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
        std::vector<QImage> rows;
        test::WhenShown<CToolbarSetDlg>([&rows](CToolbarSetDlg& dialog) {
            auto* list = test::Control<QListWidget>(dialog, CToolbarSetDlg::IDC_SET);
            const QImage shown = list->viewport()->grab().toImage();
            for (int row = 0; row < list->count(); ++row) {
                // The image's cell at the left of the row; the name is written right of it.
                const QRect cell = list->visualItemRect(list->item(row));
                rows.push_back(shown.copy(QRect(cell.left(), cell.top(), 22, cell.height())));
            }
            dialog.reject();
        });
        Frame().Action(40086)->trigger();
        return rows;
    }
};

TEST_F(ToolBarImagesTest, TheThemesStandardActionsShowItsIconsTheOtherButtonsTheirTiles) {
    // The theme lacks the zoom-original icon: 等倍 keeps its tile.
    const ScopedIconTheme theme(
        {"document-new", "document-print-preview", "edit-undo", "edit-delete", "zoom-in"});
    ASSERT_FALSE(Start());
    struct Case {
        UINT id;
        const char* name;
        const char* icon; // "" for the tile
    };
    const Case cases[] = {
        {57600, "新規作成", "document-new"},
        {57609, "印刷プレビュー", "document-print-preview"},
        {57643, "アンドゥ／リドゥ", "edit-undo"},
        {33004, "拡大", "zoom-in"},
        {33005, "等倍", ""},
        {32948, "初期設定", ""},
    };
    for (const Case& c : cases) {
        QToolButton* button = MainButton(c.id);
        ASSERT_NE(button, nullptr) << c.id;
        EXPECT_EQ(button->icon().name(), QString::fromUtf8(c.icon)) << c.id;
        EXPECT_EQ(ScopedIconTheme::Shows(button->grab().toImage()), *c.icon != '\0') << c.id;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(c.name)) << c.id;
        EXPECT_EQ(button->text(), QString::fromUtf8(c.name)) << c.id;
    }
    QToolButton* erase = PaletteButton(32784);
    ASSERT_NE(erase, nullptr);
    EXPECT_EQ(erase->icon().name(), QStringLiteral("edit-delete"));

    // The built-in main tool bar starts 新規作成 ... 印刷プレビュー, a separator, 初期設定.
    const std::vector<QImage> rows = CustomisationImages();
    ASSERT_GE(rows.size(), 7u);
    EXPECT_TRUE(ScopedIconTheme::Shows(rows[0])) << "新規作成";
    EXPECT_TRUE(ScopedIconTheme::Shows(rows[4])) << "印刷プレビュー";
    EXPECT_FALSE(ScopedIconTheme::Shows(rows[6])) << "初期設定";
}

TEST_F(ToolBarImagesTest, WithoutAThemeEveryButtonShowsItsTile) {
    const ScopedIconTheme none({});
    ASSERT_FALSE(Start());
    for (const UINT id : {57600u, 57609u, 57643u, 33004u, 32948u}) {
        QToolButton* button = MainButton(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_TRUE(button->icon().name().isEmpty()) << id;
        EXPECT_FALSE(button->icon().isNull()) << id;
        EXPECT_FALSE(ScopedIconTheme::Shows(button->grab().toImage())) << id;
    }
    const std::vector<QImage> rows = CustomisationImages();
    ASSERT_GE(rows.size(), 7u);
    EXPECT_FALSE(ScopedIconTheme::Shows(rows[0]));
}

} // namespace
} // namespace tembra
