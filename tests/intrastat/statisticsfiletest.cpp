#include "intrastatfixture.h"

#include "intrastat/statisticsfile.h"
#include "intrastat/tfrmexpodis.h"
#include "intrastat/tfrmparam.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/dataedit.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace intrastat;
using platform::DialogKind;

namespace {

const QString ArrivalGolden = QStringLiteral("110300000001  09DE123456789001 FR 09  113             84713000US         "
                                             "     120                    1500       15000324        ");
const QString DispatchGolden = QStringLiteral("22 0300000001  09DE123456789001FR 09113             84713000            "
                                              "      120                    1500       1500  0324      ");

QVariantMap headOf03_24()
{
    return { { "int1_1", "DE123456789" }, { "int1_2", "1" }, { "int1_3", "09" }, { "int2_1", "03" },
        { "int2_2", "24" } };
}

QVariantMap positionFr()
{
    return { { "int8_1", "FR" }, { "int8_2", "09" }, { "int10_1", "11" }, { "int11_1", "3" }, { "int13_1", "84713000" },
        { "int14_1", "US" }, { "int16_1", "120" }, { "int18_1", "1500" }, { "int19_1", "1500" } };
}

void type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<none>";
    return file.readAll();
}

} // namespace

class StatisticsFileTest : public IntrastatTest
{
protected:
    // The statistics-file window of the direction on a folder target.
    std::unique_ptr<Tfrmexpodis> openWindow(bool dispatch)
    {
        m_register = std::make_unique<TfrmRegieIntrastat>(dispatch);
        auto window = std::make_unique<Tfrmexpodis>(*m_register);
        window->Edit1->setText("03");
        window->Edit2->setText("24");
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        IntrastatTest::TearDown();
    }

    std::unique_ptr<TfrmRegieIntrastat> m_register;
    QTemporaryDir folder;
};

TEST_F(StatisticsFileTest, ArrivalAndDispatchLinesStandColumnByColumn)
{
    for (const bool dispatch : { false, true }) {
        const Direction direction { dispatch };
        addHead(direction.headTable(), 4, headOf03_24());
        addPosition(direction.positionTable(), 4, 1, positionFr());
        const StatisticsContent content = collectStatistics(direction, "03", "24");
        ASSERT_TRUE(content.error.isEmpty()) << content.error.toStdString();
        ASSERT_EQ(content.lines.size(), 1);
        EXPECT_EQ(content.lines.at(0), dispatch ? DispatchGolden : ArrivalGolden);
        EXPECT_EQ(content.lines.at(0).size(), 128);
    }
}

TEST_F(StatisticsFileTest, OnlyTheMonthAsStoredCountsAndLinesRunThroughTheFile)
{
    const Direction arrival { false };
    addHead(arrival.headTable(), 1, headOf03_24());
    addPosition(arrival.positionTable(), 1, 1, positionFr());
    addPosition(arrival.positionTable(), 1, 2, positionFr());
    QVariantMap month3 = headOf03_24();
    month3.insert("int2_1", "3");
    addHead(arrival.headTable(), 2, month3);
    addPosition(arrival.positionTable(), 2, 1, positionFr());
    addHead(arrival.headTable(), 3, headOf03_24()); // no positions: no line
    QVariantMap otherYear = headOf03_24();
    otherYear.insert("int2_2", "23");
    addHead(arrival.headTable(), 5, otherYear);
    addPosition(arrival.positionTable(), 5, 1, positionFr());

    const StatisticsContent content = collectStatistics(arrival, "03", "24");
    ASSERT_EQ(content.lines.size(), 2) << "month \"3\" is not taken for \"03\"";
    EXPECT_EQ(content.lines.at(1).mid(6, 6), "000002");
    EXPECT_DOUBLE_EQ(content.invoiceTotal, 3000.0);
    EXPECT_EQ(summaryMessage(content),
        "Anzahl der Datensätze  : 2\r\rGesamt Rechnungswert in EUR: 3.000,00\rGesamt Stat. Wert in EUR       : "
        "3.000,00\r");
}

TEST_F(StatisticsFileTest, ValuesTheFileCannotCarryAreRefusedNamingDeclarationAndPosition)
{
    struct Case {
        const char *name;
        QVariantMap head;
        QVariantMap position;
        QString message;
    };
    QVariantMap longVat = headOf03_24();
    longVat.insert("int1_1", "DE1234567890");
    QVariantMap badValue = positionFr();
    badValue.insert("int19_1", "15OO");
    const Case cases[] = {
        { "VAT number of 12 characters", longVat, positionFr(),
            "Intrastatmeldung 7, Position 1: Die Umsatzsteuer-Nr. \"DE1234567890\" hat mehr als 11 Zeichen.\rEs "
            "wurde keine Datei geschrieben." },
        { "box 19 no number", headOf03_24(), badValue,
            "Intrastatmeldung 7, Position 1: Der Statistische Wert (Feld 19) \"15OO\" ist keine Zahl.\rEs wurde "
            "keine Datei geschrieben." },
    };
    for (const Case &c : cases) {
        TearDown();
        SetUp();
        const Direction arrival { false };
        addHead(arrival.headTable(), 7, c.head);
        addPosition(arrival.positionTable(), 7, 1, c.position);
        const StatisticsContent content = collectStatistics(arrival, "03", "24");
        EXPECT_EQ(content.error, c.message) << c.name;
        EXPECT_TRUE(content.lines.isEmpty()) << c.name;
    }
}

