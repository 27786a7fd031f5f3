// The layout editing view over a fixed window: the paper shown first, zoom and scrolling, the
// drawing offset, the commands and their update handlers, the dialogs it runs, printing and the
// end of a temporary edit.
#include "layout_editor/core/MarquellView.h"

#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/FormEditDone.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MenuCmdUI.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"

#include "EditorTestSupport.h"
#include "platform/RecordingDC.h"
#include "platform/RegKey.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using namespace tembra;
using tembra::test::TempDir;
using test::J;

using FakeHost = test::FakeViewHost;

class CountingDone : public IFormEditDone {
public:
    std::vector<int> handles;
    std::vector<std::string> paths;
    void FormEditDone(int windowHandle, const std::string& path) override {
        handles.push_back(windowHandle);
        paths.push_back(path);
    }
};

// A printer that leaves 1/6 inch unprinted at 600 dpi (100 pixels, 42 units of 0.1 mm).
class Printer : public CRecordingDC {
public:
    Printer() : CRecordingDC(Device::Printer, 600) {}
};

class ViewTest : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename(),
                      AppRegKeyDefaultPath(), fs::copy_options::overwrite_existing);
        app.ReadProfile();
        doc.SetServices(&app, nullptr);
        view.SetFormEditDone(&done);
    }

    // The standard layout, with its "MasterFlag", "CurrentPaper" and "hWnd_Tembra" replaced.
    void Open(int masterFlag = 1, int paper = 0) {
        std::string text = TempDir::Read(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
        const auto replace = [&](const std::string& from, const std::string& to) {
            text.replace(text.find(from), from.size(), to);
        };
        replace("MasterFlag=1", "MasterFlag=" + std::to_string(masterFlag));
        replace("CurrentPaper=0", "CurrentPaper=" + std::to_string(paper));
        replace("hWnd_Tembra=0", "hWnd_Tembra=777");
        const fs::path file = paths.Dir().Write("in.lyt", text);
        ASSERT_TRUE(doc.OnOpenDocument(file.string()));
        view.OnInitialUpdate();
    }
    void New() {
        ASSERT_TRUE(doc.OnNewDocument());
        view.OnInitialUpdate();
    }
    CMenuCmdUI Update(UINT id) {
        CMenuCmdUI cmd(id);
        EXPECT_TRUE(view.OnUpdateCommand(cmd)) << id;
        return cmd;
    }
    bool Enabled(UINT id) { return Update(id).IsEnabled(); }
    bool Checked(UINT id) { return Update(id).GetCheck() != 0; }
    void Paint() {
        CRecordingDC dc(CRecordingDC::Device::Screen, 96, host.client);
        view.OnPaint(&dc);
    }
    CPaperData& Paper() { return doc.GetCurrentPaper(); }
    void SelectAll() {
        view.OnCommand(ID_MODE_EDIT);
        view.OnCommand(ID_SELECT_ALL);
    }
    // The sizes of the current paper through a scripted size dialog.
    void SetSizes(std::function<void(CSizeSetData&)> edit) {
        ui->OnDialog("SizeSet", [edit](DialogRequest& request) {
            edit(static_cast<SizeSetRequest&>(request).data);
            return IDOK;
        });
        view.OnCommand(ID_SIZE_SET);
    }

    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
    CAppSettings app;
    CMarquellDoc doc;
    FakeHost host;
    CMarquellView view{doc, app, host};
    CountingDone done;
};

