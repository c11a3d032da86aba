#include "shell/parameterrecord.h"
#include "shell/tfrmparameter.h"

#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/application.h"
#include "support/modaldialog.h"
#include "support/testprogramdirectory.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace platform;
using namespace shell;

namespace {

class ParameterRecordTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        table.open();
    }

    QVariant stored(const QString &field)
    {
        Table t(Alias::Data, ParameterTableName);
        t.open();
        return t.fieldByName(field).value();
    }

    void store(const QString &field, const QVariant &value)
    {
        Table t(Alias::Data, ParameterTableName);
        t.open();
        t.edit();
        t.fieldByName(field).setValue(value);
        t.post();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
    Table table { Alias::Data, ParameterTableName };
};

TEST_F(ParameterRecordTest, OneRecordWithTheFieldsOfEveryKind)
{
    EXPECT_EQ(table.recordCount(), 1);
    ensureParameterRecord(dir->session());
    EXPECT_EQ(table.recordCount(), 1) << "an existing record is kept, none is added";

    struct Case {
        QString code, proposal, plausi, memo;
    };
    const QVector<Case> cases = {
        { "1_1", "VorschlagNr_1_1", "Plausi_1_1", "Memo_1" },
        { "1_2", "VorschlagNr_1_2", "Plausi_1_2", "" },
        { "2_1", "VorschlagNr_2_1", "Plausi_2_1", "Memo_2" },
        { "2_2", "VorschlagNr_2_2", "Plausi_2_2", "Memo_2" },
        { "3", "VorschlagNr_3", "Plausi_3", "Memo_3" },
        { "15", "VorschlagNr_15", "Plausi_15", "Memo15_" },
        { "21_2", "VorschlagNr_21_2", "Plausi_21_2", "Memo_21_2" },
        { "27", "VorschlagNr_27", "PLausi_27", "Memo_27" },
        { "172", "VorschlagNr_172", "Plausi_172", "Memo_172" },
        { "PacketInland", "VorschlagNr_PacketInland", "Plausi_PacketInland", "Memo_PacketInland" },
        { "EinheitZusatz", "Vorschlag_EinheitZusatz", "Plausi_EinheitZusatz", "Memo_EinheitZusatz" },
        { "AtlasAE", "Vorschlag_AtlasAE", "", "Memo_AtlasAE" },
        { "T2L", "Vorschlag_T2L", "", "Memo_T2L" },
    };
    const QVector<FieldDef> &fields = table.fieldDefs();
    auto typeOf = [&fields](const QString &name) {
        for (const FieldDef &def : fields) {
            if (def.name == name) // the names exactly as the table has them
                return def.type;
        }
        ADD_FAILURE() << "no field " << name.toStdString();
        return FieldType::Blob;
    };
    for (const Case &c : cases) {
        const ParameterFields f = parameterFieldsFor(c.code);
        EXPECT_EQ(f.proposal, c.proposal);
        EXPECT_EQ(f.plausi, c.plausi);
        EXPECT_EQ(f.memo, c.memo);
        EXPECT_EQ(typeOf(f.proposal), FieldType::Integer);
        if (!c.plausi.isEmpty()) {
            EXPECT_EQ(typeOf(f.plausi), FieldType::Boolean);
        }
        if (!c.memo.isEmpty()) {
            EXPECT_EQ(typeOf(f.memo), FieldType::Memo) << c.code.toStdString();
        }
    }
    EXPECT_EQ(parameterFieldsFor("1_1").preStampFile1, "Vorab.TV0");
    EXPECT_EQ(parameterFieldsFor("1_1").preStampMemo, "MemoVorabAE");
    EXPECT_EQ(parameterFieldsFor("20").preStampFile2, "VorabT12.TV1");
    EXPECT_EQ(parameterFieldsFor("20").preStampMemo, "MemoVorabT12");
    EXPECT_TRUE(parameterFieldsFor("3").preStampFile1.isEmpty());
    EXPECT_THROW(parameterFieldsFor("17"), std::invalid_argument);

    const QVector<QPair<QString, int>> strings = { { "Ustnr", 29 }, { "Kopf3", 70 }, { "Kopf5", 100 }, { "Fuss16", 33 },
        { "Fuss22", 120 }, { "Sprache5", 15 }, { "Dateinamen2", 8 }, { "Eur1", 1 }, { "UmrechKurs", 10 } };
    for (const auto &[name, size] : strings) {
        EXPECT_EQ(typeOf(name), FieldType::String) << name.toStdString();
        EXPECT_EQ(table.fieldDef(table.fieldIndex(name)).size, size) << name.toStdString();
    }
    EXPECT_EQ(typeOf("ID"), FieldType::AutoInc);
    EXPECT_EQ(typeOf("Mwst"), FieldType::Float);
    EXPECT_EQ(typeOf("Logo"), FieldType::Graphic);
    EXPECT_EQ(typeOf("Inta"), FieldType::Integer);
    EXPECT_EQ(typeOf("MemoVorabT12"), FieldType::Memo);
    EXPECT_EQ(table.fieldIndex("Fuss17"), -1);
}

