#include "courierfixture.h"

#include "courier/tfrmfedex.h"
#include "courier/tfrmregiefedex.h"
#include "courier/tfrmregieups.h"
#include "courier/tfrmups.h"
#include "masterdata/masterdatawindow.h"
#include "platform/controlstate.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace courier;
using shell::EntryWindow;

namespace {

class CourierEntryTest : public CourierTest
{
protected:
    template <class Register, class Window> std::unique_ptr<Window> open(int number)
    {
        m_register = std::make_unique<Register>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<Window>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        CourierTest::TearDown();
    }

    static QString text(EntryWindow &window, const QString &control)
    {
        auto *edit = qobject_cast<QLineEdit *>(window.control(control));
        return edit ? edit->text() : QStringLiteral("<no edit>");
    }

    std::unique_ptr<shell::DocumentRegister> m_register;
};

TEST_F(CourierEntryTest, F6InTheFedExTemplateFixesTheSendersSecondStreetLine)
{
    addRecord(Tables::FedEx, 5);
    addRecord(Tables::FedEx, shell::TemplateNumber, { { "F1_7", "Postfach 12" } });
    auto window = open<TfrmRegieFedEx, TfrmFedex>(shell::TemplateNumber);
    EXPECT_EQ(window->windowTitle(), "FedEx");
    QWidget *street = window->control("DBEdit3");
    ASSERT_NE(street, nullptr);
    EXPECT_EQ(text(*window, "DBEdit3"), "Postfach 12");
    street->setFocus();
    QTest::keyClick(street, Qt::Key_F6);
    EXPECT_EQ(parameterValue("Memo_30"), "DBEdit3");
    EXPECT_EQ(platform::controlColor(window.get(), "DBEdit3"), shell::ActiveBorderColor);
    window->close();
    window.reset();

    window = open<TfrmRegieFedEx, TfrmFedex>(5);
    EXPECT_FALSE(window->control("DBEdit3")->isEnabled()) << "fixed in every waybill";
    window->control("DBEdit2")->setFocus();
    QTest::keyClick(window->control("DBEdit2"), Qt::Key_F6);
    EXPECT_EQ(parameterValue("Memo_30"), "DBEdit3") << "F6 does nothing in a waybill";
    // The box numbers in red Arial 14.
    QLabel *sender = nullptr;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text() == "1 Absender")
            sender = label;
    }
    ASSERT_NE(sender, nullptr);
    EXPECT_EQ(sender->font().family(), "Arial");
    EXPECT_EQ(sender->font().pointSize(), 14);
    EXPECT_EQ(sender->palette().color(QPalette::WindowText), QColor(Qt::red));
    window->close();
}

TEST_F(CourierEntryTest, TheOtherServiceEditColoursItsCheckBoxWhileItHasTheFocus)
{
    addRecord(Tables::FedEx, 5);
    auto window = open<TfrmRegieFedEx, TfrmFedex>(5);
    QWidget *box = window->control("DBCheckBox2");
    const QColor before = box->palette().color(QPalette::Window);
    window->control("DBEdit13")->setFocus();
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::darkBlue));
    EXPECT_EQ(window->statusText(0), "Versandart - sonstige Versandart");
    window->control("DBEdit12")->setFocus();
    EXPECT_EQ(box->palette().color(QPalette::Window), before) << "restored";
    // A check box: navy and white while focused, then the button face and blue.
    QWidget *priority = window->control("DBCheckBox1");
    priority->setFocus();
    EXPECT_EQ(priority->palette().color(QPalette::WindowText), QColor(Qt::white));
    window->control("DBEdit12")->setFocus();
    EXPECT_EQ(priority->palette().color(QPalette::WindowText), QColor(Qt::blue));
    window->close();
}