TEST_F(ViewTest, AnOrdinaryLayoutShowsA4AndTheTemporaryCopyItsOwnPaper) {
    Open(1, 2);
    EXPECT_EQ(doc.GetLayout().GetCurrentPaperIndex(), 0);
    Open(-1, 2);
    EXPECT_EQ(doc.GetLayout().GetCurrentPaperIndex(), 2);
    EXPECT_EQ(view.GetZoomIndex(), 3);
    EXPECT_EQ(view.GetMode(), kModeText);
    EXPECT_TRUE(view.IsGridSnapOn());
    EXPECT_EQ(view.GetFaceName(), J("ＭＳ 明朝"));
    EXPECT_EQ(view.GetHeightText(), "24");
    EXPECT_EQ(view.GetHitTolerance(), 5); // 2 pixels at 96 dpi
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(ViewTest, TheTitleNamesTheLayoutAndThePaper) {
    New();
    Paint();
    EXPECT_EQ(host.title, J("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] "));
    Open(-1, 2);
    Paint();
    EXPECT_EQ(host.title, J("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <標準書式> - [ Ａ３ ] "));
}

TEST_F(ViewTest, AnEmptyCurrentAreaIsReported) {
    std::string text = TempDir::Read(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
    const std::string header = "HeaderArea= 100, 100, 2870, 400";
    text.replace(text.find(header), header.size(), "HeaderArea= 100, 100, 100, 400");
    ASSERT_TRUE(doc.OnOpenDocument(paths.Dir().Write("in.lyt", text).string()));
    view.OnInitialUpdate();
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 61245u);
}

TEST_F(ViewTest, TheScrollSpaceIsTheAreaWithItsMarginsScaled) {
    Open();
    EXPECT_EQ(view.GetTotalSize(), CSize(2970, 500));
    view.OnCommand(kZoomCommands[5]);
    EXPECT_EQ(view.GetZoomIndex(), 5);
    EXPECT_EQ(view.GetTotalSize(), CSize(5940, 1000));
    view.OnCommand(ID_WHOLE_PAPER);
    // From the header's top to the paper's bottom (no footer), with the margins.
    EXPECT_EQ(view.GetTotalSize(), CSize(5940, 4400));
}

TEST_F(ViewTest, ZoomStepsStayWithinTheTable) {
    Open();
    EXPECT_FALSE(Enabled(ID_ZOOM_RESET));
    EXPECT_TRUE(Checked(kZoomCommands[3]));
    for (int i = 0; i < 8; ++i) {
        view.OnCommand(ID_ZOOM_IN);
    }
    EXPECT_EQ(view.GetZoomIndex(), 7);
    EXPECT_FALSE(Enabled(ID_ZOOM_IN));
    view.OnCommand(ID_ZOOM_IN);
    EXPECT_EQ(view.GetZoomIndex(), 7);
    EXPECT_TRUE(Enabled(ID_ZOOM_RESET));
    view.OnCommand(ID_ZOOM_RESET);
    EXPECT_EQ(view.GetZoomIndex(), 3);
    for (int i = 0; i < 5; ++i) {
        view.OnCommand(ID_ZOOM_OUT);
    }
    EXPECT_EQ(view.GetZoomIndex(), 0);
    EXPECT_FALSE(Enabled(ID_ZOOM_OUT));
    EXPECT_EQ(view.GetZoomPercent(), 25);
}

TEST_F(ViewTest, AZoomIsAllowedWhileThePaperStaysWithinTheCoordinates) {
    Open();
    // Side areas of 200 on every paper, so that the left and right areas can be shown.
    SetSizes([](CSizeSetData& data) {
        for (int paper : {5, 0}) {
            data.SelectPaper(paper);
            data.GetValues()[kSizeProcessLeft] = 200;
            data.GetValues()[kSizeProcessRight] = 200;
        }
    });
    struct Case {
        int paper;
        UINT area;
        bool whole;
        int index;
        bool allowed;
    };
    const Case cases[] = {
        {0, ID_AREA_HEADER, false, 7, true},
        {0, ID_AREA_HEADER, true, 7, true},
        {5, ID_AREA_HEADER, false, 6, true},
        {5, ID_AREA_HEADER, false, 7, false},
        {5, ID_AREA_HEADER, true, 6, true},
        {5, ID_AREA_HEADER, true, 7, false},
        // The left area is narrow; the right area is checked by the whole paper.
        {5, ID_AREA_LEFT, false, 7, true},
        {5, ID_AREA_RIGHT, false, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.paper << " " << c.area << " " << c.whole);
        view.OnPaperSelected(c.paper);
        view.OnCommand(c.area);
        if (view.IsWholePaperShown() != c.whole) {
            view.OnCommand(ID_WHOLE_PAPER);
        }
        EXPECT_EQ(view.IsZoomAllowed(c.index), c.allowed);
        EXPECT_EQ(Enabled(kZoomCommands[c.index]), c.allowed);
    }
    // Every zoom of A4 is allowed.
    view.OnPaperSelected(0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(Enabled(kZoomCommands[i])) << i;
    }
}

TEST_F(ViewTest, ZoomingKeepsThePointAtTheWindowsCentre) {
    host.client = CSize(400, 300);
    Open();
    view.OnCommand(ID_WHOLE_PAPER);
    view.ScrollToPosition(CPoint(1000, -600));
    const CPoint before = view.GetScrollPosition();
    // 400 x 300 pixels are 1058 x 794 units.
    const CPoint centre(before.x + 529, before.y - 397);
    view.OnCommand(kZoomCommands[5]);
    const CPoint after = view.GetScrollPosition();
    EXPECT_NEAR(after.x + 529, centre.x * 2, 4);
    EXPECT_NEAR(after.y - 397, centre.y * 2, 4);
}

TEST_F(ViewTest, TheFooterStandsAtTheTopOfTheScrollSpace) {
    host.client = CSize(200, 100);
    Open();
    SetSizes([](CSizeSetData& data) { data.GetValues()[kSizeFooter] = 200; });
    ASSERT_TRUE(Enabled(ID_AREA_FOOTER));
    view.OnCommand(ID_AREA_FOOTER);
    EXPECT_TRUE(Checked(ID_AREA_FOOTER));
    Paint();
    // Header top -100, footer top -1800.
    EXPECT_EQ(view.GetDrawOffset(), CPoint(0, 1700));
    view.OnCommand(ID_ZOOM_OUT);
    Paint();
    EXPECT_EQ(view.GetDrawOffset(), CPoint(0, 1275));
}

TEST_F(ViewTest, ASmallDrawingStandsInTheWindowsMiddle) {
    Open();
    view.OnCommand(kZoomCommands[0]);
    Paint();
    // 1024 x 600 pixels are 2709 x 1588 units; the drawing 742 x 125.
    EXPECT_EQ(view.GetTotalSize(), CSize(742, 125));
    EXPECT_EQ(view.GetDrawOffset(), CPoint((2709 - 742) / 2, -(1588 - 125) / 2));
}

TEST_F(ViewTest, TheStandardLayoutHasOnlyAHeader) {
    Open();
    EXPECT_TRUE(Enabled(ID_AREA_HEADER));
    EXPECT_TRUE(Checked(ID_AREA_HEADER));
    for (UINT id : {ID_AREA_FOOTER, ID_AREA_LEFT, ID_AREA_RIGHT}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(ViewTest, ATemporaryEditGreysTheFileCommandsAndEndsOnceWhenTheViewGoes) {
    Open(-1, 2);
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_BASE_INPUT_NAMES}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(ID_FILE_SAVE_AS));
    EXPECT_EQ(app.temporaryEdit, -1);
    const CMenuCmdUI exit = Update(ID_APP_EXIT);
    EXPECT_TRUE(exit.IsTextSet());
    EXPECT_EQ(exit.GetText(), J("戻る"));
    EXPECT_TRUE(done.handles.empty());
    doc.SetPathName((paths.Dir().Path() / "LAYTEMP0.LY$").string(), FALSE);
    view.OnDestroy();
    view.OnDestroy();
    EXPECT_EQ(done.handles, (std::vector<int>{777}));
    EXPECT_EQ(done.paths, (std::vector<std::string>{doc.GetPathName()}));
    EXPECT_EQ(doc.GetLayout().GetPaper(2).CountElements(), 0);
}

TEST_F(ViewTest, AnOrdinaryLayoutEndsWithoutTellingTheMainProgram) {
    Open(0);
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_BASE_INPUT_NAMES}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    EXPECT_EQ(app.temporaryEdit, 0);
    EXPECT_FALSE(Update(ID_APP_EXIT).IsTextSet());
    doc.CopySelected();
    view.OnDestroy();
    EXPECT_TRUE(done.handles.empty());
    EXPECT_EQ(doc.GetCopyCount(), 0u);
}

