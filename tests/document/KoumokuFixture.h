// A document whose item table has 3 item columns of 6 rows: the cell of column c and row r holds
// the text "A0".."C5" (column letter, row digit). Its state is read back as a picture: one line
// per row, the cells' texts joined by '|' ('.' for no cell; a cell with a ruled-line word shows
// '+' after its text), trailing empty places and rows left out, so that places that only lost
// their cell compare equal to places that never had one.
#pragma once

#include "document/TembraDoc.h"
#include "model/KoumokuData.h"

#include "DocTestSupport.h"
#include "YogoBarRecorder.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tembra::test {

class KoumokuFixture : public testing::Test {
public:
    using Picture = std::vector<std::string>;

protected:
    KoumokuFixture() {
        app->SetYogoBar(&bar);
        doc.AddView(&view);
        doc.GetKoumoku()->SetLevelCount(3);
        doc.GetOperation().SetMode(COperationState::kModeKoumoku);
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 6; ++row) {
                CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, column);
                cell->SetText(std::string(1, static_cast<char>('A' + column)) +
                              std::to_string(row));
            }
        }
        doc.GetUndoHistory().Reset();
        doc.SetChangedFlag(FALSE);
    }

    CKoumokuData* Cell(int row, int column) {
        return doc.GetKoumokuCells().GetKoumokuCell(row, column);
    }

    // The table as a picture; every cell must carry its own place.
    Picture Table() {
        const CKoumoku& table = doc.GetKoumokuTable();
        int rows = 0;
        for (int column = 0; column < table.GetRowCount(); ++column) {
            rows = std::max(rows, table.GetColCount(column));
        }
        Picture picture;
        for (int row = 0; row < rows; ++row) {
            std::string line;
            int kept = 0;
            for (int column = 0; column < table.GetRowCount(); ++column) {
                const auto* cell = dynamic_cast<const CKoumokuData*>(table.GetAt(row, column));
                if (column > 0) {
                    line += '|';
                }
                if (cell == nullptr) {
                    line += '.';
                    continue;
                }
                EXPECT_EQ(cell->GetRow(), row) << cell->GetText();
                EXPECT_EQ(cell->GetColumn(), column) << cell->GetText();
                line += cell->GetText().empty() ? std::string("_") : cell->GetText();
                if (cell->GetKeisenWord1() != 0) {
                    line += '+';
                }
                kept = static_cast<int>(line.size());
            }
            picture.push_back(line.substr(0, static_cast<std::size_t>(kept)));
        }
        while (!picture.empty() && picture.back().empty()) {
            picture.pop_back();
        }
        return picture;
    }

    static Picture Start() {
        return {"A0|B0|C0", "A1|B1|C1", "A2|B2|C2", "A3|B3|C3", "A4|B4|C4", "A5|B5|C5"};
    }

    ScopedUi ui;
    ScopedAppState app;
    YogoBarRecorder bar;
    RecordingView view;
    CTembraDoc doc;
};

} // namespace tembra::test
