#include "masterdata/countries.h"
#include "masterdata/forwarders.h"
#include "masterdata/packagekinds.h"
#include "masterdata/procedurecodes.h"
#include "masterdatafixture.h"

#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace masterdata;

class ClassFunctionsTest : public MasterDataTest
{
};

TEST_F(ClassFunctionsTest, SelectProcedureCodeStartsOnTheCodeIgnoringCase)
{
    for (const char *code : { "0000", "1000", "ABCD", "4000" })
        insert(
            Tables::ProcedureCodes1, { { "Code", code }, { "Bezeichnung", QStringLiteral("Erklärung %1").arg(code) } });
    struct Case {
        QString start;
        QString shownOn;
        bool take;
        QString result;
    };
    const QVector<Case> cases = {
        { "1000", "1000", true, "1000" }, { "abcd", "ABCD", true, "ABCD" },
        { "9999", "0000", true, "0000" }, // not there: the first code
        { "", "0000", true, "0000" }, { "1000", "1000", false, "" }, // cancelled
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start.toStdString());
        QString shownOn;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *window = dynamic_cast<TfrmEinh_Verfahren1 *>(dialog);
            if (!window) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            shownOn = window->code();
            EXPECT_TRUE(window->pickMode());
            EXPECT_FALSE(window->control("Panel1")->isHidden());
            (c.take ? window->takeButton() : window->cancelButton())->click();
        });
        EXPECT_EQ(TfrmEinh_Verfahren1::SelectProcedureCode(c.start), c.result);
        EXPECT_EQ(shownOn, c.shownOn);
    }
}

TEST_F(ClassFunctionsTest, ProcedureCodeEditedInThePickWindowIsStoredAndReturned)
{
    insert(Tables::ProcedureCodes2, { { "Code", "A" } });
    testsupport::onNextModal([](QDialog *dialog) {
        auto *window = dynamic_cast<TfrmEinh_Verfahren2 *>(dialog);
        if (!window) {
            dialog->reject();
            FAIL() << "unexpected window";
        }
        window->clickRecordButton(MasterDataWindow::Edit);
        window->table().setValue("Code", "B");
        window->takeButton()->click();
    });
    EXPECT_EQ(TfrmEinh_Verfahren2::SelectProcedureCode("A"), "B");
    platform::Table codes(platform::Alias::Data, Tables::ProcedureCodes2);
    codes.open();
    EXPECT_EQ(codes.fieldByName("Code").asString(), "B");

    // Closing by the menu or the close box is a cancel.
    testsupport::onNextModal([](QDialog *dialog) { dialog->close(); });
    EXPECT_EQ(TfrmEinh_Verfahren2::SelectProcedureCode("B"), "");
}

TEST_F(ClassFunctionsTest, PackageKindLookupIgnoresCase)
{
    insert(Tables::PackageKinds, { { "packart", "KI" }, { "bez", "Kiste" } });
    insert(Tables::PackageKinds, { { "packart", "PAL" }, { "bez", "Palette" } });
    const QVector<QPair<QString, QString>> cases = {
        { "KI", "Kiste" },
        { "ki", "Kiste" },
        { "pal", "Palette" },
        { "XX", "" },
        { "", "" },
        { "K", "" },
    };
    for (const auto &[code, name] : cases)
        EXPECT_EQ(TfrmPackst::LookupPackageKindName(code), name) << code.toStdString();
}

TEST_F(ClassFunctionsTest, SelectPackageKindOpensOnTheCodeAndReturnsTheChosenOne)
{
    insert(Tables::PackageKinds, { { "packart", "PAL" }, { "bez", "Palette" } });
    insert(Tables::PackageKinds, { { "packart", "KI" }, { "bez", "Kiste" } });
    insert(Tables::PackageKinds, { { "packart", "FA" }, { "bez", "Fass" } });
    struct Case {
        QString start;
        QString shownOn;
        bool take;
        QString result;
    };
    const QVector<Case> cases = {
        { "", "FA", true, "FA" }, // the first package kind in code order
        { "ki", "KI", true, "KI" },
        { "pal", "PAL", false, "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start.toStdString());
        QString shownOn;
        QString count;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *window = dynamic_cast<TfrmPackst *>(dialog);
            if (!window) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            shownOn = window->table().fieldByName("packart").asString();
            count = window->count();
            (c.take ? window->takeButton() : window->cancelButton())->click();
        });
        EXPECT_EQ(TfrmPackst::SelectPackageKind(c.start), c.result);
        EXPECT_EQ(shownOn, c.shownOn);
        EXPECT_EQ(count, "1");
    }
}

