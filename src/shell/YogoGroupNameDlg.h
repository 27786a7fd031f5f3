// The name of a term group of the MY term list (dialog 286 "用語グループ名の編集"): one edit (1964)
// of CP932 text, 決定 and 取消. Centred on its parent. The controls carry their template ids as
// object names.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <utility>

class QLineEdit;

namespace tembra {

class CYogoGroupNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 286;
    enum : int { IDC_NAME = 1964 };
    // A group name is a section of MYYOGO.INI; the field keeps it within what a line holds.
    static constexpr std::size_t kMaxBytes = 255;

    CYogoGroupNameDlg(const std::string& name, QWidget* parent = nullptr);
    ~CYogoGroupNameDlg() override;

    // The name as typed (CP932).
    std::string Name() const;
    // 決定 first hands the name to the check, when there is one: a name it refuses (it has shown
    // its message) keeps the dialog open with the name selected.
    void SetCheck(std::function<bool(const std::string&)> accepts) {
        m_accepts = std::move(accepts);
    }
    void accept() override;

private:
    QLineEdit* m_name = nullptr;
    std::function<bool(const std::string&)> m_accepts;
};

} // namespace tembra
