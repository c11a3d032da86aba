#include "origin/tfrmeur1_d.h"

#include "origin/origintables.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"

#include <QPoint>

namespace origin {

using shell::fieldAt;
using shell::fieldColumn;
using shell::inVariant;
using shell::PrintItem;

namespace {

// The one-letter codes of the publishers in the parameter record.
const QStringList PublisherCodes = { QStringLiteral("O"), QStringLiteral("S"), QStringLiteral("A") };

// Boxes 11 and 12 of one layout: export document kind, number (smaller),
// date; place and date, signature.
QVector<PrintItem> boxes11And12(int layout, QPoint kind, QPoint number, QPoint date, QPoint place, QPoint signature)
{
    return inVariant({ fieldAt(QStringLiteral("we11_1"), kind.x(), kind.y()),
                         fieldAt(QStringLiteral("we11_2"), number.x(), number.y()).height(-30),
                         fieldAt(QStringLiteral("we11_3"), date.x(), date.y()),
                         fieldAt(QStringLiteral("we12_1"), place.x(), place.y()),
                         fieldAt(QStringLiteral("we12_2"), signature.x(), signature.y()) },
        layout);
}

// The back page of one layout: the goods declared for, ten lines of
// circumstances, nine lines of evidence, place and date, signature.
QVector<PrintItem> backPage(
    int layout, int x, int declared, int circumstances, int evidence, QPoint place, QPoint signature)
{
    const QStringList circumstanceFields = { QStringLiteral("we13_1"), QStringLiteral("we13_2"),
        QStringLiteral("we13_3"), QStringLiteral("we13_4"), QStringLiteral("We13_5"), QStringLiteral("We13_6"),
        QStringLiteral("We13_7"), QStringLiteral("We13_8"), QStringLiteral("We13_9"), QStringLiteral("We13_10") };
    const QStringList evidenceFields = { QStringLiteral("we14_1"), QStringLiteral("we14_2"), QStringLiteral("we14_3"),
        QStringLiteral("we14_4"), QStringLiteral("We14_7"), QStringLiteral("We14_8"), QStringLiteral("We14_9"),
        QStringLiteral("We14_10"), QStringLiteral("We14_11") };
    QVector<PrintItem> items
        = { fieldAt(QStringLiteral("We14_5"), x, declared), fieldAt(QStringLiteral("We14_6"), x, declared + 40) };
    for (int i = 0; i < circumstanceFields.size(); ++i)
        items << fieldAt(circumstanceFields.at(i), x, circumstances + 40 * i);
    for (int i = 0; i < evidenceFields.size(); ++i)
        items << fieldAt(evidenceFields.at(i), x, evidence + 40 * i);
    items.last().progress(50);
    items << fieldAt(QStringLiteral("we15_1"), place.x(), place.y())
          << fieldAt(QStringLiteral("we15_2"), signature.x(), signature.y());
    return inVariant(items, layout);
}

} // namespace

QVector<PrintItem> certificateGoodsLines(int description, int mass, int invoices, int top)
{
    QVector<PrintItem> items;
    for (int line = 3; line <= 25; ++line) {
        const int y = top + 40 * (line - 3);
        items << fieldAt(QStringLiteral("Eintrag%1_1").arg(line), description, y)
              << fieldAt(QStringLiteral("Eintrag%1_2").arg(line), mass, y)
              << fieldAt(QStringLiteral("Eintrag%1_3").arg(line), invoices, y);
        if (line == 12)
            items.last().progress(70);
        if (line == 25)
            items.last().progress(90);
    }
    return items;
}

QVector<PrintItem> certificateHead(const CertificateHead &head)
{
    QVector<PrintItem> items;
    items << fieldColumn(head.exporter, 1, 5, head.left, head.exporterTop, 40);
    items << fieldAt(QStringLiteral("we2_1"), head.reference1.x(), head.reference1.y())
          << fieldAt(QStringLiteral("We2_2"), head.reference2.x(), head.reference2.y()).progress(10);
    items << fieldColumn(head.consignee, 1, 8, head.left, head.consigneeTop, 40);
    items << fieldAt(head.country1, head.country1At.x(), head.country1At.y())
          << fieldAt(head.country2, head.country2At.x(), head.country2At.y()).progress(30);
    items << fieldColumn(head.box6, 1, 6, head.left, head.box6Top, 40);
    return items;
}

const QVector<PrintItem> &eur1FrontLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << certificateHead({ .left = 280,
            .exporterTop = 410,
            .reference1 = { 1200, 625 },
            .reference2 = { 1200, 750 },
            .consigneeTop = 695,
            .country1At = { 1230, 980 },
            .country2At = { 1630, 980 },
            .box6Top = 1090 });
        items << fieldColumn(QStringLiteral("we7_"), 1, 6, 1200, 1090, 40);
        items.last().progress(50);
        items << fieldAt(QStringLiteral("Eintrag1"), 280, 1500) << fieldAt(QStringLiteral("Eintrag2"), 280, 1540);
        items << certificateGoodsLines(280, 1610, 1830, 1580);
        items << boxes11And12(Orvanta, { 380, 2800 }, { 720, 2800 }, { 300, 2840 }, { 1430, 2870 }, { 1440, 3060 });
        items << boxes11And12(Selmar, { 410, 2720 }, { 750, 2720 }, { 340, 2760 }, { 1430, 2830 }, { 1440, 3050 });
        items << boxes11And12(Andere, { 330, 2740 }, { 710, 2740 }, { 290, 2780 }, { 1430, 2810 }, { 1440, 2980 });
        return items;
    }();
    return layout;
}

