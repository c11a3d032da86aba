#include "masterdata/companydata.h"
#include "masterdata/languages.h"
#include "masterdata/masterdatawindows.h"
#include "masterdata/translations.h"
#include "masterdatafixture.h"

#include "platform/dataedit.h"
#include "shell/editabledatasetmodel.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"
#include "shell/twheeldbgrid.h"
#include "shell/users.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace masterdata;

namespace {

QStringList languageRows()
{
    platform::Table languages(platform::Alias::Data, Tables::Languages);
    languages.open();
    QStringList rows;
    for (languages.first(); !languages.eof(); languages.next())
        rows.append(languages.fieldByName("Skz").asString() + "=" + languages.fieldByName("Sprache").asString());
    return rows;
}

QStringList parameterNames()
{
    platform::Table parameter(platform::Alias::Data, "S_PARAME.DB");
    parameter.open();
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names.append(parameter.fieldByName(QStringLiteral("Sprache%1").arg(i)).asString());
    return names;
}

} // namespace

class ServiceWindowsTest : public MasterDataTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        MasterDataTest::SetUp();
        parameter = std::make_unique<platform::Table>(platform::Alias::Data, "S_PARAME.DB");
        parameter->open();
        shell::mainState().tbParameter = parameter.get();
    }
    void TearDown() override
    {
        shell::mainState().tbParameter = nullptr;
        parameter.reset();
        MasterDataTest::TearDown();
    }

    QString programFile(const QString &name) const { return directory->filePath(name); }

    std::unique_ptr<platform::Table> parameter;
};

TEST_F(ServiceWindowsTest, NewDataDirectoryNamesItsFiveLanguagesOnce)
{
    fillLanguageTable(directory->session());
    const QStringList named = { "d=Deutsch", "e=Englisch", "f=Französisch", "p=Portugiesisch", "s=Spanisch" };
    EXPECT_EQ(languageRows(), named);
    EXPECT_EQ(parameterNames(), QStringList({ "Deutsch", "Englisch", "Französisch", "Portugiesisch", "Spanisch" }));

    // A table with rows is left alone, whatever the parameter record says.
    parameter->refresh();
    parameter->edit();
    parameter->setValue("Sprache2", "English");
    parameter->post();
    fillLanguageTable(directory->session());
    EXPECT_EQ(languageRows(), named);

    // An empty table takes the names the parameter record has.
    platform::Table languages(platform::Alias::Data, Tables::Languages);
    languages.open();
    languages.emptyTable();
    fillLanguageTable(directory->session());
    EXPECT_EQ(languageRows().at(1), "e=English");

    EXPECT_EQ(languageNumber("D"), 1);
    EXPECT_EQ(languageNumber("p"), 4);
    EXPECT_EQ(languageNumber("s"), 5);
    EXPECT_EQ(languageNumber("x"), 0);
}

TEST_F(ServiceWindowsTest, LanguagesWindowChangesParameterAndLanguageTableOnlyOnOk)
{
    fillLanguageTable(directory->session());
    shell::mainState().tbParameter = nullptr;
    parameter.reset();
    shell::IniWriteString("DatenBankPfad", directory->dataDirectory());
    shell::IniWriteString("AutomatischAnmelden", "1");
    registerMasterdataWindows();
    shell::TfrmMain main;
    ASSERT_TRUE(main.FormCreate());

    for (const bool confirm : { false, true }) {
        SCOPED_TRACE(confirm);
        testsupport::onNextModal([confirm](QDialog *dialog) {
            auto *window = dynamic_cast<Tfrmsprachen *>(dialog);
            if (!window) {
                dialog->reject();
                return;
            }
            EXPECT_EQ(window->windowTitle(), "Parameter - Sprachen");
            EXPECT_EQ(window->edit(4)->text(), "Portugiesisch");
            window->edit(4)->setFocus();
            window->edit(4)->selectAll();
            QTest::keyClicks(window->edit(4), "Portugues");
            (confirm ? window->btnOK : window->btnAbbruch)->click();
        });
        main.windowAction("Tfrmsprachen")->trigger();
        EXPECT_FALSE(main.tbParameter()->isEditing());
        const QString expected = confirm ? "Portugues" : "Portugiesisch";
        EXPECT_EQ(parameterNames().at(3), expected);
        EXPECT_EQ(languageRows().at(3), "p=" + expected);
        EXPECT_EQ(languageRows().at(4), "s=Spanisch");
    }
}

