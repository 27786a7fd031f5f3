// File > Insert: the parts of another chart taken into this one, the questions on the way, and a
// file that cannot be read changing nothing.
#include "DocFileFixture.h"

#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;
using namespace DocFile;

class DocInsertTest : public test::DocFileFixture {
protected:
    // A chart of the paper, titled, with a process from the day given in the chart's period
    // (row 2) and an event (row 4).
    std::unique_ptr<CTembraDoc> Chart(int paper, const std::string& title, int startDay) {
        auto doc = NewChart();
        doc->GetSyokiSet().GetPageSetting().SetPaper(paper, 0, paths.Writable() / "MASTER01.LYT");
        doc->GetPrHeader().SetTitleText(Sjis::FromUtf8(title));
        const CTime start = doc->GetSyokiSet().GetStartDate() + CTimeSpan(startDay, 0, 0, 0);
        CChartPos pos;
        pos.SetStartDate(start);
        pos.SetEndDate(start + CTimeSpan(3, 0, 0, 0));
        pos.SetStartRow(2);
        pos.SetEndRow(2);
        doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
        std::unique_ptr<CEvent> event = doc->GetEvents().CreateEvent();
        event->SetStartDate(start);
        event->SetStartRow(4);
        doc->AddObj(event.release(), FALSE);
        return doc;
    }
    fs::path Save(CTembraDoc& doc, const std::string& name) {
        const fs::path path = files.File(name);
        EXPECT_TRUE(doc.OnSaveDocument(path.string()));
        return path;
    }
    std::string Bytes(CTembraDoc& doc) {
        return ReadBytes(Save(doc, "state" + std::to_string(++m_states) + ".tbr"));
    }
    // The answers of the insert dialogs.
    void Choose(int mask, bool adjust = true) {
        ui->OnDialog("InsertSelect", [mask](DialogRequest& r) {
            static_cast<InsertSelectRequest&>(r).mask = mask;
            return IDOK;
        });
        ui->OnDialog("InsertConfirm", [adjust](DialogRequest& r) {
            static_cast<InsertConfirmRequest&>(r).adjust = adjust;
            return IDOK;
        });
    }
    int m_states = 0;
};

TEST_F(DocInsertTest, TheSettingsAndThePrintHeaderGoOnlyTogether) {
    auto source = Chart(kPaperB4, "Other", 1);
    const fs::path path = Save(*source, "other.tbr");
    struct Case {
        int mask;
        bool refused;
    };
    const Case cases[] = {{kInsertSettings, true},
                          {kInsertHeader, true},
                          {kInsertSettings | kInsertHeader, false},
                          {kInsertItems, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        auto doc = Chart(kPaperB4, "Mine", 1);
        ui->ClearRecords();
        Choose(c.mask);
        bool asked = false;
        ui->OnDialog("FileDialog", [&](DialogRequest& r) {
            asked = true;
            static_cast<FileDialogRequest&>(r).path = path.string();
            return IDOK;
        });
        doc->OnFileInsert();
        EXPECT_EQ(asked, !c.refused);
        EXPECT_EQ(Messages(), c.refused ? std::vector<UINT>{5091} : std::vector<UINT>{});
    }
}

TEST_F(DocInsertTest, APrintHeaderOfAnotherPaperIsRefusedWithoutTheSettings) {
    auto source = Chart(kPaperA3, "Other", 1);
    const fs::path path = Save(*source, "a3.tbr");
    auto doc = Chart(kPaperB4, "Mine", 1);
    ui->ClearRecords();
    ASSERT_TRUE(doc->InsertFile(path.string(), kInsertHeader, FALSE));
    EXPECT_EQ(Messages(), std::vector<UINT>{5035});
    EXPECT_EQ(doc->GetPrHeader().GetTitleText(), "Mine");

    // With the settings the paper comes along, and the header with it.
    ui->ClearRecords();
    ASSERT_TRUE(doc->InsertFile(path.string(), kInsertSettings | kInsertHeader, FALSE));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc->GetPrHeader().GetTitleText(), "Other");
    EXPECT_EQ(doc->GetSyokiSet().GetPageSetting().GetPaper(), kPaperA3);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetChangedFlag());
}