TEST_F(ParameterRecordTest, RegisterProtocolPostsOnOkAndCancelsOtherwise)
{
    struct Case {
        const char *what;
        QVariant before;
        QString shown;
        QString typed; // empty: nothing typed
        bool tick;
        bool ok;
        QVariant proposalAfter;
        bool plausiAfter;
    };
    const QVector<Case> cases = {
        { "cancel after changing", 7, "7", "42", true, false, 7, false },
        { "OK after changing", 7, "7", "42", true, true, 42, true },
        { "OK without change", 7, "7", "", false, true, 7, false },
        { "a Null proposal shows empty", QVariant(), "", "", false, true, QVariant(), false },
    };
    for (const Case &c : cases) {
        store("VorschlagNr_3", c.before);
        store("Plausi_3", false);
        table.refresh();
        QString shown;
        bool editingWhenClosed = true;
        bool checkBoxShown = false;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *form = qobject_cast<TfrmParameter *>(dialog);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->windowTitle(), "Parameter");
            EXPECT_EQ(form->Label1->text(), "Nächste Nummer");
            EXPECT_EQ(form->DBCheckBox1->text(), "Plausibilität");
            checkBoxShown = form->DBCheckBox1->isVisibleTo(form);
            shown = form->DBEdit1->text();
            if (!c.typed.isEmpty()) {
                form->DBEdit1->selectAll();
                QTest::keyClicks(form->DBEdit1, c.typed);
            }
            if (c.tick)
                form->DBCheckBox1->click();
            editingWhenClosed = table.isEditing();
            (c.ok ? form->BtnOK : form->BtnAbbrechen)->click();
        });
        const bool confirmed = runParameterDialog(table, parameterFieldsFor("3"), false);
        EXPECT_EQ(confirmed, c.ok) << c.what;
        EXPECT_EQ(shown, c.shown) << c.what;
        EXPECT_TRUE(checkBoxShown) << c.what;
        EXPECT_EQ(editingWhenClosed, !c.typed.isEmpty() || c.tick) << "untouched, the record is not edited: " << c.what;
        EXPECT_FALSE(table.isEditing()) << c.what;
        EXPECT_EQ(stored("VorschlagNr_3"), c.proposalAfter) << c.what;
        EXPECT_EQ(stored("Plausi_3").toBool(), c.plausiAfter) << c.what;
    }

    // A kind without a switch hides the check box; a refresh first shows what another window stored.
    store("Vorschlag_T2L", 31);
    bool checkBoxShown = true;
    QString shown;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *form = qobject_cast<TfrmParameter *>(dialog);
        checkBoxShown = form->DBCheckBox1->isVisibleTo(form);
        shown = form->DBEdit1->text();
        form->BtnAbbrechen->click();
    });
    runParameterDialog(table, parameterFieldsFor("T2L"), true);
    EXPECT_FALSE(checkBoxShown);
    EXPECT_EQ(shown, "31");
}

TEST_F(ParameterRecordTest, OkKeepsTheDialogOpenWhileTheNumberIsNoNumber)
{
    store("VorschlagNr_3", 7);
    table.refresh();
    QStringList reported;
    const auto previous
        = Application::setExceptionHandler([&reported](const CrashReport &report) { reported.append(report.message); });
    bool stayedOpen = false;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *form = qobject_cast<TfrmParameter *>(dialog);
        form->DBEdit1->selectAll();
        QTest::keyClicks(form->DBEdit1, "7x");
        form->BtnOK->click();
        stayedOpen = form->isVisible();
        form->DBEdit1->selectAll();
        QTest::keyClicks(form->DBEdit1, "8");
        form->BtnOK->click();
    });
    EXPECT_TRUE(runParameterDialog(table, parameterFieldsFor("3"), false));
    Application::setExceptionHandler(previous);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(reported.size(), 1);
    EXPECT_EQ(stored("VorschlagNr_3").toInt(), 8);
}

TEST_F(ParameterRecordTest, MainWindowProtocolEditsVatRateAndNumber)
{
    struct Case {
        bool ok;
        QVariant rate;
        QString number;
    };
    const QVector<Case> cases = { { false, 16.0, "DE 1" }, { true, 19.0, "DE 123456789" } };
    for (const Case &c : cases) {
        store("Mwst", 16.0);
        store("Ustnr", "DE 1");
        table.refresh();
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *form = qobject_cast<TfrmParameter *>(dialog);
            EXPECT_EQ(form->Label1->text(), "MWST");
            EXPECT_TRUE(form->Label2->isVisibleTo(form));
            EXPECT_EQ(form->Label2->text(), "UmsatzsteuerNummer");
            EXPECT_TRUE(form->DBEdit2->isVisibleTo(form));
            EXPECT_FALSE(form->DBCheckBox1->isVisibleTo(form));
            EXPECT_EQ(form->DBEdit1->text(), "16,00");
            EXPECT_EQ(form->DBEdit2->text(), "DE 1");
            form->DBEdit1->selectAll();
            QTest::keyClicks(form->DBEdit1, "19");
            form->DBEdit2->selectAll();
            QTest::keyClicks(form->DBEdit2, "DE 123456789");
            (c.ok ? form->BtnOK : form->BtnAbbrechen)->click();
        });
        EXPECT_EQ(runVatParameterDialog(table), c.ok);
        EXPECT_FALSE(table.isEditing());
        EXPECT_EQ(stored("Mwst"), c.rate);
        EXPECT_EQ(stored("Ustnr").toString(), c.number);
    }
}

TEST_F(ParameterRecordTest, PreStampFilesAreKeptForTheCaller)
{
    TfrmParameter form;
    form.SetPreStampFiles("Vorab.TV0", "Vorab.TV1", "MemoVorabAE");
    EXPECT_EQ(form.preStampFile1(), "Vorab.TV0");
    EXPECT_EQ(form.preStampFile2(), "Vorab.TV1");
    EXPECT_EQ(form.preStampMemo(), "MemoVorabAE");
    form.SetPreStampFiles("A", "B");
    EXPECT_EQ(form.preStampMemo(), "");
}

} // namespace