TEST_F(CourierEntryTest, UpsPicksTakeTheCustomersPhoneAndAddressCutToTheirFields)
{
    struct Case {
        const char *pressedIn;
        QString prefix;
        QString focusAfter;
    };
    const QVector<Case> cases = {
        { "DBEditU1_6", "U1_", "DBEditU2_1" },
        { "DBEditU2_10", "U2_", "DBCheckBoxU5_1" },
    };
    for (const Case &c : cases) {
        restart();
        testsupport::insertRecord("S_KUNDEN.DB",
            { { "nummer", 2 }, { "name1", "Berta GmbH" }, { "name2", "Versand" }, { "name3", "Tor 3" },
                { "strasse", "Hafenstraße 5" }, { "ort", "Hamburg" }, { "telefon", "0049 40 1234567-8901 2345" } });
        addRecord(Tables::Ups, 5, { { c.prefix + "9", "20457" } });
        auto window = open<TfrmRegieUPS, Tfrmups>(5);
        EXPECT_TRUE(m_register->head().isEditing()) << "the waybill is in edit state from the start";
        testsupport::onNextModal([](QDialog *dialog) {
            auto *list = qobject_cast<masterdata::MasterDataWindow *>(dialog);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Kundenverwaltung");
            list->table().locate("nummer", { 2 });
            list->takeButton()->click();
        });
        window->control(c.pressedIn)->setFocus();
        QTest::keyClick(window->control(c.pressedIn), Qt::Key_F9);
        EXPECT_EQ(stored(Tables::Ups, 5, c.prefix + "4"), "0049 40 1234567-8") << "17 of 25 characters";
        EXPECT_EQ(stored(Tables::Ups, 5, c.prefix + "5"), "Berta GmbH");
        EXPECT_EQ(stored(Tables::Ups, 5, c.prefix + "8"), "Hafenstraße 5");
        EXPECT_EQ(stored(Tables::Ups, 5, c.prefix + "9"), "20457") << "the postcode stays";
        EXPECT_EQ(window->focusWidget(), window->control(c.focusAfter)) << c.pressedIn;

        // Cancelled: nothing changes.
        testsupport::onNextModal([](QDialog *dialog) { dialog->reject(); });
        window->pickButton(c.prefix == "U1_" ? 0 : 1)->click();
        EXPECT_EQ(stored(Tables::Ups, 5, c.prefix + "5"), "Berta GmbH");
        window->close();
    }
}

TEST_F(CourierEntryTest, UpsLabelsToggleTheCheckBoxOfTheirLine)
{
    addRecord(Tables::Ups, 5);
    auto window = open<TfrmRegieUPS, Tfrmups>(5);
    const QVector<QPair<QString, QString>> cases = { { "Express Saver", "U3_3" }, { "Express Plus", "U5_1" },
        { "Express Envelope", "U6_3" }, { "Bitte Markieren wenn Sendung kein Handelswert enhält", "U6_10" },
        { "Waren unterliegen nicht dem Freien Verkehr innerhalb der EU", "U6_11" } };
    for (const auto &[caption, field] : cases) {
        QLabel *label = nullptr;
        for (QLabel *candidate : window->findChildren<QLabel *>()) {
            if (candidate->text() == caption)
                label = candidate;
        }
        ASSERT_NE(label, nullptr) << caption.toStdString();
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_TRUE(qobject_cast<QCheckBox *>(window->control("DBCheckBox" + field))->isChecked())
            << caption.toStdString();
    }
    window->close();
    EXPECT_EQ(stored(Tables::Ups, 5, "U3_3"), "J");
    EXPECT_EQ(stored(Tables::Ups, 5, "U5_2"), "") << "untouched boxes stay empty";
}

TEST_F(CourierEntryTest, TheMenusPrintWindowCarriesTheEntryWindowsCaption)
{
    struct Case {
        bool ups;
        QString caption;
    };
    for (const Case &c :
        { Case { false, "Druck FedEx - Belegnummer: 5" }, Case { true, "Druck UPS - FRACHTBRIEF - Belegnummer: 5" } }) {
        restart();
        addRecord(c.ups ? Tables::Ups : Tables::FedEx, 5);
        addPrintRow(c.ups ? PrintRows::Ups : PrintRows::FedEx, "0");
        std::unique_ptr<EntryWindow> window;
        if (c.ups)
            window = open<TfrmRegieUPS, Tfrmups>(5);
        else
            window = open<TfrmRegieFedEx, TfrmFedex>(5);
        QString title;
        testsupport::onNextModal([&title](QDialog *dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        window->mnuDrucken->trigger();
        EXPECT_EQ(title, c.caption);
        window->close();
    }
}

} // namespace
