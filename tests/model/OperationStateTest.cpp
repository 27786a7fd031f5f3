#include "model/OperationState.h"

#include "model/ConfigBase.h"
#include "model/ConfigOperation.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

// A document's state with the settings part it reads its guide setting from.
class DocumentState : public COperationState {
public:
    LONG GetGuideMode() const override { return m_settings.GetGuideMode(); }
    CConfigOperation& Copy(const CConfigOperation& source) override {
        return m_settings.Copy(source);
    }

    CConfigOperation m_settings;
};

struct GuideCase {
    LONG mode;
    LONG operation;
    WORD state;
    LONG tool;
    UINT id; // 0: no guide
};

TEST(ModeGuideTest, PicksTheGuideOfModeOperationToolAndSubState) {
    const GuideCase cases[] = {
        {1, 0, 0, 0, 1013},   {1, 0, 2, 0, 1014},  {1, 0, 4, 0, 1050},   {1, 0, 6, 0, 0},
        {1, 4, 2, 0, 1012},   {1, 10, 0, 0, 1018}, {1, 8, 0, 0, 0},      {0, 0, 7, 0, 1051},
        {0, 2, 0, 0, 0},      {0, 2, 1, 0, 1057},  {0, 3, 1, 0, 1055},   {2, 6, 4, 0, 1030},
        {2, 4, 0, 0, 0},      {2, 3, 2, 0, 1028},  {3, 1, 2, 0, 0},      {4, 0, 0, 3, 1033},
        {4, 0, 2, 3, 1034},   {4, 0, 2, 1, 1046},  {4, 0, 2, 8, 1048},   {4, 0, 4, 7, 1049},
        {4, 0, 4, 3, 0},      {4, 9, 2, 0, 1036},  {4, 8, 2, 0, 1045},   {5, 0, 0, 0, 0},
        {5, 1, 2, 0, 1021},   {6, 7, 2, 0, 1006},  {6, 2, 0, 0, 1001},   {7, 1, 2, 0, 0},
        {7, 7, 4, 0, 1058},   {7, 3, 0, 0, 1060},  {8, 1, 101, 0, 1064}, {8, 1, 102, 0, 0},
        {8, 1, 103, 0, 1065}, {8, 0, 0, 0, 0},     {9, 1, 0, 0, 0},      {11, 0, 0, 0, 0},
    };
    for (const GuideCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " op " << c.operation << " state "
                                        << c.state << " tool " << c.tool);
        EXPECT_EQ(COperationState::GuideStringId(c.mode, c.operation, c.state, c.tool), c.id);
        if (c.id != 0) {
            EXPECT_NE(FindString(c.id), nullptr);
        }
    }
}

TEST(ModeGuideTest, TheSubStateShowsItsGuideInTheStatusBar) {
    test::ScopedUi ui;
    DocumentState state;
    state.SetMode(1);
    state.SetState(0);
    EXPECT_EQ(ui->LastStatusUtf8(),
              "開始点、または項目欄で左クリック（既存工程の終点ノードで開始すると連結）");
    state.SetState(4);
    EXPECT_EQ(ui->LastStatusUtf8(), "終了点で左クリック");

    // A state without a guide leaves the text as it was.
    const std::size_t shown = ui->StatusTexts().size();
    state.SetState(6);
    EXPECT_EQ(ui->StatusTexts().size(), shown);

    // Guide texts switched off show nothing, whatever the state.
    state.m_settings.SetGuideMode(0);
    state.SetState(2);
    state.SetMode(6);
    EXPECT_EQ(ui->StatusTexts().size(), shown);
}

TEST(OperationStateTest, SettingTheSameModeChangesNothing) {
    test::ScopedUi ui;
    DocumentState state;
    state.SetMode(1);
    state.SetState(2);
    state.SetSavedOperation(3);
    ui->ClearRecords();

    state.SetMode(1);
    EXPECT_EQ(state.GetState(), 2);
    EXPECT_EQ(state.GetSavedOperation(), 4);
    EXPECT_EQ(ui->ModeChangedCount(), 0);

    state.SetMode(2);
    EXPECT_EQ(state.GetMode(), 2);
    EXPECT_EQ(state.GetState(), 0);
    EXPECT_EQ(state.GetSavedOperation(), 0);
    EXPECT_EQ(ui->ModeChangedCount(), 1);

    state.SetOperation(0);
    EXPECT_EQ(ui->ModeChangedCount(), 1);
    state.SetOperation(1);
    EXPECT_EQ(ui->ModeChangedCount(), 2);
}

