#include "registerfixture.h"

#include "atlas/tfrmatlasaemain.h"
#include "atlas/tfrmatlasaewaren.h"
#include "atlas/tfrmregieatlas.h"
#include "atlas/tfrmspecialform.h"
#include "masterdata/selectionwindow.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace atlas;
using platform::DialogKind;
using shell::TemplateNumber;

namespace {

// Rejects every modal dialog that opens while it exists and counts them.
class ModalCounter : public QObject
{
public:
    ModalCounter()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                if (dialog != m_last) {
                    ++opened;
                    m_last = dialog;
                }
                dialog->reject();
            }
        });
        timer->start(5);
    }
    int opened = 0;

private:
    QDialog *m_last = nullptr;
};

void sendKey(QWidget *widget, QEvent::Type type, Qt::Key key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class AtlasEntryWindowTest : public AtlasRegisterTest
{
protected:
    std::unique_ptr<TfrmAtlasAEMain> openOn(int number)
    {
        m_register = std::make_unique<TfrmRegieAtlas>();
        EXPECT_TRUE(m_register->tbKopf().findKey({ number }));
        auto window = std::make_unique<TfrmAtlasAEMain>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        AtlasRegisterTest::TearDown();
    }

    static QWidget *control(TfrmAtlasAEMain &window, const QString &name) { return window.control(name); }

    std::unique_ptr<TfrmRegieAtlas> m_register;
};

TEST_F(AtlasEntryWindowTest, F6FixesFieldsOfTheTemplateAndAYellowFieldTakesItTwice)
{
    addTemplate();
    addDeclaration(5);
    {
        auto window = openOn(TemplateNumber);
        QWidget *constellation = control(*window, "ExDBEdit4");
        constellation->setFocus();
        QTest::keyClick(constellation, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4");
        // A mandatory (yellow) field first turns ordinary, then fixed.
        QWidget *kind = control(*window, "ExDBEdit6");
        kind->setFocus();
        QTest::keyClick(kind, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4");
        QTest::keyClick(kind, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4\r\nExDBEdit6");
        window->close();
    }
    // In a declaration the fixed fields cannot be changed, and F6 fixes nothing.
    auto window = openOn(5);
    EXPECT_FALSE(control(*window, "ExDBEdit4")->isEnabled());
    EXPECT_FALSE(control(*window, "ExDBEdit6")->isEnabled());
    QWidget *reference = control(*window, "DBEditBezugsnummer");
    reference->setFocus();
    QTest::keyClick(reference, Qt::Key_F6);
    EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4\r\nExDBEdit6");
    window->close();
}

TEST_F(AtlasEntryWindowTest, F9ClicksTheFieldsButtonOnceWhenReleased)
{
    addTemplate();
    addDeclaration(5);
    insertRow(masterdata::Tables::Countries, { { "Lkz", "CH" }, { "Bez", "Schweiz" } });
    auto window = openOn(5);

    // F9 in the export country: the country list, its choice into AusfLand.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        if (!list) {
            dialog->reject();
            return;
        }
        list->takeButton()->click();
    });
    QWidget *country = control(*window, "ExDBEdit14");
    country->setFocus();
    QTest::keyClick(country, Qt::Key_F9);
    EXPECT_EQ(headText(5, "AusfLand"), "CH");

    // Art3 has no hot key: F9 opens nothing. A held F9 (repeated presses and
    // releases) clicks the constellation's button once, when let go.
    struct Case {
        const char *control;
        int presses;
        int opened;
    };
    for (const Case &c : { Case { "ExDBEdit15", 1, 0 }, Case { "ExDBEdit4", 1, 1 }, Case { "ExDBEdit4", 4, 1 } }) {
        SCOPED_TRACE(c.control);
        QWidget *field = control(*window, c.control);
        field->setFocus();
        ModalCounter counter;
        for (int i = 0; i < c.presses; ++i) {
            const bool repeated = i > 0;
            sendKey(field, QEvent::KeyPress, Qt::Key_F9, repeated);
            if (i + 1 < c.presses)
                sendKey(field, QEvent::KeyRelease, Qt::Key_F9, true);
        }
        sendKey(field, QEvent::KeyRelease, Qt::Key_F9, false);
        QTest::qWait(30);
        EXPECT_EQ(counter.opened, c.opened);
    }
    window->close();
}

TEST_F(AtlasEntryWindowTest, MemosRefuseLettersAtTheirLimitButNotUmlauts)
{
    struct Case {
        const char *memo;
        int limit;
    };
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    for (const Case &c : { Case { "DBMemoLieferText", 140 }, Case { "DBMemoVermerk", 255 } }) {
        SCOPED_TRACE(c.memo);
        auto *memo = qobject_cast<QPlainTextEdit *>(control(*window, c.memo));
        ASSERT_NE(memo, nullptr);
        memo->setFocus();
        memo->setPlainText(QString(c.limit - 1, u'x'));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, "ab");
        EXPECT_EQ(memo->toPlainText().size(), c.limit);
        EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xa")));
        // An umlaut passes the key rule; the field still holds no more than
        // its size.
        QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä"));
        QApplication::sendEvent(memo, &umlaut);
        EXPECT_EQ(memo->toPlainText().size(), c.limit);
        memo->setPlainText(QString(c.limit - 1, u'x'));
        memo->moveCursor(QTextCursor::End);
        QApplication::sendEvent(memo, &umlaut);
        EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xä")));
    }
    window->close();

    // The rule itself: the limited set only.
    struct Typed {
        QString text;
        int length;
        bool refused;
    };
    for (const Typed &t : { Typed { "a", 139, false }, Typed { "a", 140, true }, Typed { "7", 140, true },
             Typed { " ", 140, true }, Typed { "ü", 140, false }, Typed { "", 140, false } })
        EXPECT_EQ(refusesTypedCharacter(t.text, t.length, 140), t.refused) << t.text.toStdString() << t.length;
}

