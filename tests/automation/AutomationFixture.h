// A chart driven by a client, as the tests of the automation members see it: the document file
// fixture's program, a host that notes what it is asked, and settings changes that note what
// reaches them.
#pragma once

#include "automation/AutomationHost.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "document/DocFileFixture.h"
#include "model/Event.h"

#include <string>
#include <vector>

namespace tembra::test {

class RecordingHost : public IAutomationHost {
public:
    void CloseIdleDocuments(CTembraDoc&) override { ++idleCloses; }
    bool CloseDocument(CTembraDoc&, int option) override {
        closedWith.push_back(option);
        return closes;
    }
    bool OtherDocumentsOpen(const CTembraDoc&) const override { return othersOpen; }
    void CloseApplication(CTembraDoc&) override { ++appCloses; }
    void BeginQuestion() override { ++questions; }
    void EndQuestion() override { --questions; }

    int idleCloses = 0;
    std::vector<int> closedWith;
    // Whether a close asked for goes through (false: the chart stays open).
    bool closes = true;
    bool othersOpen = false;
    int appCloses = 0;
    // How deep the member's own questions are open.
    int questions = 0;
};

class RecordingSettings : public ISettingsChanges {
public:
    explicit RecordingSettings(const RecordingHost& h) : host(h) {}
    int PaperChange(CTembraDoc&, int p) override {
        paper = p;
        questionsAtPaper = host.questions;
        return 1;
    }
    int KikanChange(CTembraDoc&, const CTime& s, const CTime& e) override {
        start = s;
        end = e;
        return 1;
    }
    int LineChange(CTembraDoc&, int r) override {
        rows = r;
        return 1;
    }
    int ChangeNobeToReki(CTembraDoc&, const DayConversionValues& v,
                         const DayConversionCheck&) override {
        conversion = v;
        return 1;
    }

    const RecordingHost& host;
    int paper = -1;
    // How deep the host's questions were open while the paper changed.
    int questionsAtPaper = 0;
    CTime start;
    CTime end;
    int rows = -1;
    DayConversionValues conversion{};
};

class AutomationFixture : public DocFileFixture {
protected:
    AutomationFixture() : doc(NewChart()), automation(*doc, host, settings) {
        automation.AppInit();
    }

    static AutoArg S(const char* text) { return std::string(text); }
    static AutoResult Ok() { return AutoResult::I2(-1); }
    static AutoResult Refused() { return AutoResult::I2(0); }

    RecordingHost host;
    RecordingSettings settings{host};
    std::unique_ptr<CTembraDoc> doc;
    CTembraDocAutomation automation;
};

} // namespace tembra::test
