#include "origin/tfrmeur_med_d.h"

#include "origin/origintables.h"
#include "origin/tfrmeur1_d.h"
#include "platform/field.h"
#include "platform/table.h"

namespace origin {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;

namespace {

// The fields of the exporter's declaration, we13_1 to we15_2.
constexpr int FirstDeclarationField = 106;
constexpr int LastDeclarationField = 128;

// Box 7 prints one choice: the country code and its cross only with
// "Cumulation applied with", the other cross only without it.
QString certificateValue(platform::Table &head, const QString &field)
{
    const bool applied = head.fieldByName(QStringLiteral("we7_1")).asBoolean();
    if (field == QLatin1String("we7_2") && !applied)
        return {};
    if (field == QLatin1String("we7_3") && applied)
        return {};
    return head.fieldByName(field).asString();
}

} // namespace

const QVector<PrintItem> &eurMedCertificateLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << certificateHead({ .left = 220,
            .exporterTop = 150,
            .reference1 = { 1160, 410 },
            .reference2 = { 1160, 540 },
            .consigneeTop = 420,
            .country1At = { 1140, 740 },
            .country2At = { 1600, 740 },
            .box6Top = 840 });
        items << fieldAt(QStringLiteral("we7_1"), 1180, 880).cross() << fieldAt(QStringLiteral("we7_2"), 1610, 870)
              << fieldAt(QStringLiteral("we7_3"), 1180, 1010).cross().progress(50);
        items << fieldAt(QStringLiteral("Eintrag1"), 220, 1180) << fieldAt(QStringLiteral("Eintrag2"), 220, 1220);
        items << certificateGoodsLines(220, 1570, 1800, 1260);
        items << fieldAt(QStringLiteral("we11_1"), 400, 2490)
              << fieldAt(QStringLiteral("we11_2"), 700, 2490).height(-30)
              << fieldAt(QStringLiteral("we11_3"), 320, 2535) << fieldAt(QStringLiteral("We11_4"), 400, 2575)
              << fieldAt(QStringLiteral("We11_5"), 250, 2655) << fieldAt(QStringLiteral("We11_6"), 250, 2705)
              << fieldAt(QStringLiteral("We11_7"), 250, 2825);
        items << fieldAt(QStringLiteral("we12_1"), 1400, 2610) << fieldAt(QStringLiteral("we12_2"), 1400, 2820);
        return items;
    }();
    return layout;
}

const QVector<PrintItem> &eurMedDeclarationLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << fieldColumn(QStringLiteral("we13_"), 1, 3, 260, 320, 40);
        items << fieldAt(QStringLiteral("we13_4"), 260, 500) << fieldAt(QStringLiteral("We13_5"), 260, 540)
              << fieldAt(QStringLiteral("We13_6"), 260, 580);
        items << fieldAt(QStringLiteral("We13_7"), 260, 700) << fieldAt(QStringLiteral("We13_8"), 260, 780)
              << fieldAt(QStringLiteral("We13_9"), 260, 870) << fieldAt(QStringLiteral("We13_10"), 260, 950);
        items << fieldAt(QStringLiteral("we14_1"), 260, 1160) << fieldAt(QStringLiteral("we14_2"), 260, 1250)
              << fieldAt(QStringLiteral("we14_3"), 260, 1340)
              << fieldAt(QStringLiteral("we14_4"), 260, 1420).progress(50);
        items << fieldAt(QStringLiteral("we15_1"), 1000, 1970) << fieldAt(QStringLiteral("we15_2"), 1000, 2220);
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition eurMedPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEur_Med_d");
    d.caption = QStringLiteral("EUR-MED - DRUCK");
    d.headTable = Tables::EurMed;
    d.administrationPattern = QStringLiteral("EUR-MED*");
    // A new user gets both rows with "LPT1", so that the printer question follows.
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");

    shell::PrintSheet certificate;
    certificate.row = PrintRows::EurMedFront;
    certificate.jobTitle = QStringLiteral("Export / Versand: EUR-Med");
    certificate.checkBox = QStringLiteral("Warenverkehrsbescheinigung");
    certificate.question = QStringLiteral("Bitte Formular EUR-MED in den Drucker einlegen !");
    certificate.print = [](shell::SheetJob &job) {
        platform::Table &head = job.window.head();
        job.painter.draw(
            eurMedCertificateLayout(), [&head](const QString &field) { return certificateValue(head, field); });
        job.painter.progress(100);
    };

    shell::PrintSheet declaration;
    declaration.row = PrintRows::EurMedBack;
    declaration.jobTitle = QStringLiteral("Export / Versand: EUR-MED");
    declaration.checkBox = QStringLiteral("Erklärung des Ausführers / Exporteurs");
    declaration.checkedAtStart = false;
    declaration.question = QStringLiteral("Bitte die Rückseite des EUR-MED in den Drucker einlegen !");
    declaration.withCopies = false;
    declaration.print = [](shell::SheetJob &job) {
        job.painter.progress(0);
        job.painter.draw(eurMedDeclarationLayout(), job.window.head());
        job.painter.progress(100);
    };
    // Any line of the declaration, read by the fields' places in the table.
    declaration.available = [](shell::PrintWindow &window) {
        platform::Table &head = window.head();
        if (!head.isActive() || head.isEmpty())
            return false;
        for (int field = FirstDeclarationField; field <= LastDeclarationField && field < head.fieldCount(); ++field) {
            if (!head.field(field).asString().isEmpty())
                return true;
        }
        return false;
    };
    d.sheets = { certificate, declaration };
    d.printerSheet = 1;
    return d;
}

TfrmEur_Med_d::TfrmEur_Med_d(QWidget *parent)
    : shell::PrintWindow(eurMedPrintDefinition(), parent)
{
}

} // namespace origin
