#include "origin/tfrmursprung.h"

#include "masterdata/picklists.h"
#include "origin/originpicks.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/reportedcall.h"

#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace origin {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { CustomerBox1, CustomerBox2, CountryBox3, Clauses };

constexpr int Front = 0;
constexpr int Back = 1;
constexpr int Row = 24;
constexpr int EditHeight = 21;
constexpr int GoodsTop = 570; // goods line 4
constexpr int ClauseLines = 20;

const QString SpaceUsedMessage = QStringLiteral("Der Platz auf dem Ursprungszeugnis wurde ausgenutzt!");

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// Box 3 takes up to three countries: the first empty line, else the third
// line is replaced.
shell::EntryPick countryOfOriginPick()
{
    shell::EntryPick pick;
    pick.name = QStringLiteral("SpeedButton3");
    pick.page = Front;
    pick.geometry = QRect(705, 170, 21, 21);
    pick.focusAfter = edit(14);
    pick.run = [](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        platform::Table &head = window.head();
        const std::optional<QString> country
            = pickCountryName(head.fieldByName(QStringLiteral("We3")).asString(), &window);
        if (!country)
            return std::nullopt;
        QString target = QStringLiteral("We3_3");
        for (const QString &field : { QStringLiteral("We3"), QStringLiteral("We3_2") }) {
            if (head.fieldByName(field).asString().isEmpty()) {
                target = field;
                break;
            }
        }
        return shell::PickValues { { target, *country } };
    };
    return pick;
}

// The twenty lines of a standard clause appended to the back page, empty
// ones included.
shell::EntryPick clausePick()
{
    shell::EntryPick pick;
    pick.name = QStringLiteral("SpeedButton4");
    pick.page = Back;
    pick.geometry = QRect(615, 10, 21, 21);
    pick.run = [](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        masterdata::TfrmUrzeug_e list(&window);
        if (list.exec() != QDialog::Accepted || list.table().isEmpty())
            return std::nullopt;
        QStringList lines = memoTextLines(window.head().fieldByName(QStringLiteral("We9")).asString());
        for (int i = 1; i <= ClauseLines; ++i)
            lines << list.table().fieldByName(QStringLiteral("klausel%1").arg(i)).asString();
        // Every line ends with its break, so that an empty last line stays one.
        return shell::PickValues { { QStringLiteral("We9"), lines.join(QLatin1Char('\n')) + QLatin1Char('\n') } };
    };
    return pick;
}

} // namespace

QStringList ursprungGoodsLineControls(int line)
{
    if (line <= 25)
        return { edit(3 * line + 23), edit(3 * line + 24) };
    return { edit(3 * line - 41), edit(3 * line - 26) };
}

shell::PlausibilityDefinition ursprungPlausibilityDefinition()
{
    shell::PlausibilityDefinition plausibility;
    plausibility.objectName = QStringLiteral("frmUrsprung_Plausi");
    plausibility.caption = QStringLiteral("Genehmigungsprüfung Ursprungszeugnis");
    plausibility.boxes = {
        { edit(1), QStringLiteral("1 Absender"), { edit(2) }, true },
        { edit(6), QStringLiteral("2 Empfänger"), { edit(7) }, true },
        { edit(29), QStringLiteral("3 Ursprungsland") },
    };
    plausibility.size = QSize(328, 200);
    // The first line of the first empty box.
    plausibility.focusOrder = { { edit(1), 0 }, { edit(6), 1 }, { edit(29), 2 } };
    plausibility.boldGroupTitle = true;
    return plausibility;
}

