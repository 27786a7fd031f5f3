// The wait for the layout editor ("待機中", "レイアウトエディタ起動中"): it writes the chart's
// print header as the temporary layout ("MasterFlag" -1, "hWnd_Tembra" the number of the local
// socket it listens on), starts the layout editor "marquell" beside this program on that file,
// and waits. It ends with OK when the editor reports the file done ("FORMEDIT_DONE <path>" naming
// this wait's copy) and the file says it was changed ("MasterFlag" -2); with Cancel when it says
// otherwise, when the editor process ends first, when the copy cannot be written (5163) or the
// editor cannot be started (5090), or when the user gives up with Ctrl held while releasing the
// left button over it. Enter, Escape and the close box do nothing. The caller reads the copy
// back.
#pragma once

#include "model/ConfigPath.h"
#include "platform/Types.h"
#include "platform/qt/FormEditChannel.h"
#include "platform/qt/ProcessWatch.h"

#include <QDialog>

#include <filesystem>
#include <string>

namespace tembra {

class CPrHeader;
class CPrintArea;

class CLayoutWaitDlg : public QDialog {
    Q_OBJECT
public:
    // layoutName: the name written into the copy (string 110 "ローカル書式" from the chart's
    // callers); caller: the file-name settings of the chart, whose folder, layout file and
    // temporary layout file name the copy is made from and written to.
    CLayoutWaitDlg(const CPrHeader& header, const CPrintArea& printArea, std::string layoutName,
                   const CConfigPath& caller, QWidget* parent = nullptr);

    // The editor started (default: "marquell" in this program's folder) and the folder of the
    // socket it reports to (default: the user's runtime folder). Set before DoModal.
    void SetEditorProgram(const QString& program) { m_program = program; }
    void SetRuntimeFolder(const QString& folder) { m_folder = folder; }

    // Runs the wait: IDOK when the layout was changed, else IDCANCEL.
    int DoModal();
    // The socket the editor reports on, while the wait listens (tests follow its reports).
    const CFormEditServer* GetServer() const { return m_server.get(); }

    const std::filesystem::path& GetTempPath() const { return m_tempPath; }
    const std::filesystem::path& GetSourcePath() const { return m_sourcePath; }
    // The editor's process while it runs (0 before it was started).
    qint64 GetProcessId() const { return m_pid; }
    qint64 GetNumber() const;

    void accept() override {}
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Writes the copy, starts the editor; on failure its message and Cancel.
    void StartEditor();
    void OnDone(const QString& path);
    void OnEditorEnded();
    void End(int result);

    const CPrHeader& m_header;
    const CPrintArea& m_printArea;
    std::string m_layoutName;
    std::filesystem::path m_tempPath;
    std::filesystem::path m_sourcePath;
    QString m_program;
    QString m_folder;
    std::unique_ptr<CFormEditServer> m_server;
    CProcessWatch m_watch;
    qint64 m_pid = 0;
    bool m_started = false;
    bool m_ended = false;
};

} // namespace tembra
