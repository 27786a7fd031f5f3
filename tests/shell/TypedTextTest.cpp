// Hostile texts typed into the stored text fields of the program's dialogs, through the real
// widgets offscreen and the dialogs' own requests: a text the CP932 files cannot hold is refused
// on 決定 with the message naming its characters, the focus back on its field, and nothing
// changes; any other text is stored and reads back as typed (a dialog opened again shows it, the
// file written and read again holds it), or is refused with a message and nothing changes.
#include "ShellFixture.h"

#include "dialogs/attributes/InitStateDlg.h"
#include "dialogs/attributes/LayerSetDlg.h"
#include "dialogs/settings/FindReplaceDlg.h"
#include "dialogs/settings/NafudaDlg.h"
#include "document/AppState.h"
#include "document/EditDialogRequests.h"
#include "document/HyperLinkRequest.h"
#include "document/LayerDialogRequests.h"
#include "exchange/ui/HyperLinkDlg.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/OptionDialogRequest.h"
#include "platform/Sjis.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/TextFieldCheck.h"
#include "safety/DutyStaffFile.h"
#include "safety/ui/DutyGroupNameDlg.h"
#include "safety/ui/DutyStaffDlg.h"
#include "safety/ui/ToubanListEditor.h"
#include "shell/MyYogoDlg.h"
#include "shell/YogoBar.h"
#include "shell/YogoGroupNameDlg.h"
#include "shell/core/MyYogoFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

constexpr UINT kUnstorable = 5930;

struct Hostile {
    const char* what;
    QString text;
};

// The texts a user of this system types that a CP932 INI or chart file may not take as they are.
std::vector<Hostile> HostileTexts() {
    return {
        {"a character outside CP932", QString::fromUtf8("A𠮷B")},
        {"an emoji", QString::fromUtf8("😀")},
        {"an accented letter", QString::fromUtf8("josé")},
        {"half-width kana", QString::fromUtf8("ｹﾞﾝﾊﾞ")},
        {"1,000 characters", QString(1000, QChar(0x5DE5))}, // 工
        {"an empty text", QString()},
        {"a closing bracket", QStringLiteral("第1班]")},
        {"an equals sign", QStringLiteral("a=b")},
        {"a line break", QStringLiteral("a\nb")},
        {"blanks at the ends", QStringLiteral(" x ")},
    };
}

bool Cp932Lacks(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (!Sjis::CanEncode(c)) {
            return true;
        }
    }
    return false;
}

// Types the text as a user does: each character a key press; a text of several lines comes in by
// paste (a line field takes no Enter as text).
void TypeInto(QWidget* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->selectAll();
        plain->insertPlainText(text);
        return;
    }
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        edit = box->lineEdit();
    }
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->del();
    if (text.contains(QLatin1Char('\n'))) {
        edit->insert(text);
        return;
    }
    for (const char32_t c : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
    }
}

// Runs fn once the next modal dialog of the class is up (from the event loop).
template <class Dialog> void WhenModal(std::function<void(Dialog&)> fn, int tries = 400) {
    QTimer::singleShot(5, [fn, tries] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            dialog->activateWindow();
            static_cast<void>(QTest::qWaitForWindowActive(dialog));
            fn(*dialog);
        } else if (tries > 0) {
            WhenModal<Dialog>(fn, tries - 1);
        } else {
            ADD_FAILURE() << "no dialog came up";
        }
    });
}

QWidget* Field(const QWidget& dialog, int id) {
    return dialog.findChild<QWidget*>(IdName(id));
}

// One dialog of the table: the request it answers, made afresh for each run over the same
// data; the ids of its stored text fields; the buttons that end it; where a typed text is kept
// when the dialog's request does not show it again (empty: opened again, the field shows it).
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<DialogRequest>()> make;
    std::vector<int> fields;
    int ok = 1;
    int cancel = 2;
    std::function<QString(DialogRequest&, int field)> stored;
};