shell::EntryWindowDefinition ursprungEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmUrsprung");
    d.caption = QStringLiteral("Ursprungszeugnis");
    d.size = QSize(784, 544);
    d.pages = { { QStringLiteral("Ursprungszeugnis"), 1270 }, { QStringLiteral("Rückseite Ursprungszeugnis"), 0 } };

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(12);
    title.setBold(true);
    d.labels = {
        EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), Front, 400, 5).named(QStringLiteral("Label1")),
        EntryLabel::at(QStringLiteral("1 Absender"), Front, 10, 5),
        EntryLabel::at(QStringLiteral("Ursprungszeugnis"), Front, 400, 40)
            .named(QStringLiteral("Label2"))
            .withFont(title, Qt::black),
        EntryLabel::at(QStringLiteral("2 Empfänger"), Front, 10, 150),
        EntryLabel::at(QStringLiteral("3 Ursprungsland"), Front, 400, 150),
        EntryLabel::at(QStringLiteral("4 Angaben über die Beförderung (Ausfüllung freigestellt)"), Front, 10, 370),
        EntryLabel::at(QStringLiteral("5 Bemerkungen"), Front, 400, 370),
        EntryLabel::at(QStringLiteral("6 Laufende Nr.; Zeichen, Nummern, Anzahl und Art der Packstücke;\n"
                                      "Warenbezeichnung"),
            Front, 10, 532),
        EntryLabel::at(QStringLiteral("7 Menge"), Front, 600, 550),
        EntryLabel::at(QStringLiteral("8 Die unterzeichnende Behörde bescheinigt, dass die oben bezeichneten Waren\n"
                                      "ihren Ursprung in dem in Feld 3 genannten Land haben."),
            Front, 10, 1225),
    };

    QVector<EntryControl> &c = d.controls;
    const QString hint1 = QStringLiteral("1 Absender");
    for (int i = 0; i < 5; ++i) {
        c.append(EntryControl::edit(edit(1 + i), QStringLiteral("We1_%1").arg(i + 1))
                     .at(Front, 10, 25 + Row * i, 330, EditHeight)
                     .hint(hint1)
                     .pick(CustomerBox1));
    }
    c.append(EntryControl::edit(edit(28), QStringLiteral("Nummer")).at(Front, 570, 40, 170, EditHeight));
    for (int i = 0; i < 8; ++i) {
        c.append(EntryControl::edit(edit(6 + i), QStringLiteral("We2_%1").arg(i + 1))
                     .at(Front, 10, 170 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("2 Empfänger"))
                     .pick(CustomerBox2));
    }
    const QVector<QPair<int, QString>> countries
        = { { 29, QStringLiteral("We3") }, { 91, QStringLiteral("We3_2") }, { 34, QStringLiteral("We3_3") } };
    for (int i = 0; i < countries.size(); ++i) {
        c.append(EntryControl::edit(edit(countries.at(i).first), countries.at(i).second)
                     .at(Front, 400, 170 + Row * i, 300, EditHeight)
                     .hint(QStringLiteral("3 Ursprungsland"))
                     .pick(CountryBox3)
                     .scrollOnExit());
    }
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(14 + i), QStringLiteral("We4_%1").arg(i + 1))
                     .at(Front, 10, 390 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("4 Angaben über die Beförderung"))
                     .scrollOnExit());
    }
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(20 + i), QStringLiteral("We5_%1").arg(i + 1))
                     .at(Front, 400, 390 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("5 Bemerkungen"))
                     .scrollOnExit());
    }
    for (int line = 4; line <= 30; ++line) {
        const QStringList names = ursprungGoodsLineControls(line);
        const int y = GoodsTop + Row * (line - 4);
        c.append(EntryControl::edit(names.at(0), QStringLiteral("Eintrag%1_1").arg(line))
                     .at(Front, 10, y, 580, EditHeight)
                     .hint(QStringLiteral("6 Laufende Nr.; Zeichen; Nummer; Anzahl und Art der Verpackung; "
                                          "Warenbezeichnung"))
                     .scrollOnExit());
        c.append(EntryControl::edit(names.at(1), QStringLiteral("Eintrag%1_2").arg(line))
                     .at(Front, 600, y, 140, EditHeight)
                     .hint(QStringLiteral("7 Menge"))
                     .scrollOnExit());
    }
    c.append(EntryControl::memo(QStringLiteral("DBMemo2"), QStringLiteral("We9")).at(Back, 10, 10, 597, 440));

    const QStringList consignor = { QStringLiteral("We1_1"), QStringLiteral("We1_2"), QStringLiteral("We1_3"),
        QStringLiteral("We1_4"), QStringLiteral("We1_5") };
    const QStringList consignee = { QStringLiteral("We2_1"), QStringLiteral("We2_2"), QStringLiteral("We2_3"),
        QStringLiteral("We2_4"), QStringLiteral("We2_5") };
    d.picks = {
        customerPick(QStringLiteral("SpeedButton1"), Front, QRect(345, 25, 21, 21), consignor, edit(6)),
        customerPick(QStringLiteral("SpeedButton2"), Front, QRect(345, 170, 21, 21), consignee, edit(29)),
        countryOfOriginPick(),
        clausePick(),
    };
    d.plausibility = ursprungPlausibilityDefinition();
    return d;
}

TfrmUrsprung::TfrmUrsprung(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, ursprungEntryDefinition(), parent)
{
    if (auto *number = qobject_cast<QLineEdit *>(control(edit(28)))) {
        number->setFrame(false);
        QFont font = number->font();
        font.setFamily(QStringLiteral("Arial"));
        font.setBold(true);
        number->setFont(font);
    }
    // The text is kept whole; the clerk is only told that the form is full.
    auto *memo = qobject_cast<QPlainTextEdit *>(control(QStringLiteral("DBMemo2")));
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
        if (memoTextLines(memo->toPlainText()).size() > UrsprungBackLines)
            shell::runReported(this, [] { platform::dialogs().information(SpaceUsedMessage); });
    });
}

} // namespace origin