TEST_F(AtlasEntryWindowTest, ClosingWithEmptyMandatoryFieldsAsksFirst)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    // No keeps the window open.
    dialogs.answer(platform::DialogAnswer::No);
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.calls(DialogKind::Confirmation).size(), 1);
    EXPECT_EQ(dialogs.calls(DialogKind::Confirmation).first().text,
        "Sie haben nicht alle Mussfelder ausgefüllt!\r\nEin Datenimport in Atlas ist daher nicht möglich!\r\n"
        "Dennoch fortsetzen?");
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AtlasEntryWindowTest, PickerTakesOnlyAMarkedRow)
{
    auto codes = [](int list) {
        QStringList result;
        for (const CodeEntry &entry : codeList(list))
            result.append(entry.first);
        return result;
    };
    EXPECT_EQ(codes(1), QStringList({ "a", "b", "c", "d", "e", "f", "g", "i" }));
    EXPECT_EQ(codes(2), QStringList({ "EU", "EX", "CO" }));
    EXPECT_EQ(codes(6), QStringList({ "0", "2" }));
    insertRow(masterdata::Tables::CustomsOffices, { { "Zollst", "DE2" }, { "Ort", "Zwickau" } });
    insertRow(masterdata::Tables::CustomsOffices, { { "Zollst", "DE1" }, { "Ort", "Aachen" } });
    EXPECT_EQ(codes(8), QStringList({ "DE1", "DE2" }));

    TfrmSpecialForm picker;
    picker.ShowCodeList(1);
    EXPECT_GE(picker.width(), 285);
    EXPECT_GE(picker.height(), 115);
    picker.show();
    picker.ListView1->clearSelection();
    picker.btnUebernehmen->click();
    EXPECT_EQ(dialogs.texts(), QStringList { "Sie haben keinen Eintrag zum Übernehmen markiert." });
    EXPECT_EQ(picker.result(), 0);
    EXPECT_TRUE(picker.isVisible());
    picker.ListView1->setCurrentItem(picker.ListView1->topLevelItem(7));
    picker.btnUebernehmen->click();
    EXPECT_EQ(picker.result(), int(QDialog::Accepted));
    EXPECT_EQ(picker.selectedCode(), "i");
}

TEST_F(AtlasEntryWindowTest, TheGoodsItemDescriptionTakes280Characters)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    TfrmAtlasAEWaren items(*m_register);
    items.show();
    auto *description = qobject_cast<QPlainTextEdit *>(items.control("DBMemo1"));
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->toPlainText(), "Pumpe");
    description->setFocus();
    description->setPlainText(QString(279, u'x'));
    description->moveCursor(QTextCursor::End);
    QTest::keyClicks(description, "ab");
    EXPECT_EQ(description->toPlainText().size(), 280);
    // The four list tabs and one navigator.
    EXPECT_EQ(items.PageControl1->count(), 4);
    items.close();
    window->close();
}
