// The file's parts by version, its header and the refusals of a load.
#include "DocFileFixture.h"

#include "chart/Chart.h"
#include "document/DocFileFormat.h"
#include "document/RecordCast.h"
#include "model/KtkmHatch.h"
#include "model/Shigen.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tembra {
namespace {

class DocFileVersionTest : public test::DocFileFixture {
protected:
    // A chart whose parts each show in the file: layers (layer 5 current, layer 4 hidden), sheet
    // rows, a resource, a resource chart, a hatching and a process.
    std::unique_ptr<CTembraDoc> Sample() {
        auto doc = NewChart();
        doc->SetCurrentLayer(5);
        doc->SetLayerVisible(4, CLayerSet::kHidden);
        doc->SetSheetRowCount(12);
        doc->GetSeqNumberCtrl().Set(0x0102, 7);
        doc->GetShigenNames().push_back(std::make_unique<CShigenName>(1, 4, "X"));
        doc->GetChartList().AddTail(new CChart);
        doc->GetHatchList()->AddTail(new CKtkmHatch);
        const CTime start = doc->GetSyokiSet().GetStartDate();
        CChartPos pos;
        pos.SetStartDate(start + CTimeSpan(2, 0, 0, 0));
        pos.SetEndDate(start + CTimeSpan(6, 0, 0, 0));
        pos.SetStartRow(1);
        pos.SetEndRow(1);
        std::unique_ptr<CKoutei> process = doc->CreateKoutei(&pos);
        process->SetLayer(3);
        doc->AddObj(process.release(), FALSE);
        return doc;
    }

    std::string SaveAt(CTembraDoc& doc, int version, const std::string& name) {
        state.SetSaveVersion(version);
        const auto path = files.File(name);
        EXPECT_TRUE(doc.OnSaveDocument(path.string())) << version;
        state.SetSaveVersion(kCurrentFileVersion);
        return ReadBytes(path);
    }

    // Opens the bytes as a file of their own (each open leaves its lock behind).
    std::unique_ptr<CTembraDoc> Open(const std::string& bytes, const std::string& name) {
        const auto path = files.File(std::to_string(++m_opened) + "-" + name);
        WriteBytes(path, bytes);
        auto doc = std::make_unique<CTembraDoc>();
        if (!doc->OnOpenDocument(path.string())) {
            return nullptr;
        }
        return doc;
    }

    int m_opened = 0;

    static LONG LongAt(const std::string& bytes, std::size_t at) {
        LONG value = 0;
        std::memcpy(&value, bytes.data() + at, sizeof(value));
        return value;
    }
};

TEST_F(DocFileVersionTest, EachVersionHoldsItsParts) {
    struct Case {
        int version;
        const char* text; // the version in the header text
        bool reserved;    // the int32 after the version, and the hatchings
        bool layers;      // else 16 shown layers, layer 0 current
        bool sheetRows;
    };
    const Case cases[] = {
        {40000, "Ver.04.00.00:", false, false, false}, {41001, "Ver.04.10.01:", false, true, false},
        {50000, "Ver.05.00.00:", false, true, false},  {52000, "Ver.05.20.00:", true, true, false},
        {55000, "Ver.05.50.00:", true, true, false},   {58000, "Ver.05.80.00:", true, true, true},
    };
    auto sample = Sample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string bytes = SaveAt(*sample, c.version, "v.tbr");
        EXPECT_EQ(bytes.find(Sjis::FromUtf8("☆TEMBRA(TB+) ") + c.text), 0u);
        const std::size_t zero = bytes.find('\0');
        EXPECT_EQ(LongAt(bytes, zero + 1), c.version);
        EXPECT_EQ(LongAt(bytes, zero + 5) == 4, c.reserved);

        const auto back = Open(bytes, "v-back.tbr");
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetVersion(), c.version);
        ASSERT_EQ(back->GetLayers().size(), 16u);
        EXPECT_EQ(back->GetCurrentLayer(), c.layers ? 5 : 0);
        EXPECT_EQ(back->IsLayerVisible(4), c.layers ? CLayerSet::kHidden : CLayerSet::kShown);
        EXPECT_EQ(back->GetSheetRowCount(), c.sheetRows ? 12 : 0);
        EXPECT_EQ(back->GetShigenNames().size(), 1u);
        EXPECT_EQ(back->GetResourceCharts().GetChartCount(), 1);
        EXPECT_EQ(back->GetHatchList()->GetCount(), c.reserved ? 1 : 0);
        ASSERT_EQ(back->GetObjCount(), 1);
        EXPECT_EQ(back->GetObjList().GetHead()->GetLayer(), 3);
        EXPECT_FALSE(back->IsModified());
    }
}

TEST_F(DocFileVersionTest, LayerWordsAboveFifteenOfTheOldFilesLoadAsFifteen) {
    auto sample = Sample();
    sample->GetObjList().GetHead()->SetLayer(20);
    for (const auto& [version, layer] : {std::pair{35000, 15}, std::pair{58000, 20}}) {
        const auto back = Open(SaveAt(*sample, version, "wide.tbr"), "wide-back.tbr");
        ASSERT_NE(back, nullptr) << version;
        EXPECT_EQ(back->GetObjList().GetHead()->GetLayer(), layer) << version;
    }
}