TEST_F(ViewTest, APaperChangeStartsAFreshHistory) {
    Open();
    SelectAll();
    EXPECT_GT(Paper().CountSelected(), 0);
    view.OnCommand(ID_DELETE);
    EXPECT_EQ(Paper().CountElements(), 0);
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    view.OnCommand(ID_EDIT_UNDO);
    EXPECT_GT(Paper().CountElements(), 0);
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO)); // now a redo
    doc.SetModifiedFlag(FALSE);
    view.OnCommand(kZoomCommands[6]);
    view.OnPaperSelected(2);
    EXPECT_EQ(doc.GetLayout().GetCurrentPaperIndex(), 2);
    EXPECT_EQ(view.GetZoomIndex(), 3);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewTest, TheModeCommandsSetTheModeAndTheDrawingModeDropsTheSelection) {
    Open();
    SelectAll();
    EXPECT_TRUE(Checked(ID_MODE_EDIT));
    EXPECT_TRUE(Enabled(ID_DELETE));
    view.OnCommand(ID_MODE_MOVE);
    EXPECT_TRUE(Checked(ID_MODE_MOVE));
    EXPECT_GT(Paper().CountSelected(), 0);
    view.OnCommand(ID_MODE_LINE);
    EXPECT_EQ(view.GetMode(), kModeLine);
    EXPECT_EQ(view.GetLastDrawMode(), kModeLine);
    EXPECT_EQ(Paper().CountSelected(), 0);
    EXPECT_FALSE(Enabled(ID_SELECT_ALL));
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
}

