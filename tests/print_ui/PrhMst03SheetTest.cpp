// The plan sheet on a print header of its own: the pages show the header's texts, step edits
// wait for their labels, Ctrl+Enter types a new line, the check list edits one row at a time,
// 決定 stores all pages into the header and 取消 leaves it alone.
#include "print/ui/PrhMst03Sheet.h"

#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "print/ui/PrhMst03Edit.h"
#include "print/ui/PrhMst03P10.h"
#include "print/ui/PrhMst03Page.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class PrhMst03SheetTest : public testing::Test {
protected:
    PrhMst03SheetTest() {
        Add(kPrKindNamedInput, "010001", J("旧題"));
        Add(kPrKindInput, "010002", J("工事名称"));
        Add(kPrKindInput, "030002", J("一行目\\n二行目"));
        Add(kPrKindInput, "070003", J("安全朝礼"));
        Add(kPrKindInput, "070004", "");
        Add(kPrKindInput, "070010", J("8:00"));
        Add(kPrKindInput, "070011", "");
        Add(kPrKindInput, "100002", J("書類名"));
        Add(kPrKindInput, "100006", J("提出日"));
        Add(kPrKindInput, "100008", "1.");
        Add(kPrKindInput, "100009", J("施工体制台帳"));
        Add(kPrKindInput, "100012", J("要"));
        Add(kPrKindInput, "100013", J("2026・12・01"));
        Add(kPrKindInput, "100015", "2.");
        Add(kPrKindInput, "100016", J("作業員名簿"));
        // The rest of the check list's first three rows, empty.
        for (int item = 1; item <= 28; ++item) {
            const std::string name =
                "1000" + std::string(item < 10 ? "0" : "") + std::to_string(item);
            if (header.FindInputArea(name) == nullptr) {
                Add(kPrKindInput, name.c_str(), "");
            }
        }
        Add(kPrKindInput, "110001", "keep");
        Add(kPrKindInput, "01001", "keep");
    }

    void Add(int kind, const char* name, const std::string& contents) {
        header.AddElement(std::make_unique<CPrNewText>(kind, kPrAreaHeader, CRect(0, 0, 10, -10),
                                                       LOGFONT{}, 0, name, contents, 0, 0));
    }
    std::string Contents(const char* name) const {
        const CPrNewText* area = header.FindInputArea(name);
        return area != nullptr ? area->GetContents() : "(none)";
    }
    std::map<std::string, std::string> AllContents() const {
        std::map<std::string, std::string> all;
        for (const auto& element : header.GetElementList()) {
            const auto& text = static_cast<const CPrNewText&>(*element);
            all[text.GetText()] = text.GetContents();
        }
        return all;
    }
    // Shows the check list page, which loads its first row when first shown.
    static CPrhMst03P10* ShowCheckList(CPrhMst03Sheet& sheet) {
        sheet.show();
        sheet.Tabs()->setCurrentIndex(9);
        return sheet.CheckList();
    }
    template <class T> static T* Child(QWidget* parent, const QString& name) {
        return parent->findChild<T*>(name);
    }

    CPrHeader header;
};

TEST_F(PrhMst03SheetTest, ThePagesShowTheHeadersTexts) {
    CPrhMst03Sheet sheet(header, nullptr);
    EXPECT_EQ(sheet.windowTitle(), Q("安全衛生管理計画表"));
    QStringList captions;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        captions << sheet.Tabs()->tabText(i);
    }
    EXPECT_EQ(captions, Q("見出し -１|見出し -２|本支店方針|作業所方針|管理機構 -１|管理機構 -２|"
                          "施工サイクル -１|施工サイクル -２|施工サイクル -３|書類チェック")
                            .split(QLatin1Char('|')));
    EXPECT_EQ(sheet.OkButton()->text(), Q("決定"));
    EXPECT_EQ(sheet.CancelButton()->text(), Q("取消"));

    EXPECT_EQ(sheet.Page(1)->Edit(1)->toPlainText(), Q("旧題"));
    EXPECT_EQ(Child<QLabel>(sheet.Page(1), "label2")->text(), Q("工事名称"));
    EXPECT_EQ(sheet.Page(1)->Edit(2), nullptr) << "a label is no edit";
    EXPECT_EQ(sheet.Page(3)->Edit(2)->toPlainText(), Q("一行目\n二行目"));
    // Step edits: 10 follows the filled label 3, 11 the empty label 4.
    EXPECT_TRUE(sheet.Page(7)->Edit(10)->isEnabled());
    EXPECT_FALSE(sheet.Page(7)->Edit(11)->isEnabled());
    EXPECT_FALSE(sheet.Page(8)->Edit(10)->isEnabled());
    EXPECT_FALSE(sheet.Page(9)->Edit(20)->isEnabled());
    EXPECT_TRUE(sheet.Page(9)->Edit(12) == nullptr);
    EXPECT_TRUE(sheet.Page(7)->Edit(9) == nullptr);
}