const QVector<PrintItem> &eur1BackLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << backPage(Orvanta, 300, 580, 760, 1260, { 1050, 2170 }, { 1060, 2420 });
        items << backPage(Selmar, 250, 500, 680, 1140, { 1050, 1960 }, { 1060, 2210 });
        items << backPage(Andere, 250, 560, 740, 1240, { 1050, 2120 }, { 1060, 2380 });
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition eur1PrintDefinition(shell::DocumentRegister *documentRegister)
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEur1_d");
    d.caption = QStringLiteral("EUR1 - DRUCK");
    d.headTable = Tables::Eur1;
    d.jobTitle = QStringLiteral("Export / Versand: EUR 1");
    d.administrationPattern = QStringLiteral("EUR1*");
    d.size = QSize(380, 196);

    shell::PrintSheet front;
    front.row = PrintRows::Eur1Front;
    front.checkBox = QStringLiteral("Warenverkehrsbescheinigung");
    front.question = QStringLiteral("Bitte Formular EUR. 1 in Drucker einlegen !");
    front.verticalConstant = 230;
    front.print = [](shell::SheetJob &job) {
        job.painter.draw(eur1FrontLayout(), job.window.head(), job.variant);
        job.painter.progress(100);
    };

    shell::PrintSheet back;
    back.row = PrintRows::Eur1Back;
    back.checkBox = QStringLiteral("Erklärung des Ausführers / Exporteurs");
    back.question = QStringLiteral("Bitte Formular EUR.1 Rückseite in Drucker einlegen !");
    back.withCopies = false;
    back.print = [](shell::SheetJob &job) {
        job.painter.progress(0);
        job.painter.draw(eur1BackLayout(), job.window.head(), job.variant);
        job.painter.progress(100);
    };
    // The first lines of the circumstances and of the evidence tell whether
    // the declaration was filled in.
    back.available = [](shell::PrintWindow &window) {
        platform::Table &head = window.head();
        if (!head.isActive() || head.isEmpty())
            return false;
        for (const char *field : { "we13_1", "we13_2", "we14_1", "we14_2" }) {
            if (!head.fieldByName(QLatin1String(field)).asString().isEmpty())
                return true;
        }
        return false;
    };
    d.sheets = { front, back };

    shell::LayoutChoice publisher;
    publisher.objectName = QStringLiteral("poj1");
    publisher.title = QStringLiteral("Auswahl vom Verlag");
    publisher.items = { QStringLiteral("Orvanta"), QStringLiteral("Selmar Verlag"), QStringLiteral("Andere") };
    publisher.iniKey = QStringLiteral("EURDruck");
    publisher.layouts = { Orvanta, Selmar, Andere };
    publisher.layoutWithoutChoice = Orvanta;
    if (documentRegister) {
        // Stored with the parameter record's next post; nothing reads it.
        publisher.chosen = [documentRegister](int item) {
            platform::Table &parameter = documentRegister->parameter();
            if (!parameter.isActive() || parameter.isEmpty())
                return;
            shell::EditIfBrowsing(parameter);
            parameter.fieldByName(QStringLiteral("Eur1")).setAsString(PublisherCodes.value(item));
        };
    }
    d.layoutChoice = publisher;
    return d;
}

TfrmEur1_d::TfrmEur1_d(shell::DocumentRegister *documentRegister, QWidget *parent)
    : shell::PrintWindow(eur1PrintDefinition(documentRegister), parent)
{
}

} // namespace origin