TEST_F(StatisticsFileTest, AFailedRunKeepsThePreviousFile)
{
    setParameter("Dateinamen2", "EINGANG");
    const Direction arrival { false };
    const QString path = folder.filePath("EINGANG.asc");
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("vorige Meldung\r\n");
    }
    QVariantMap longVat = headOf03_24();
    longVat.insert("int1_1", "DE1234567890");
    addHead(arrival.headTable(), 7, longVat);
    addPosition(arrival.positionTable(), 7, 1, positionFr());
    auto window = openWindow(false);
    dialogs.answerText(folder.path());
    EXPECT_FALSE(window->start());
    EXPECT_EQ(fileBytes(path), "vorige Meldung\r\n");
    EXPECT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    EXPECT_EQ(shell::IniReadString("IntraPfad", QString()), folder.path()) << "the folder chosen is kept";

    // Mended, the run replaces the file, each line ended by CR LF.
    platform::Table heads(platform::Alias::Data, arrival.headTable());
    heads.open();
    ASSERT_TRUE(heads.findKey({ 7 }));
    heads.edit();
    heads.fieldByName("int1_1").setAsString("DE123456789");
    heads.post();
    auto again = openWindow(false);
    dialogs.answerText(folder.path());
    EXPECT_TRUE(again->start());
    EXPECT_EQ(fileBytes(path), ArrivalGolden.toLatin1() + "\r\n");
    EXPECT_EQ(dialogs.lastCall().text,
        "Anzahl der Datensätze  : 1\r\rGesamt Rechnungswert in EUR: 1.500,00\rGesamt Stat. Wert in EUR       : "
        "1.500,00\r");
}

TEST_F(StatisticsFileTest, TheSpaceNeededCountsEveryPositionOfTheDirection)
{
    const Direction dispatch { true };
    addHead(dispatch.headTable(), 1, headOf03_24());
    for (int pos = 1; pos <= 999; ++pos)
        addPosition(dispatch.positionTable(), 1, pos);
    // The register adds the template's position: 1000 records.
    auto window = openWindow(true);
    EXPECT_EQ(statisticsSpaceNeeded(dispatch), 256000);
    EXPECT_TRUE(spaceMessage(-1, statisticsSpaceNeeded(dispatch)).endsWith("Sie benötigen jedoch 250,00 KB !"));
    EXPECT_EQ(
        spaceMessage(2048, 256000), "Die Diskette hat nur noch 2,00 KB freien Platz\rSie benötigen jedoch 250,00 KB !");
}

TEST_F(StatisticsFileTest, MonthAndYearMustBeNumbers)
{
    auto window = openWindow(false);
    window->Edit1->setText("3");
    window->monthLeft();
    EXPECT_EQ(window->Edit1->text(), "03");
    window->Edit1->setText("");
    window->monthLeft();
    EXPECT_EQ(window->Edit1->text(), "") << "an emptied month is refused, not taken for \"0\"";
    window->Edit2->setText("2x");
    window->yearChanged();
    EXPECT_EQ(window->Edit2->text(), "");
    EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte nur Nummerische eingaben !", "Bitte nur Nummerische eingaben !" }));
}

TEST_F(StatisticsFileTest, TheParameterDialogRefusesNamesThatAreNoIdentifiers)
{
    auto window = openWindow(false);
    Tfrmparam &parameters = *window->parameters();
    parameters.show();
    type(parameters.DBEdit1, "1abc");
    type(parameters.DBEdit2, "a-b");
    parameters.okClicked();
    EXPECT_EQ(dialogs.texts(),
        QStringList({ "\" 1abc \" ist kein gültiger Dateiname !", "\" a-b \" ist kein gültiger Dateiname !" }));
    EXPECT_TRUE(parameters.isVisible()) << "it stays open";
    EXPECT_TRUE(parameters.DBEdit2->hasFocus() || QApplication::focusWidget() == parameters.DBEdit2
        || parameters.focusWidget() == parameters.DBEdit2);
    type(parameters.DBEdit1, "VERSAND");
    type(parameters.DBEdit2, "_Eing_2");
    parameters.okClicked();
    EXPECT_FALSE(parameters.isVisible());
    platform::Table record(platform::Alias::Data, shell::ParameterTableName);
    record.open();
    EXPECT_EQ(record.fieldByName("Dateinamen").asString(), "VERSAND");
    EXPECT_EQ(record.fieldByName("Dateinamen2").asString(), "_Eing_2");
}