TEST_F(DocInsertTest, AFileThatCannotBeReadChangesNothing) {
    auto source = Chart(kPaperB4, "Other", 1);
    const std::string file = ReadBytes(Save(*source, "whole.tbr"));
    auto doc = Chart(kPaperB4, "Mine", 2);
    const std::string before = Bytes(*doc);
    const int all = kInsertCalendar | kInsertSettings | kInsertHeader | kInsertItems |
                    kInsertProcesses | kInsertEvents | kInsertShapes | kInsertLayers;
    // The last cut leaves the first byte of the item block; the resource charts and hatchings
    // after it are no part of an insert.
    for (const std::size_t cut : {std::size_t{20}, file.size() / 2, file.size() - 7}) {
        const fs::path path = files.Write("cut.tbr", file.substr(0, cut));
        EXPECT_FALSE(doc->InsertFile(path.string(), all, FALSE)) << cut;
    }
    EXPECT_FALSE(doc->InsertFile(files.File("missing.tbr").string(), all, FALSE));
    EXPECT_TRUE(SameBytes(Bytes(*doc), before));
    EXPECT_EQ(doc->GetObjCount(), 2);
}

TEST_F(DocInsertTest, ObjectsComeInAsBlocksFittedIntoThePeriodOrKeptWhereTheyWere) {
    // The source's objects start 200 days after the start of its period, beyond the period of
    // the chart they go into.
    auto source = Chart(kPaperB4, "Other", 200);
    const CTime far = source->GetSyokiSet().GetStartDate() + CTimeSpan(200, 0, 0, 0);
    const fs::path path = Save(*source, "far.tbr");
    struct Case {
        int mask;
        int processes;
        int events;
        bool fitted;
    };
    const Case cases[] = {
        {kInsertProcesses, 1, 0, true},
        {kInsertEvents, 0, 1, true},
        {kInsertProcesses | kInsertEvents, 1, 1, true},
        {kInsertProcesses | kInsertEvents | kInsertKeepPlace, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        auto doc = NewChart();
        ASSERT_TRUE(doc->InsertFile(path.string(), c.mask, FALSE));
        int processes = 0;
        int events = 0;
        const CTime start = doc->GetSyokiSet().GetStartDate();
        for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
            CDataHeader* object = doc->GetNextObj(pos);
            if (const CKoutei* process = AsKoutei(object)) {
                ++processes;
                EXPECT_EQ(process->GetStartTime(), c.fitted ? start : far);
                EXPECT_FALSE(process->GetSeqNumber().IsNull()) << "numbered anew";
            } else if (const CEvent* event = AsEvent(object)) {
                ++events;
                EXPECT_EQ(event->GetStartDate(), c.fitted ? start : far);
            }
        }
        EXPECT_EQ(processes, c.processes);
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(doc->GetSelCount(), 0) << "everything deselected";
        EXPECT_TRUE(state.GetObjectClipboard().IsEmpty());
    }
}

TEST_F(DocInsertTest, TheCalendarTheItemsAndTheLayersComeIn) {
    auto source = Chart(kPaperB4, "Other", 1);
    source->GetWorkCalendar().SetDayFlag(2010, 6, 9, 0x20);
    source->GetKoumokuCells().CreateKoumokuData(3, 0)->SetText(Sjis::FromUtf8("仮設"));
    source->GetChartLayers().SetLayerName(6, "L6");
    source->SetCurrentLayer(6);
    const fs::path path = Save(*source, "parts.tbr");
    auto doc = NewChart();
    ASSERT_FALSE(doc->GetWorkCalendar().IsHoliday(2010, 6, 9));
    ASSERT_TRUE(
        doc->InsertFile(path.string(), kInsertCalendar | kInsertItems | kInsertLayers, FALSE));
    EXPECT_TRUE(doc->GetWorkCalendar().IsHoliday(2010, 6, 9));
    ASSERT_NE(doc->GetKoumokuCells().GetKoumokuCell(3, 0), nullptr);
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(3, 0)->GetText(), Sjis::FromUtf8("仮設"));
    EXPECT_EQ(doc->GetChartLayers().GetLayerName(6), "L6");
    EXPECT_EQ(doc->GetCurrentLayer(), 6);
    EXPECT_EQ(doc->GetObjCount(), 0) << "no objects were asked for";
}