TEST_F(ViewTest, DeleteAllAsksFirst) {
    Open();
    ui->QueueAnswer(IDNO);
    view.OnCommand(ID_DELETE_ALL);
    EXPECT_GT(Paper().CountElements(), 0);
    ui->QueueAnswer(IDYES);
    view.OnCommand(ID_DELETE_ALL);
    EXPECT_EQ(Paper().CountElements(), 0);
    EXPECT_FALSE(Enabled(ID_DELETE_ALL));
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "全てのデータを消去します。よろしいですか？");
}

TEST_F(ViewTest, CentringFlipsTheNewTextsOrTheSelection) {
    Open();
    EXPECT_TRUE(Checked(ID_CENTER_VERTICAL));
    view.OnCommand(ID_CENTER_VERTICAL);
    EXPECT_EQ(view.GetVCenter(), 0);
    EXPECT_FALSE(Checked(ID_CENTER_VERTICAL));

    // With texts selected, the last one decides and all take the opposite.
    SelectAll();
    const auto* last = dynamic_cast<const CPHeadMojiData*>(Paper().GetElements()[10].get());
    ASSERT_NE(last, nullptr); // the last input area, horizontally centred
    ASSERT_EQ(last->GetHCenter(), 1);
    EXPECT_TRUE(Checked(ID_CENTER_HORIZONTAL));
    view.OnCommand(ID_CENTER_HORIZONTAL);
    for (const auto& element : Paper().GetElements()) {
        if (const auto* text = dynamic_cast<const CPHeadMojiData*>(element.get())) {
            EXPECT_EQ(text->GetHCenter(), 0);
        }
    }
    EXPECT_FALSE(Checked(ID_CENTER_HORIZONTAL));
    EXPECT_EQ(view.GetHCenter(), 1);
    // Undo puts the old elements back in their places.
    view.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(static_cast<const CPHeadMojiData&>(*Paper().GetElements()[10]).GetHCenter(), 1);
}

TEST_F(ViewTest, ALineWidthGoesToTheSelectedLinesOrToNewOnes) {
    Open();
    view.OnCommand(ID_WIDTH_BOLD);
    EXPECT_EQ(view.GetWidthClass(), kWidthBold);
    EXPECT_TRUE(Checked(ID_WIDTH_BOLD));
    SelectAll();
    // The last line of the standard layout is 1 wide: thin.
    EXPECT_TRUE(Checked(ID_WIDTH_THIN));
    view.OnCommand(ID_WIDTH_NORMAL);
    for (const auto& element : Paper().GetElements()) {
        if (const auto* line = dynamic_cast<const CPHeadLineData*>(element.get())) {
            EXPECT_EQ(line->GetWidth(), 3);
            EXPECT_EQ(line->GetWidthClass(), kWidthNormal);
        }
    }
    EXPECT_TRUE(Checked(ID_WIDTH_NORMAL));
    EXPECT_EQ(view.GetWidthClass(), kWidthBold);
}

TEST_F(ViewTest, ChangingAFixedTextIsOneUndoStep) {
    Open();
    view.OnCommand(ID_MODE_EDIT);
    // The paper's base input areas come first, then the file's fixed texts.
    auto& first = static_cast<CPHeadMojiData&>(*Paper().GetElements()[3]);
    ASSERT_EQ(first.GetText(), J("工事名"));
    EXPECT_FALSE(Enabled(ID_CHANGE_TEXT));
    first.SetSelected(true);
    EXPECT_TRUE(Enabled(ID_CHANGE_TEXT));
    EXPECT_FALSE(Enabled(ID_CHANGE_INPUT_NAME));
    ui->OnDialog("FixedText", [](DialogRequest& request) {
        static_cast<FixedTextRequest&>(request).element.SetText(J("工事件名"));
        return IDOK;
    });
    doc.SetModifiedFlag(FALSE);
    view.OnCommand(ID_CHANGE_TEXT);
    EXPECT_EQ(static_cast<CPHeadMojiData&>(*Paper().GetElements()[3]).GetText(), J("工事件名"));
    EXPECT_TRUE(doc.IsModified());
    view.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(static_cast<CPHeadMojiData&>(*Paper().GetElements()[3]).GetText(), J("工事名"));
    EXPECT_TRUE(Paper().GetElements()[3]->IsSelected());
}