TEST_F(ClassFunctionsTest, PackageKindLabelsAreTheLanguageNamesOfTheParameterRecord)
{
    platform::Table parameter(platform::Alias::Data, "S_PARAME.DB");
    parameter.open();
    parameter.edit();
    parameter.setValue("Sprache1", "Deutsch");
    parameter.setValue("Sprache4", "Spanisch");
    parameter.setValue("Sprache5", "Portugisisch");
    parameter.post();
    shell::mainState().tbParameter = &parameter;
    TfrmPackst window;
    shell::mainState().tbParameter = nullptr;
    EXPECT_EQ(qobject_cast<QLabel *>(window.control("Label5"))->text(), "Deutsch");
    EXPECT_EQ(qobject_cast<QLabel *>(window.control("Label8"))->text(), "Spanisch") << "beside s";
    EXPECT_EQ(qobject_cast<QLabel *>(window.control("Label9"))->text(), "Portugisisch") << "beside p";
}

TEST_F(ClassFunctionsTest, SelectForwarderNumber)
{
    insert(Tables::Forwarders, { { "nummer", 3 }, { "name1", "Nord" } });
    insert(Tables::Forwarders, { { "nummer", 5 }, { "name1", "Ost" } });
    testsupport::onNextModal([](QDialog *dialog) {
        auto *window = dynamic_cast<TfrmSpedit *>(dialog);
        if (!window) {
            dialog->reject();
            FAIL() << "unexpected window";
        }
        EXPECT_EQ(window->cancelButton()->text(), "Abbruch");
        window->table().last();
        window->takeButton()->click();
    });
    EXPECT_EQ(TfrmSpedit::SelectForwarderNumber(), 5);
    testsupport::onNextModal([](QDialog *dialog) { dynamic_cast<TfrmSpedit *>(dialog)->cancelButton()->click(); });
    EXPECT_EQ(TfrmSpedit::SelectForwarderNumber(), -1);
    testsupport::onNextModal([](QDialog *dialog) { dialog->close(); });
    EXPECT_EQ(TfrmSpedit::SelectForwarderNumber(), -1);
}

TEST_F(ClassFunctionsTest, SelectCountryShowsTheListInKeyOrderOnTheStartValue)
{
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    insert(Tables::Countries, { { "Land", "001" }, { "Bez", "Frankreich" }, { "Lkz", "FR" } });
    insert(Tables::Countries, { { "Land", "038" }, { "Bez", "Österreich" }, { "Lkz", "AT" } });
    insert(Tables::Countries, { { "Land", "060" }, { "Bez", "Polen" }, { "Lkz", "PL" } });

    QStringList shownOrder;
    QString shownOn;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *list = dynamic_cast<TfrmLnder_e *>(dialog);
        if (!list) {
            dialog->reject();
            FAIL() << "unexpected window";
        }
        shownOrder = column(list->table(), "Lkz");
        shownOn = list->table().fieldByName("Lkz").asString();
        // Typing P moves to Polen in name order; Enter takes it.
        QTest::keyClick(list->grid(), Qt::Key_P, {}, 0);
        QTest::keyClick(list->grid(), Qt::Key_Return);
    });
    EXPECT_EQ(TfrmLnder_e::SelectCountry("Lkz", "DE"), "PL");
    EXPECT_EQ(shownOrder, QStringList({ "AT", "DE", "FR", "PL" }));
    EXPECT_EQ(shownOn, "DE");

    testsupport::onNextModal([&](QDialog *dialog) {
        shownOn = dynamic_cast<TfrmLnder_e *>(dialog)->table().fieldByName("Bez").asString();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(TfrmLnder_e::SelectCountry("Lkz", "XX"), "");
    EXPECT_EQ(shownOn, "Deutschland") << "an unknown start value leaves the first country by name";

    testsupport::onNextModal([](QDialog *dialog) { dynamic_cast<TfrmLnder_e *>(dialog)->takeButton()->click(); });
    EXPECT_EQ(TfrmLnder_e::SelectCountryName(), "Deutschland");

    EXPECT_EQ(TfrmLnder_e::LookupCountryName("Land", "038"), "Österreich");
    EXPECT_EQ(TfrmLnder_e::LookupCountryName("LKZ", "FR"), "Frankreich");
    EXPECT_EQ(TfrmLnder_e::LookupCountryName("Land", "999"), "");
    EXPECT_EQ(TfrmLnder_e::LookupCountryName("Land", ""), "");
}

TEST_F(ClassFunctionsTest, CountryListTypeAheadTakesLettersAndDigitsOnly)
{
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" } });
    insert(Tables::Countries, { { "Land", "003" }, { "Bez", "Niederlande" } });
    insert(Tables::Countries, { { "Land", "001" }, { "Bez", "Frankreich" } });
    TfrmLnder_e list;
    struct Case {
        QString key;
        bool moves;
        QString current;
    };
    const QVector<Case> cases = {
        { "m", true, "Niederlande" }, // the next name after M
        { "-", false, "Niederlande" }, { "a", true, "Deutschland" },
        { "Z", true, "Niederlande" }, // nothing at or after Z: the end
    };
    for (const Case &c : cases) {
        EXPECT_EQ(list.typeAhead(c.key), c.moves) << c.key.toStdString();
        EXPECT_EQ(list.table().fieldByName("Bez").asString(), c.current) << c.key.toStdString();
    }
}