TEST_F(DocFileVersionTest, TheHeaderTextIsRefusedOrTaken) {
    auto sample = Sample();
    const std::string file = SaveAt(*sample, kCurrentFileVersion, "h.tbr");
    const std::string body = file.substr(file.find('\0'));
    struct Case {
        std::string text;
        UINT refusal; // 0: loads
    };
    const std::string tembra = "TEMBRA";
    const std::vector<Case> cases = {
        {tembra + std::string(248, 'x'), 0},    // 254 bytes before the zero
        {tembra + std::string(249, 'x'), 5008}, // 255
        {"Tembra+ chart", 0},
        {"tembra chart", 5002},
        {Sjis::FromUtf8("工程表"), 5002},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        ui->ClearRecords();
        const auto back = Open(c.text + body, "h-back.tbr");
        EXPECT_EQ(back != nullptr, c.refusal == 0);
        if (c.refusal != 0) {
            EXPECT_EQ(Messages(), std::vector<UINT>{c.refusal});
        } else {
            EXPECT_TRUE(Messages().empty());
        }
    }
}

TEST_F(DocFileVersionTest, ALongTitleIsCutInTheHeaderOnACharacterBoundary) {
    auto sample = Sample();
    // One single-byte character first, so that 254 falls inside a double-byte one.
    std::string title = "x";
    while (title.size() < 300) {
        title += Sjis::FromUtf8("工");
    }
    sample->GetPrHeader().SetTitleText(title);
    ASSERT_EQ(sample->GetPrHeader().GetTitleText(), title);
    const std::string file = SaveAt(*sample, kCurrentFileVersion, "long.tbr");
    const std::string header = file.substr(0, file.find('\0'));
    EXPECT_EQ(header.size(), 253u) << "the last whole character before byte 254";
    EXPECT_EQ(Sjis::CutLength(header, header.size()), header.size());
    const auto back = Open(file, "long-back.tbr");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPrHeader().GetTitleText(), title);
}

TEST_F(DocFileVersionTest, NoTitleChangesHowTheFileReads) {
    const std::string mark = Sjis::FromUtf8("TEMBRA ver1.0β:");
    struct Case {
        std::string title;
        std::string inHeader; // what the header text holds of it
    };
    const std::vector<Case> cases = {
        // The header text ends at its zero: the title goes in up to it.
        {std::string("ab\0cd", 5), "ab"},
        {std::string("\0x", 2), ""},
        // The beta's mark inside a title is text.
        {mark, mark},
        {mark + "x", mark + "x"},
        {"y" + mark, "y" + mark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inHeader);
        auto sample = Sample();
        sample->GetPrHeader().SetTitleText(c.title);
        ui->ClearRecords();
        const std::string file = SaveAt(*sample, kCurrentFileVersion, "title.tbr");
        const std::string header = file.substr(0, file.find('\0'));
        ASSERT_GE(header.size(), c.inHeader.size());
        EXPECT_EQ(header.substr(header.size() - c.inHeader.size()), c.inHeader);
        EXPECT_EQ(LongAt(file, header.size() + 1), kCurrentFileVersion);
        const auto back = Open(file, "title-back.tbr");
        ASSERT_NE(back, nullptr) << ::testing::PrintToString(Messages());
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(back->GetVersion(), kCurrentFileVersion);
        EXPECT_EQ(back->GetObjCount(), 1);
        EXPECT_EQ(back->GetChartList().GetCount(), 1);
        // The print header keeps the whole title.
        EXPECT_EQ(back->GetPrHeader().GetTitleText(), c.title);
    }
}

TEST_F(DocFileVersionTest, NewerVersionsAreRefusedAndTheBetaMarkReadsAsVersionZero) {
    auto sample = Sample();
    std::string file = SaveAt(*sample, kCurrentFileVersion, "n.tbr");
    const std::size_t zero = file.find('\0');
    std::string newer = file;
    newer[zero + 1] = static_cast<char>(0x91); // 58001
    const std::size_t before = Messages().size();
    EXPECT_EQ(Open(newer, "newer.tbr"), nullptr);
    EXPECT_EQ(Messages().size(), before + 1);
    EXPECT_EQ(Messages().back(), 5053u);

    // A beta file: the mark, then the parts of version 0 without a version.
    const std::string zeroFile = SaveAt(*sample, 0, "zero.tbr");
    const std::string beta = Sjis::FromUtf8("TEMBRA ver1.0β:") +
                             zeroFile.substr(zeroFile.find('\0'), 1) +
                             zeroFile.substr(zeroFile.find('\0') + 5);
    const auto back = Open(beta, "beta.tbr");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetVersion(), 0);
    EXPECT_EQ(back->GetObjCount(), 1);
    EXPECT_EQ(back->GetZukeiCount(), 0);
}

TEST_F(DocFileVersionTest, AFileCutShortAnywhereLeavesTheDocumentAsItWas) {
    auto sample = Sample();
    const std::string file = SaveAt(*sample, kCurrentFileVersion, "cut.tbr");
    // The document already holds a chart of its own.
    CTembraDoc doc;
    const auto own = files.File("own.tbr");
    WriteBytes(own, file);
    ASSERT_TRUE(doc.OnOpenDocument(own.string()));
    const std::string before = SaveAt(doc, kCurrentFileVersion, "before.tbr");

    std::vector<std::size_t> cuts;
    for (std::size_t n = 1; n < 80; ++n) {
        cuts.push_back(n);
    }
    for (std::size_t n = 80; n < file.size(); n += 61) {
        cuts.push_back(n);
    }
    for (std::size_t n = file.size() - 40; n < file.size(); ++n) {
        cuts.push_back(n);
    }
    const auto cutPath = files.File("short.tbr");
    for (const std::size_t n : cuts) {
        WriteBytes(cutPath, file.substr(0, n));
        EXPECT_FALSE(doc.OnOpenDocument(cutPath.string())) << n;
        // The lock the open took is gone again.
        EXPECT_FALSE(std::filesystem::exists(files.File("short.$$$"))) << n;
    }
    EXPECT_TRUE(SameBytes(SaveAt(doc, kCurrentFileVersion, "after.tbr"), before));
    EXPECT_EQ(doc.GetObjCount(), 1);
}

} // namespace
} // namespace tembra