TEST_F(ViewTest, CancelledInputAreaDialogsChangeNothing) {
    Open();
    view.OnCommand(ID_MODE_EDIT);
    auto* input = dynamic_cast<CPHeadInputArea*>(Paper().GetElements()[0].get());
    ASSERT_NE(input, nullptr);
    input->SetSelected(true);
    EXPECT_TRUE(Enabled(ID_CHANGE_INPUT_NAME));
    doc.SetModifiedFlag(FALSE);
    view.OnCommand(ID_CHANGE_INPUT_NAME);
    view.OnCommand(ID_BASE_INPUT_NAMES);
    ASSERT_EQ(ui->Dialogs().size(), 2u);
    EXPECT_EQ(ui->Dialogs()[0].name, "InputAreaName");
    EXPECT_EQ(ui->Dialogs()[1].name, "BaseInputAreaNames");
    EXPECT_EQ(input->GetName(), J("工事名称"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(ViewTest, TheFormatNameIsNoChangeOfTheLayout) {
    Open();
    ui->OnDialog("LayoutFormatName", [](DialogRequest& request) {
        auto& r = static_cast<LayoutFormatNameRequest&>(request);
        EXPECT_EQ(r.name, J("標準書式"));
        r.name = J("新書式");
        return IDOK;
    });
    view.OnCommand(ID_FORMAT_NAME);
    EXPECT_EQ(doc.GetLayout().GetLayoutName(), J("新書式"));
    EXPECT_FALSE(doc.IsModified());
    Paint();
    EXPECT_EQ(host.title, J("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <新書式> - [ Ａ４ ] "));
}

TEST_F(ViewTest, TheGridDialogSetsTheViewAndTheArea) {
    Open();
    ui->OnDialog("GridSet", [](DialogRequest& request) {
        CGridSetData& data = static_cast<GridSetRequest&>(request).data;
        EXPECT_EQ(data.snap, 1);
        EXPECT_EQ(data.across, 50);
        EXPECT_EQ(data.down, 6);
        EXPECT_EQ(data.areaWidth, 2770);
        EXPECT_EQ(data.areaHeight, 300);
        data.snap = 0;
        data.across = 3;
        data.down = 0;
        return IDOK;
    });
    view.OnCommand(ID_GRID_SET);
    EXPECT_FALSE(view.IsGridSnapOn());
    EXPECT_FALSE(Checked(ID_GRID_SNAP));
    EXPECT_EQ(view.GetGridAcross(), 3);
    int across = 0;
    int down = 0;
    doc.GetPartitions(across, down);
    EXPECT_EQ(across, 3);
    EXPECT_EQ(down, 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewTest, TheInitialSettingsOfTheRunningProgram) {
    Open();
    ui->OnDialog("InitSet", [](DialogRequest& request) {
        CInitSetData& data = static_cast<InitSetRequest&>(request).data;
        EXPECT_EQ(data.GetForm(), CInitSetData::kRunningForm);
        data.thinWidth = 2;
        return IDOK;
    });
    view.OnCommand(ID_INIT_SET_RUNNING);
    EXPECT_EQ(app.editor.thinWidth, 2);
}

TEST_F(ViewTest, HeaderElementsMoveWithTheHeader) {
    Open();
    const CRect title = Paper().GetElements()[0]->GetFrameRect();
    view.OnCommand(kZoomCommands[6]);
    SetSizes([](CSizeSetData& data) {
        data.GetValues()[kSizeTop] = 150;
        data.GetValues()[kSizeHeader] = 300;
        data.GetValues()[kSizeProcess] = 1430;
    });
    CRect moved = title;
    moved.OffsetRect(0, -50);
    EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), moved);
    EXPECT_EQ(view.GetZoomIndex(), 3);
    EXPECT_EQ(view.GetMode(), kModeText);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(ViewTest, AFooterRemembersWhereItStoodWhileItIsGone) {
    Open();
    auto note = std::make_unique<CPHeadMojiData>();
    note->SetText("N");
    note->SetFrameRect(CRect(10, -10, 60, -40));
    note->SetArea(kAreaFooter);
    Paper().GetElements().push_back(std::move(note));
    const CLayoutData& element = *Paper().GetElements().back();
    const auto footer = [&](int height) {
        SetSizes([height](CSizeSetData& data) {
            data.GetValues()[kSizeFooter] = height;
            data.GetValues()[kSizeProcess] = 1480 - height;
        });
    };
    // It appears: its elements come from where it was remembered (nowhere yet: the corner).
    footer(200);
    EXPECT_EQ(element.GetFrameRect(), CRect(110, -1810, 160, -1840));
    view.OnCommand(ID_AREA_FOOTER);
    // It goes: the header is shown, the footer remembered.
    footer(0);
    EXPECT_TRUE(Checked(ID_AREA_HEADER));
    EXPECT_EQ(Paper().GetSize().GetArea(kLayoutFooterAreaOld), CRect(100, -1800, 2870, -2000));
    EXPECT_EQ(element.GetFrameRect(), CRect(110, -1810, 160, -1840));
    // It comes back lower: its elements follow from the remembered place.
    footer(100);
    EXPECT_EQ(element.GetFrameRect(), CRect(110, -1910, 160, -1940));
}

TEST_F(ViewTest, TheSizeDialogKeepsTheTemporaryCopysPaper) {
    Open(-1, 2);
    bool temporary = false;
    ui->OnDialog("SizeSet", [&](DialogRequest& request) {
        temporary = static_cast<SizeSetRequest&>(request).temporaryEdit;
        return IDCANCEL;
    });
    view.OnCommand(ID_SIZE_SET);
    EXPECT_TRUE(temporary);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewTest, APaperChosenInTheSizeDialogIsShownFromItsCorner) {
    Open();
    SelectAll();
    view.OnCommand(ID_DELETE);
    SetSizes([](CSizeSetData& data) { data.SelectPaper(4); });
    EXPECT_EQ(doc.GetLayout().GetCurrentPaperIndex(), 4);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(view.GetGridAcross(), 50);
}

TEST_F(ViewTest, TheCursorIsTheModesInsideTheArea) {
    Open();
    // The header's middle: layout (1485, -250) lies at (1485, 250 - 0) units from the scroll
    // space's corner; 96 dpi.
    const CPoint inside(1485 * 96 / 254, 250 * 96 / 254);
    EXPECT_EQ(view.GetCursorShape(inside), 106);
    view.OnCommand(ID_MODE_BOX);
    EXPECT_EQ(view.GetCursorShape(inside), 111);
    EXPECT_EQ(view.GetCursorShape(CPoint(5, 5)), 0);
    EXPECT_EQ(view.GetCursorShape(CPoint(2000, 5)), 0);
}

TEST_F(ViewTest, PrintingDrawsThePaperAtFullSizeFromTheSheetsCorner) {
    Open();
    view.OnCommand(kZoomCommands[0]);
    Printer printer;
    view.OnPrint(&printer);
    EXPECT_FALSE(printer.GetDrawOptions().colorMatch);
    EXPECT_FALSE(printer.GetDrawOptions().styledDraw);
    EXPECT_EQ(printer.GetMapMode(), MM_LOMETRIC);
    // The title block's top line, (100, -100) to (2870, -100), moved by the 42 units the
    // printer leaves unprinted.
    bool found = false;
    for (const auto& record : printer.Find(DcOp::MoveTo)) {
        found = found || record.args.points.at(0) == CPoint(58, -58);
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(view.GetZoomIndex(), 0);
}

TEST_F(ViewTest, TheScreenDrawsWithTheEditorsOwnColours) {
    Open();
    CRecordingDC dc(CRecordingDC::Device::Screen, 96, host.client);
    view.OnPaint(&dc);
    EXPECT_FALSE(dc.GetDrawOptions().colorMatch);
    EXPECT_FALSE(dc.Find(DcOp::FillRect).empty());
    EXPECT_FALSE(dc.Find(DcOp::IntersectClipRect).empty());
}

TEST_F(ViewTest, AnElementsChangeRepaintsWhereItLies) {
    Open();
    host.invalidated.clear();
    SelectAll();
    ASSERT_FALSE(host.invalidated.empty());
    for (const CRect& rect : host.invalidated) {
        EXPECT_LT(rect.left, rect.right);
        EXPECT_LT(rect.top, rect.bottom);
    }
}

} // namespace
} // namespace marquell
