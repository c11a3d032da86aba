#include "origin/tfrmeur_med.h"

#include "origin/originpicks.h"
#include "origin/tfrmeur1.h"

namespace origin {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int Front = 0;
constexpr int Back = 1;
constexpr int Row = 24; // line pitch of the multi-line boxes, pixels
constexpr int EditHeight = 21;
// The pick beside the cumulation country, after the certificate's own.
constexpr int CumulationCountry = CertificatePick::Count;

const QString HintBox11 = QStringLiteral("11 Sichtvermerk der Zollbehörde - ");
const QString HintBox12 = QStringLiteral("12. Erklärung des Ausführers / Expoteurs - ");
const QString HintDeclares = QStringLiteral("Der Ausführer erklärt, daß diese Ware die Voraussetzungen erfüllen, ...");
const QString HintCircumstances
    = QStringLiteral("Der Ausführer beschreibt den Sachverhalt, aufgrund dessen diese Waren ...");
const QString HintEvidence = QStringLiteral("Der Ausführer legt folgende Nachweise vor.");

const QString CumulationApplied = QStringLiteral("DBCheckBox1");
const QString NoCumulation = QStringLiteral("DBCheckBox2");

// Box 7: the cumulation choice, the country code between its two boxes.
QVector<EntryControl> box7()
{
    return {
        EntryControl::checkBox(CumulationApplied, QStringLiteral("we7_1"), QStringLiteral("Cumulation applied with"))
            .at(Front, 390, 390, 300, EditHeight)
            .opposing(NoCumulation)
            .inInputFont(),
        EntryControl::edit(dbEdit(20), QStringLiteral("we7_2"))
            .at(Front, 410, 390 + Row, 150, EditHeight)
            .hint(QStringLiteral("7 Bemerkungen"))
            .pick(CumulationCountry)
            .plainHint()
            .scrollOnExit(),
        EntryControl::checkBox(NoCumulation, QStringLiteral("we7_3"), QStringLiteral("No cumulation applied"))
            .at(Front, 390, 390 + 2 * Row + 6, 300, EditHeight)
            .opposing(CumulationApplied)
            .inInputFont(),
    };
}

// Box 11, the customs endorsement, in its table's order; box 12, the
// exporter's declaration, beside it.
QVector<EntryControl> boxes11And12()
{
    const struct {
        int edit;
        const char *field;
        const char *line;
        int x, y, width;
    } box11[] = {
        { 101, "we11_1", "Art / Muster", 10, 1215, 200 },
        { 102, "we11_2", "Nr.", 220, 1215, 180 },
        { 103, "we11_3", "vom", 410, 1215, 100 },
        { 21, "We11_4", "vom", 10, 1260, 200 },
        { 22, "We11_5", "vom", 220, 1260, 100 },
        { 23, "We11_6", "vom", 10, 1305, 250 },
        { 24, "We11_7", "vom", 280, 1305, 250 },
    };
    QVector<EntryControl> c;
    for (const auto &line : box11) {
        c.append(EntryControl::edit(dbEdit(line.edit), QLatin1String(line.field))
                     .at(Front, line.x, line.y, line.width, EditHeight)
                     .hint(HintBox11 + QString::fromUtf8(line.line)));
    }
    c.append(EntryControl::edit(dbEdit(104), QStringLiteral("we12_1"))
                 .at(Front, 560, 1215, 220, EditHeight)
                 .hint(HintBox12 + QStringLiteral("Ort und Datum")));
    c.append(EntryControl::edit(dbEdit(105), QStringLiteral("we12_2"))
                 .at(Front, 560, 1305, 220, EditHeight)
                 .hint(HintBox12 + QStringLiteral("Unterschrift"))
                 .exitShowsPage(Back));
    return c;
}

// The second page: the exporter's declaration in the order of its lines.
QVector<EntryControl> declaration()
{
    const struct {
        int edit;
        const char *field;
        int y;
        const QString &hint;
    } lines[] = {
        { 115, "we13_1", 30, HintDeclares },
        { 98, "we13_2", 30 + Row, HintDeclares },
        { 25, "we13_3", 30 + 2 * Row, HintDeclares },
        { 128, "we13_4", 150, HintDeclares },
        { 129, "We13_5", 150 + Row, HintDeclares },
        { 130, "We13_6", 150 + 2 * Row, HintDeclares },
        { 106, "We13_7", 270, HintCircumstances },
        { 107, "We13_8", 270 + Row, HintCircumstances },
        { 108, "We13_9", 270 + 2 * Row, HintCircumstances },
        { 109, "We13_10", 270 + 3 * Row, HintCircumstances },
        { 111, "we14_1", 400, HintEvidence },
        { 112, "we14_2", 400 + Row, HintEvidence },
        { 113, "we14_3", 400 + 2 * Row, HintEvidence },
        { 114, "we14_4", 400 + 3 * Row, HintEvidence },
    };
    QVector<EntryControl> c;
    for (const auto &line : lines) {
        c.append(EntryControl::edit(dbEdit(line.edit), QLatin1String(line.field))
                     .at(Back, 10, line.y, 560, EditHeight)
                     .hint(line.hint));
    }
    c.append(EntryControl::edit(dbEdit(116), QStringLiteral("we15_1"))
                 .at(Back, 10, 530, 300, EditHeight)
                 .hint(QStringLiteral("Ort und Datum")));
    c.append(EntryControl::edit(dbEdit(117), QStringLiteral("we15_2"))
                 .at(Back, 330, 530, 300, EditHeight)
                 .hint(QStringLiteral("Unterschrift des Ausführers"))
                 .exitShowsPage(Front));
    return c;
}

} // namespace