TEST(OperationStateTest, DrawingInTheObjectModeReturnsToProcesses) {
    test::ScopedUi ui;
    DocumentState state;
    state.SetMode(COperationState::kModeObject);
    state.SetEditOperation();
    ui->ClearRecords();

    state.SetDrawOperation();
    EXPECT_EQ(state.GetMode(), COperationState::kModeKoutei);
    EXPECT_EQ(state.GetOperation(), COperationState::kOpDraw);
    EXPECT_EQ(ui->ModeChangedCount(), 2);

    state.SetDrawOperation();
    EXPECT_EQ(ui->ModeChangedCount(), 2);
}

TEST(OperationStateTest, InitModeStartsDrawingProcessesWithTheApplicationsSettings) {
    CConfigBase app;
    app.Read(FALSE);
    app.GetOperation().SetGuideMode(0);
    app.GetOperation().SetYogoAttach(15);
    CConfigBase* previous = SetAppConfig(&app);
    {
        test::ScopedUi ui;
        DocumentState state;
        state.SetMode(4);
        state.SetOperation(3);
        state.SetState(2);
        state.InitMode();
        EXPECT_EQ(state.GetMode(), COperationState::kModeKoutei);
        EXPECT_EQ(state.GetOperation(), COperationState::kOpDraw);
        EXPECT_EQ(state.GetState(), 0);
        EXPECT_EQ(state.GetGuideMode(), 0);
        EXPECT_EQ(state.m_settings.GetYogoAttach(), 15);
    }
    SetAppConfig(previous);
}

TEST(OperationStateTest, ATemporarySwitchReturnsToTheSavedModeAndOperation) {
    test::ScopedUi ui;
    DocumentState state;
    state.SetMode(COperationState::kModeKoutei);
    state.SetOperation(COperationState::kOpDraw);
    state.SetState(2);

    // Copying item cells for a moment: save, switch without clearing, come back.
    state.SaveMode();
    state.SaveOperation();
    EXPECT_EQ(state.GetSavedMode(), 2);
    EXPECT_EQ(state.GetSavedOperation(), 1);
    ui->ClearRecords();
    state.ChangeMode(COperationState::kModeKoumoku);
    state.ChangeOperation(COperationState::kOpCopy);
    EXPECT_EQ(state.GetState(), 2);
    EXPECT_EQ(state.GetSavedMode(), 2);
    EXPECT_EQ(ui->ModeChangedCount(), 2);
    state.ChangeMode(COperationState::kModeKoumoku);
    EXPECT_EQ(ui->ModeChangedCount(), 2);

    state.RestoreMode();
    EXPECT_EQ(state.GetMode(), COperationState::kModeKoutei);
    EXPECT_EQ(state.GetOperation(), COperationState::kOpDraw);
    EXPECT_EQ(state.GetSavedMode(), 0);
    EXPECT_EQ(state.GetSavedOperation(), 0);
    EXPECT_EQ(ui->ModeChangedCount(), 4);

    // Nothing saved: nothing happens.
    ui->ClearRecords();
    state.RestoreMode();
    state.RestoreOperation();
    EXPECT_EQ(ui->ModeChangedCount(), 0);

    // Term input from the process mode remembers process mode and draw operation.
    state.SetMode(COperationState::kModeYogo);
    state.SetSavedMode(COperationState::kModeKoutei);
    state.SetSavedOperation(COperationState::kOpDraw);
    state.SetOperation(COperationState::kOpEdit);
    EXPECT_EQ(state.GetSavedOperation(), 0) << "a new operation forgets the saved one";
    state.SetSavedOperation(COperationState::kOpDraw);
    state.RestoreMode();
    EXPECT_EQ(state.GetMode(), COperationState::kModeKoutei);
    EXPECT_EQ(state.GetOperation(), COperationState::kOpDraw);
}

} // namespace
} // namespace tembra