TEST_F(PrhMst03SheetTest, CtrlEnterTypesANewLineAndEnterMovesOn) {
    CPrhMst03Sheet sheet(header, nullptr);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    CPrhMst03Edit* title = sheet.Page(1)->Edit(1);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "plan");
    QTest::keyClick(title, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(title, "two");
    EXPECT_EQ(title->toPlainText(), Q("plan\ntwo"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(title->toPlainText(), Q("plan\ntwo")) << "Enter alone types nothing";
    EXPECT_FALSE(title->hasFocus());
    EXPECT_TRUE(sheet.isVisible());

    sheet.OkButton()->click();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(Contents("010001"), "plan\\ntwo");
    EXPECT_EQ(header.GetTitleText(), "") << "the kind-0 header's title is not the plan's";
}

TEST_F(PrhMst03SheetTest, OkStoresEveryPageAndLeavesOtherNamesAlone) {
    CPrhMst03Sheet sheet(header, nullptr);
    sheet.Page(3)->Edit(2)->setPlainText(Q("方針\n"));
    sheet.Page(7)->Edit(10)->setPlainText(Q("8:15"));
    // The check list was never shown: its rows are stored as the header had them.
    sheet.OkButton()->click();
    EXPECT_EQ(Contents("030002"), J("方針"));
    EXPECT_EQ(Contents("070010"), "8:15");
    EXPECT_EQ(Contents("010002"), J("工事名称"));
    EXPECT_EQ(Contents("100009"), J("施工体制台帳"));
    EXPECT_EQ(Contents("100012"), J("要"));
    EXPECT_EQ(Contents("110001"), "keep");
    EXPECT_EQ(Contents("01001"), "keep");
}

TEST_F(PrhMst03SheetTest, CancelLeavesTheHeader) {
    const auto before = AllContents();
    CPrhMst03Sheet sheet(header, nullptr);
    sheet.Page(1)->Edit(1)->setPlainText(Q("別"));
    CPrhMst03P10* list = ShowCheckList(sheet);
    Child<QPlainTextEdit>(list, "1090")->setPlainText(Q("別の書類"));
    list->Rows()->setCurrentRow(1);
    sheet.CancelButton()->click();
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
    EXPECT_EQ(AllContents(), before);
}

TEST_F(PrhMst03SheetTest, TheCheckListEditsOneRowAtATime) {
    CPrhMst03Sheet sheet(header, nullptr);
    CPrhMst03P10* list = ShowCheckList(sheet);
    ASSERT_EQ(list->Rows()->count(), 31);
    EXPECT_EQ(list->Rows()->item(0)->text(), Q("1.施工体制台帳"));
    EXPECT_EQ(list->Rows()->item(1)->text(), Q("2.作業員名簿"));
    EXPECT_EQ(list->Rows()->currentRow(), 0);
    EXPECT_EQ(Child<QLabel>(list, "heading2")->text(), Q("書類名"));
    EXPECT_EQ(Child<QLabel>(list, "heading6")->text(), Q("提出日"));
    auto* name = Child<QPlainTextEdit>(list, "1090");
    auto* required = list->findChildren<QRadioButton*>().at(0);
    auto* notRequired = list->findChildren<QRadioButton*>().at(1);
    auto* date = Child<QPlainTextEdit>(list, "1101");
    EXPECT_EQ(name->toPlainText(), Q("施工体制台帳"));
    EXPECT_TRUE(required->isChecked());
    EXPECT_EQ(date->toPlainText(), Q("2026・12・01"));

    // Another row stores this one and rewrites its line.
    name->setPlainText(Q("施工体系図"));
    notRequired->setChecked(true);
    date->setPlainText(Q("2026・12・10  "));
    list->Rows()->setCurrentRow(1);
    EXPECT_EQ(list->Rows()->item(0)->text(), Q("1.施工体系図"));
    EXPECT_EQ(name->toPlainText(), Q("作業員名簿"));
    EXPECT_FALSE(required->isChecked());
    EXPECT_FALSE(notRequired->isChecked());

    // 取り消し puts row 2 back as it was when the page was first shown.
    name->setPlainText(Q("変えた"));
    list->Rows()->setCurrentRow(0);
    list->Rows()->setCurrentRow(1);
    EXPECT_EQ(list->Rows()->item(1)->text(), Q("2.変えた"));
    Child<QPushButton>(list, "restore")->click();
    EXPECT_EQ(name->toPlainText(), Q("作業員名簿"));
    EXPECT_EQ(list->Rows()->item(1)->text(), Q("2.作業員名簿"));

    // A row of empty edits keeps no choice and no dates.
    list->Rows()->setCurrentRow(2);
    required->setChecked(true);
    date->setPlainText(Q("2026・1・1"));

    sheet.OkButton()->click();
    EXPECT_EQ(Contents("100009"), J("施工体系図"));
    EXPECT_EQ(Contents("100012"), J("不要"));
    EXPECT_EQ(Contents("100013"), J("2026・12・10"));
    EXPECT_EQ(Contents("100014"), J("    ・  ・  ")) << "an empty date of a filled row";
    EXPECT_EQ(Contents("100016"), J("作業員名簿"));
    EXPECT_EQ(Contents("100019"), J("不要")) << "a filled row without a choice";
    EXPECT_EQ(Contents("100026"), "");
    EXPECT_EQ(Contents("100027"), "");
}

} // namespace
} // namespace tembra