TEST_F(ServiceWindowsTest, CompanyDataKeepsItsLinesAndWritesTheLogoFileOnlyFromTheMenu)
{
    // Closed by the close box: the lines are kept, no "Logo.Bmp".
    {
        TfrmAuftr_de window;
        window.show();
        EXPECT_EQ(window.windowTitle(), "Firmendaten");
        window.edit("Kopf1")->setFocus();
        QTest::keyClicks(window.edit("Kopf1"), "Muster GmbH");
        window.edit("Fuss16")->setFocus();
        QTest::keyClicks(window.edit("Fuss16"), "IBAN DE00");
        window.close();
    }
    EXPECT_FALSE(parameter->isEditing());
    platform::Table stored(platform::Alias::Data, "S_PARAME.DB");
    stored.open();
    EXPECT_EQ(stored.fieldByName("Kopf1").asString(), "Muster GmbH");
    EXPECT_EQ(stored.fieldByName("Fuss16").asString(), "IBAN DE00");
    EXPECT_FALSE(QFile::exists(programFile("Logo.Bmp")));

    auto schliessen = [](TfrmAuftr_de &window) {
        for (QAction *action : window.findChild<QMenuBar *>()->actions())
            if (action->text() == "&Schließen")
                action->trigger();
    };
    // "&Schließen" without a logo writes no file either.
    {
        TfrmAuftr_de window;
        window.show();
        schliessen(window);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_FALSE(QFile::exists(programFile("Logo.Bmp")));

    // A file without a picture is reported and changes nothing; a bitmap
    // goes into the record and, from "&Schließen", into "Logo.Bmp".
    QFile junk(programFile("kaputt.wmf"));
    junk.open(QIODevice::WriteOnly);
    junk.write("kein Bild");
    junk.close();
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(programFile("firma.bmp"), "BMP"));
    {
        TfrmAuftr_de window;
        window.show();
        dialogs.answerText(programFile("kaputt.wmf"));
        window.loadLogo();
        EXPECT_EQ(dialogs.lastCall().kind, platform::DialogKind::Error);
        EXPECT_TRUE(window.Image1->pixmap().isNull());
        EXPECT_EQ(window.windowTitle(), "Firmendaten");
        dialogs.answerCancel();
        window.loadLogo();
        EXPECT_TRUE(window.Image1->pixmap().isNull());
        dialogs.answerText(programFile("firma.bmp"));
        window.loadLogo();
        EXPECT_FALSE(parameter->isEditing());
        EXPECT_EQ(window.Image1->pixmap().size(), QSize(8, 4));
        EXPECT_EQ(window.windowTitle(), programFile("firma.bmp"));
        schliessen(window);
    }
    const QImage written(programFile("Logo.Bmp"));
    EXPECT_EQ(written.size(), QSize(8, 4));
    EXPECT_EQ(written.pixelColor(0, 0), QColor(Qt::red));
    stored.refresh();
    EXPECT_EQ(QImage::fromData(stored.fieldByName("Logo").value().toByteArray()).size(), QSize(8, 4));
}

TEST_F(ServiceWindowsTest, TranslationsAreEditedInTheGridAndKeptOnlyWithOk)
{
    insert(Tables::Translations, { { "Bezeichnung", "01 Anzahl" }, { "a", "Anzahl" }, { "d", "Quantity" } });
    insert(Tables::Translations, { { "Bezeichnung", "02 Titel" }, { "a", "Rechnung" }, { "d", "Invoice" } });
    for (const bool confirm : { false, true }) {
        SCOPED_TRACE(confirm);
        Tfrmuebersetzungen window;
        window.show();
        QStringList titles;
        for (int i = 0; i < window.model()->columnCount(); ++i)
            titles.append(window.model()->headerData(i, Qt::Horizontal).toString());
        EXPECT_EQ(
            titles, QStringList({ "Bezeichnung", "Deutsch", "Englisch", "Französisch", "Portugiesisch", "Spanisch" }));
        EXPECT_FALSE(window.model()->flags(window.model()->index(0, 0)) & Qt::ItemIsEditable);
        EXPECT_TRUE(window.model()->flags(window.model()->index(0, 2)) & Qt::ItemIsEditable);
        EXPECT_EQ(window.model()->rowCount(), 2) << "no row can be added";

        window.model()->setData(window.model()->index(1, 2), "Bill");
        (confirm ? window.btnOK : window.btnAbbruch)->click();
        platform::Table stored(platform::Alias::Data, Tables::Translations);
        stored.open();
        stored.last();
        EXPECT_EQ(stored.fieldByName("d").asString(), confirm ? "Bill" : "Invoice");
    }
}

TEST_F(ServiceWindowsTest, ServicesMenuOpensItsWindowsAndTheOptionsGetTheirPicks)
{
    registerMasterdataWindows();
    const QVector<QPair<QString, QString>> windows = {
        { "TfrmAuftr_de", "Firmendaten" },
        { "Tfrmsprachen", "Parameter - Sprachen" },
        { "Tfrmuebersetzungen", "Übersetzungen" },
    };
    for (const auto &[key, caption] : windows) {
        SCOPED_TRACE(key.toStdString());
        ASSERT_TRUE(shell::hasWindowFactory(key));
        std::unique_ptr<QDialog> window(shell::windowFactory(key)(nullptr));
        EXPECT_EQ(window->windowTitle(), caption);
    }
    EXPECT_TRUE(shell::pickFunction("TfrmVerf_e"));
    EXPECT_TRUE(shell::pickFunction("TfrmGesch_e"));
}