shell::EntryWindowDefinition eurMedEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEur_Med");
    d.caption = QStringLiteral("EUR. Med");
    d.size = QSize(812, 544);
    d.pages = { { QStringLiteral("Warenverkehrsbescheinigung"), 1345 },
        { QStringLiteral("Erläuterungen des Ausführers / Exporteurs"), 0 } };

    d.labels = certificateFrontLabels(QStringLiteral("EUR-MED"), QStringLiteral("lblEurMed"));
    d.labels += {
        EntryLabel::at(QStringLiteral("11 Sichtvermerk der Zollbehörde - Ausfuhrpapier:"), Front, 10, 1175),
        EntryLabel::at(QStringLiteral("Art / Muster"), Front, 10, 1197),
        EntryLabel::at(QStringLiteral("Nr."), Front, 220, 1197),
        EntryLabel::at(QStringLiteral("vom"), Front, 410, 1197),
        EntryLabel::at(QStringLiteral("Zollbehörde"), Front, 10, 1242),
        EntryLabel::at(QStringLiteral("Ausst. Staat/Gebiet"), Front, 220, 1242),
        EntryLabel::at(QStringLiteral("Ort/Datum"), Front, 10, 1287),
        EntryLabel::at(QStringLiteral("Unterschrift"), Front, 280, 1287),
        EntryLabel::at(QStringLiteral("12 Erklärung des Ausführers"), Front, 560, 1175),
        EntryLabel::at(QStringLiteral("Ort und Datum"), Front, 560, 1197),
        EntryLabel::at(QStringLiteral("Unterschrift"), Front, 560, 1287),
        EntryLabel::at(
            QStringLiteral("Der Unterzeichner, Ausführer / Exporteurs der auf der Vorderseite beschriebene Waren,"),
            Back, 10, 10),
        EntryLabel::at(QStringLiteral("ERKLÄRT, dass diese Waren die Voraussetzungen erfüllen, um die beigefügte "
                                      "Bescheinigung zu erlangen."),
            Back, 10, 130),
        EntryLabel::at(QStringLiteral("BESCHREIBT den Sachverhalt, aufgrund dessen diese Waren die vorgenannten\n"
                                      "Voraussetzungen erfüllen, wie folgt:"),
            Back, 10, 236),
        EntryLabel::at(QStringLiteral("LEGT folgende Nachweise VOR:"), Back, 10, 380),
        EntryLabel::at(QStringLiteral("(Ort, Datum)"), Back, 10, 555),
        EntryLabel::at(QStringLiteral("(Unterschrift)"), Back, 330, 555),
    };

    d.controls = certificateHeadControls();
    d.controls += box7();
    d.controls += certificateGoodsControls();
    d.controls += boxes11And12();
    d.controls += declaration();

    d.picks = certificatePicks();
    d.picks.append(countryCodePick(
        QStringLiteral("SpeedButton6"), Front, QRect(565, 390 + Row, 21, 21), QStringLiteral("we7_2"), dbEdit(30)));
    return d;
}

TfrmEur_Med::TfrmEur_Med(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, eurMedEntryDefinition(), parent)
{
}

} // namespace origin