class TypedTextTest : public test::ShellFixture {
protected:
    TypedTextTest() {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    void Open() {
        ASSERT_FALSE(Start());
        doc = app->OpenDocumentFile(sample.string());
        ASSERT_NE(doc, nullptr);
    }
    // The texts the dialog shows in its fields when opened on the request, by field.
    std::vector<QString> Shown(const DialogCase& c, DialogRequest& request) {
        std::vector<QString> shown;
        WhenModal<QDialog>([&](QDialog& dialog) {
            for (const int id : c.fields) {
                shown.push_back(TypedText(Field(dialog, id)));
            }
            dialog.reject();
        });
        app->QtUi().RunDialog(request);
        return shown;
    }
    std::vector<QString> Stored(const DialogCase& c, DialogRequest& request) {
        if (!c.stored) {
            return Shown(c, request);
        }
        std::vector<QString> stored;
        for (std::size_t i = 0; i < c.fields.size(); ++i) {
            stored.push_back(c.stored(request, static_cast<int>(i)));
        }
        return stored;
    }

    void Check(const DialogCase& c) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<DialogRequest> request = c.make();
        std::vector<QString> before = Stored(c, *request);
        ASSERT_EQ(before.size(), c.fields.size());
        // A request that carries its texts starts from its own each time.
        const bool carried = static_cast<bool>(c.stored);
        for (std::size_t f = 0; f < c.fields.size(); ++f) {
            for (const Hostile& hostile : HostileTexts()) {
                SCOPED_TRACE(::testing::Message()
                             << "field " << c.fields[f] << ", " << hostile.what);
                ui.ClearRecords();
                request = c.make();
                if (carried) {
                    before = Stored(c, *request);
                }
                QString typed;
                bool open = false;
                QWidget* focus = nullptr;
                QWidget* field = nullptr;
                WhenModal<QDialog>([&](QDialog& dialog) {
                    field = Field(dialog, c.fields[f]);
                    ASSERT_NE(field, nullptr);
                    TypeInto(field, hostile.text);
                    typed = TypedText(field);
                    dialog.findChild<QPushButton*>(IdName(c.ok))->click();
                    open = dialog.isVisible();
                    focus = dialog.focusWidget();
                    if (open) {
                        dialog.findChild<QPushButton*>(IdName(c.cancel))->click();
                    }
                });
                const int answer = app->QtUi().RunDialog(*request);
                std::vector<QString> after = Stored(c, *request);
                if (Cp932Lacks(typed)) {
                    EXPECT_TRUE(open);
                    ASSERT_FALSE(ui.MessageIds().empty());
                    EXPECT_EQ(ui.MessageIds().front(), kUnstorable);
                    EXPECT_TRUE(focus == field || (focus != nullptr && focus->parent() == field));
                    EXPECT_EQ(after, before) << "nothing changes";
                } else if (open || answer != IDOK) {
                    EXPECT_FALSE(ui.MessageIds().empty()) << "refused without a word";
                    EXPECT_EQ(after, before) << "nothing changes";
                } else {
                    EXPECT_EQ(after[f], typed) << "stored as typed";
                    before = after;
                }
            }
        }
    }

    test::TempDir files;
    const std::filesystem::path sample = files.File("sample.tbr");
    CTembraDoc* doc = nullptr;
};

TEST_F(TypedTextTest, TheDialogsStoreATextAsTypedOrRefuseIt) {
    Open();
    const std::vector<DialogCase> cases = {
        {"name plate",
         [this] { return std::make_unique<NafudaDlgRequest>(doc->GetPrHeader()); },
         {CNafudaDlg::IDC_CHART_NAME, CNafudaDlg::IDC_CONTENTS},
         1,
         2,
         {}},
        {"layer headings",
         [this] { return std::make_unique<LayerSetDlgRequest>(*doc); },
         {CLayerSetDlg::HeadingId(0), CLayerSetDlg::HeadingId(15)},
         1,
         2,
         {}},
        {"initial state",
         [this] { return std::make_unique<OptionDialogRequest>("InitialState", &app->Config()); },
         {CInitStateDlg::IDC_DATA_PATH},
         1,
         2,
         {}},
        {"hyperlink",
         [] {
             auto link = std::make_unique<HyperLinkRequest>();
             link->text = "link";
             link->address = "/tmp/x.tbr";
             return link;
         },
         {CHyperLinkDlg::IDC_TEXT, CHyperLinkDlg::IDC_TARGET},
         1,
         2,
         [](DialogRequest& r, int field) {
             auto& link = static_cast<HyperLinkRequest&>(r);
             return FromCp932(field == 0 ? link.text : link.address);
         }},
        {"find and replace",
         [] { return std::make_unique<FindReplaceDlgRequest>(); },
         {CFindReplaceDlg::IDC_TARGET, CFindReplaceDlg::IDC_REPLACEMENT},
         CFindReplaceDlg::IDC_REPLACE_ALL,
         IDCANCEL,
         [](DialogRequest& r, int field) {
             auto& find = static_cast<FindReplaceDlgRequest&>(r);
             return FromCp932(field == 0 ? find.search : find.replacement);
         }},
    };
    for (const DialogCase& c : cases) {
        Check(c);
    }
}