TEST_F(DocInsertTest, ObjectsIntoACalendarChartWithoutTheSettingsAskFirst) {
    auto source = Chart(kPaperB4, "Other", 200);
    const CTime far = source->GetSyokiSet().GetStartDate() + CTimeSpan(200, 0, 0, 0);
    const fs::path path = Save(*source, "ask.tbr");
    ui->OnDialog("FileDialog", [path](DialogRequest& r) {
        static_cast<FileDialogRequest&>(r).path = path.string();
        return IDOK;
    });
    auto doc = NewChart();
    ASSERT_EQ(doc->GetSyokiSet().GetNobeMode(), 0);

    // No: nothing is inserted, and no file is asked for.
    ui->OnDialog("InsertSelect", [](DialogRequest& r) {
        static_cast<InsertSelectRequest&>(r).mask = kInsertProcesses;
        return IDOK;
    });
    ui->OnDialog("InsertConfirm", [](DialogRequest&) { return IDCANCEL; });
    doc->OnFileInsert();
    EXPECT_EQ(doc->GetObjCount(), 0);

    // Yes without the adjusting box: the objects keep their places.
    Choose(kInsertProcesses, false);
    doc->OnFileInsert();
    ASSERT_EQ(doc->GetObjCount(), 1);
    EXPECT_EQ(AsKoutei(doc->GetObjList().GetHead())->GetStartTime(), far);
    const std::vector<std::string> asked = [this] {
        std::vector<std::string> names;
        for (const auto& d : ui->Dialogs()) {
            names.push_back(d.name);
        }
        return names;
    }();
    EXPECT_EQ(asked, (std::vector<std::string>{"InsertSelect", "InsertConfirm", "InsertSelect",
                                               "InsertConfirm", "FileDialog"}));
}

TEST_F(DocInsertTest, TheUserChoosesTheLayersOfTheInsertedObjects) {
    auto source = Chart(kPaperB4, "Other", 1);
    const fs::path path = Save(*source, "layers.tbr");
    auto doc = NewChart();
    ui->OnDialog("OutputLayer", [](DialogRequest& r) {
        static_cast<OutputLayerRequest&>(r).map[0] = 7;
        return IDOK;
    });
    ASSERT_TRUE(doc->InsertFile(path.string(), kInsertProcesses | kInsertEvents, TRUE));
    ASSERT_EQ(doc->GetObjCount(), 2);
    for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
        EXPECT_EQ(doc->GetNextObj(pos)->GetLayer(), 7);
    }
    EXPECT_FALSE(doc->GetAskTargetLayer());
}

// The dialog is asked about the receiving chart; each layer goes where its row says.
TEST_F(DocInsertTest, InsertedObjectsGoToTheLayersChosenForTheirOwn) {
    auto source = Chart(kPaperB4, "Other", 1);
    for (POSITION pos = source->GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = source->GetNextObj(pos);
        object->SetLayer(AsEvent(object) != nullptr ? 5 : 2);
    }
    const fs::path path = Save(*source, "layers25.tbr");
    auto doc = NewChart();
    const CTembraDoc* asked = nullptr;
    ui->OnDialog("OutputLayer", [&asked](DialogRequest& r) {
        auto& request = static_cast<OutputLayerRequest&>(r);
        asked = request.document;
        request.map[2] = 7;
        return IDOK;
    });
    ASSERT_TRUE(doc->InsertFile(path.string(), kInsertProcesses | kInsertEvents, TRUE));
    EXPECT_EQ(asked, doc.get());
    std::vector<int> layers;
    for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = doc->GetNextObj(pos);
        layers.push_back(AsEvent(object) != nullptr ? 100 + object->GetLayer()
                                                    : object->GetLayer());
    }
    std::sort(layers.begin(), layers.end());
    EXPECT_EQ(layers, (std::vector<int>{7, 105})) << "the process on 7, the event on 5";
}

TEST_F(DocInsertTest, SavingUnderTheCsvExtensionWritesNothing) {
    auto doc = Chart(kPaperB4, "Mine", 1);
    const auto listing = [this] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(files.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> before = listing();
    ui->ClearRecords();
    EXPECT_FALSE(doc->DoSave(files.File("chart.psv").string(), TRUE));
    EXPECT_EQ(Messages(), std::vector<UINT>{5003});
    EXPECT_FALSE(doc->OnSaveDocument(files.File("chart.psv").string()));
    EXPECT_EQ(listing(), before);
}

} // namespace
} // namespace tembra
