// The initial settings of a chart (180 "初期設定（暦）", and through CSyokiSetNobeDlg 195
// "初期設定（延）"): the widgets of a settings model. Leaving a field or choosing in a list runs
// the model's operation for it; the model reads the widgets back and has them show its values.
// The buttons open the layout selection, the plan paper choice, the layout editor's wait, the
// irregular periods, the date column, the element fonts and the initial sizes.
#pragma once

#include "dialogs/settings/core/SyokiSetRekiModel.h"
#include "platform/Ui.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tembra {

class CEnterMovesFocus;

class CSyokiSetRekiDlg : public QDialog, public ISyokiSetControls, public ISyokiSetLayoutDialogs {
    Q_OBJECT
public:
    static constexpr int IDD = 180;
    // Control ids (object names).
    enum : int {
        IDC_PAPER = 1100,
        IDC_LAYOUT_NAME,
        IDC_LAYOUT_CHANGE,
        IDC_LAYOUT_EDIT,
        IDC_START_YEAR,
        IDC_START_MONTH,
        IDC_START_DAY,
        IDC_END_YEAR,
        IDC_END_MONTH,
        IDC_END_DAY,
        IDC_MAE,
        IDC_ATO,
        IDC_DAYS,
        IDC_START_HOUR,
        IDC_ROWS,
        IDC_ITEM_WIDTH,
        IDC_INSET_LEFT,
        IDC_INSET_RIGHT,
        IDC_DATE_STEP,
        IDC_DATE_UNIT,
        IDC_KEISEN_STEP,
        IDC_KEISEN_UNIT,
        IDC_HOLIDAY,
        IDC_ALWAYS_OPTIMISE,
        IDC_OPTIMISE,
        IDC_HENSOKU,
        IDC_DATE_COLUMN = 1146,
        IDC_FONTS = 1147,
        IDC_SIZES,
        IDC_RESET,
        IDC_MONTH_LENGTH,
    };

    // The model is loaded by the caller; templateId 180 or 195.
    CSyokiSetRekiDlg(CSyokiSetRekiModel& model, int templateId, QWidget* parent = nullptr);
    ~CSyokiSetRekiDlg() override;

    int DoModal();
    void accept() override;

    // ISyokiSetControls
    bool ReadControls(SyokiSetValues& values, SyokiSetField& failed) override;
    void PutControls() override;
    void RepaintNow() override;
    // ISyokiSetLayoutDialogs
    int SelectLayout(const CPrintArea& area, std::string& fileName,
                     std::string& layoutName) override;
    int SelectPlanPaper(int& paperCode) override;
    int EditLayout(const CPrHeader& header, const CPrintArea& area, const std::string& layoutName,
                   const CConfigPath& path) override;

    CSyokiSetRekiModel& Model() { return m_model; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    void BuildPaper(QVBoxLayout* main, CEnterMovesFocus* enter);
    void BuildPeriod(QVBoxLayout* main, CEnterMovesFocus* enter);
    void BuildSizes(QVBoxLayout* main, CEnterMovesFocus* enter);
    void BuildIntervals(QVBoxLayout* main, CEnterMovesFocus* enter);
    void BuildButtons(QVBoxLayout* main, CEnterMovesFocus* enter);
    void Connect();
    void FillPeriodLists();
    void OnDateColumn();
    void OnFonts();
    void OnSizes();
    void OnHensoku();

    CSyokiSetRekiModel& m_model;
    bool m_elapsed;
    bool m_initialised = false;
    bool m_putting = false;
    QComboBox* m_paper = nullptr;
    QLabel* m_layoutName = nullptr;
    std::array<QComboBox*, 3> m_start{};
    std::array<QComboBox*, 3> m_end{};
    QLineEdit* m_mae = nullptr;
    QLineEdit* m_ato = nullptr;
    QLineEdit* m_days = nullptr;
    QComboBox* m_startHour = nullptr;
    QLineEdit* m_rows = nullptr;
    QLineEdit* m_itemWidth = nullptr;
    QLineEdit* m_insetLeft = nullptr;
    QLineEdit* m_insetRight = nullptr;
    QComboBox* m_dateStep = nullptr;
    QComboBox* m_dateUnit = nullptr;
    QComboBox* m_keisenStep = nullptr;
    QComboBox* m_keisenUnit = nullptr;
    QComboBox* m_holiday = nullptr;
    QCheckBox* m_alwaysOptimise = nullptr;
    QLineEdit* m_monthLength = nullptr;
    std::array<QLabel*, 3> m_rowLabels{};
};

// The elapsed-day variant: the same dialog on an elapsed-day model, template 195.
class CSyokiSetNobeDlg : public CSyokiSetRekiDlg {
    Q_OBJECT
public:
    static constexpr int IDD = 195;
    explicit CSyokiSetNobeDlg(CSyokiSetRekiModel& model, QWidget* parent = nullptr)
        : CSyokiSetRekiDlg(model, IDD, parent) {}
};

} // namespace tembra