// Played through the main window as a user does: 𠮷 typed into a layer heading from the menu's
// レイヤー設定, a duty group named "第1班]" from the menu's 作業所当番者の管理, 𠮷 in the term bar
// before a term is placed. Each is refused where it was typed, and nothing else changes.
TEST_F(TypedTextTest, InTheMainWindowEachIsRefusedWhereItWasTyped) {
    Open();
    for (const char* name : {"LayerSetDlg", "DutyStaff"}) {
        ui.OnDialog(name, [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    }
    std::vector<std::string> headings;
    for (int n = 0; n < 16; ++n) {
        headings.push_back(doc->GetChartLayers().GetLayerName(n));
    }
    doc->SetModifiedFlag(FALSE);
    const std::filesystem::path shift = ConfigPathToFs(app->Config().GetPath().GetShiftFilePath());
    ASSERT_FALSE(std::filesystem::exists(shift));

    // The layer heading.
    bool open = false;
    bool focused = false;
    WhenModal<QDialog>([&](QDialog& dialog) {
        QWidget* heading = Field(dialog, CLayerSetDlg::HeadingId(0));
        TypeInto(heading, QString::fromUtf8("足場𠮷"));
        dialog.findChild<QPushButton*>(IdName(1))->click();
        open = dialog.isVisible();
        focused = dialog.focusWidget() == heading;
        // The user takes the dialog back with 取消.
        dialog.findChild<QPushButton*>(IdName(2))->click();
    });
    Frame().Action(32898)->trigger();
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
    EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{kUnstorable});
    EXPECT_NE(ui.MessageTexts().front().find("3文字目 (U+20BB7)"), std::string::npos);
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(doc->GetChartLayers().GetLayerName(n), headings[static_cast<std::size_t>(n)])
            << n;
    }
    EXPECT_FALSE(doc->IsModified());

    // The duty group: the name dialog stays open on its message.
    ui.ClearRecords();
    open = false;
    WhenModal<CDutyStaffDlg>([&](CDutyStaffDlg& staff) {
        WhenModal<CDutyGroupNameDlg>([&](CDutyGroupNameDlg& name) {
            TypeInto(name.NameField(), QString::fromUtf8("第1班]"));
            name.findChild<QPushButton*>(IdName(1))->click();
            open = name.isVisible();
            focused = name.focusWidget() == name.NameField();
            name.findChild<QPushButton*>(IdName(2))->click();
        });
        staff.GroupButton(0)->click();
        staff.accept();
    });
    Frame().Action(33140)->trigger();
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
    EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{5935});
    EXPECT_FALSE(std::filesystem::exists(shift)) << "nothing written";
    EXPECT_FALSE(doc->IsModified());

    // The term bar: the text stays as typed, named in the message, the bar focused.
    ui.ClearRecords();
    QComboBox* combo = Frame().YogoBar()->YogoCombo();
    TypeInto(combo, QString::fromUtf8("A😀"));
    Frame().setFocus();
    EXPECT_TRUE(GetAppState()->RefusesYogoText());
    EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{kUnstorable});
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("A😀"));
    EXPECT_TRUE(Frame().focusWidget() == combo || Frame().focusWidget() == combo->lineEdit());
    EXPECT_FALSE(doc->IsModified());
}

// The names a dialog writes to a file of its own at once: typed into the real dialog, then the
// file read again from disk.
struct FileCase {
    const char* name;
    // Types the text where the name is typed and runs the button that stores it; gives back the
    // text the field held when the button ran.
    std::function<QString(const QString&)> type;
    // The names in the file, read afresh.
    std::function<std::vector<std::string>()> read;
};

TEST_F(TypedTextTest, NamesTheDialogsWriteToTheirFilesComeBackAsTypedOrAreRefused) {
    ASSERT_FALSE(Start());
    const CConfigPath& config = app->Config().GetPath();
    ASSERT_TRUE(CDutyStaffFile(config).AddGroup("G"));
    const std::filesystem::path myFile = files.File("MYYOGO.INI");
    ASSERT_TRUE(CMyYogoFile(myFile).AddGroup("G"));
    CMyYogoDlg myYogo(myFile, {[](int, const std::string&) {},
                               [] { return std::vector<std::string>{}; }, [] { return nullptr; }});
    myYogo.Open();
    myYogo.Expand();
    // Runs the staff dialog of 33140 with act inside it.
    const auto staff = [this](std::function<void(CDutyStaffDlg&)> act) {
        WhenModal<CDutyStaffDlg>([act](CDutyStaffDlg& dialog) {
            act(dialog);
            dialog.accept();
        });
        OptionDialogRequest request("DutyStaff", &app->Config());
        app->QtUi().RunDialog(request);
    };
    // Answers the next name dialog with the text; gives what its field held on 決定.
    const auto answerName = [](QString* held, const QString& text) {
        WhenModal<QDialog>([held, text](QDialog& dialog) {
            QLineEdit* field = dialog.findChild<QLineEdit*>();
            TypeInto(field, text);
            *held = field->text();
            dialog.findChild<QPushButton*>(IdName(1))->click();
            if (dialog.isVisible()) {
                dialog.findChild<QPushButton*>(IdName(2))->click();
            }
        });
    };
    const std::vector<FileCase> cases = {
        {"duty group",
         [&](const QString& text) {
             QString held;
             staff([&](CDutyStaffDlg& dialog) {
                 answerName(&held, text);
                 dialog.GroupButton(0)->click();
             });
             return held;
         },
         [&] { return CDutyStaffFile(config).Groups(); }},
        {"duty person",
         [&](const QString& text) {
             QString held;
             staff([&](CDutyStaffDlg& dialog) {
                 TypeInto(dialog.Editor()->NameField(), text);
                 held = dialog.Editor()->NameField()->text();
                 dialog.Editor()->Button(0)->click();
             });
             return held;
         },
         [&] {
             std::vector<std::string> names;
             for (const CToubanEntry& person : CDutyStaffFile(config).Persons("G")) {
                 names.push_back(person.m_name);
             }
             return names;
         }},
        {"MY term",
         [&](const QString& text) {
             auto* field = myYogo.findChild<QLineEdit*>(IdName(CMyYogoDlg::IDC_CANDIDATE_TEXT));
             TypeInto(field, text);
             const QString held = field->text();
             myYogo.findChild<QPushButton*>(IdName(CMyYogoDlg::IDC_ADD))->click();
             myYogo.findChild<QPushButton*>(IdName(CMyYogoDlg::IDC_STORE))->click();
             return held;
         },
         [&] { return CMyYogoFile(myFile).Terms("G", ""); }},
        {"MY group",
         [&](const QString& text) {
             QString held;
             answerName(&held, text);
             myYogo.findChild<QPushButton*>(IdName(CMyYogoDlg::IDC_NEW_GROUP))->click();
             return held;
         },
         [&] { return CMyYogoFile(myFile).Groups(); }},
    };
    for (const FileCase& c : cases) {
        for (const Hostile& hostile : HostileTexts()) {
            SCOPED_TRACE(::testing::Message() << c.name << ", " << hostile.what);
            ui.ClearRecords();
            const std::vector<std::string> before = c.read();
            const QString held = c.type(hostile.text);
            const std::vector<std::string> after = c.read();
            if (Cp932Lacks(held)) {
                ASSERT_FALSE(ui.MessageIds().empty());
                EXPECT_EQ(ui.MessageIds().front(), kUnstorable);
                EXPECT_EQ(after, before) << "nothing changes";
            } else if (after == before) {
                // Refused: with a message, but for an empty name, which is no name at all.
                EXPECT_EQ(ui.MessageIds().empty(), held.isEmpty());
            } else {
                const std::string stored = ToCp932(held);
                EXPECT_EQ(after.size(), before.size() + 1);
                EXPECT_NE(std::ranges::find(after, stored), after.end())
                    << "stored as typed: " << held.toStdString();
            }
        }
    }
    myYogo.close();
}

} // namespace
} // namespace tembra
