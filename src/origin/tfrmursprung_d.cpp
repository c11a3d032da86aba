#include "origin/tfrmursprung_d.h"

#include "origin/origintables.h"
#include "origin/tfrmursprung.h"
#include "platform/field.h"
#include "platform/table.h"

namespace origin {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;

namespace {

const QString BackText = QStringLiteral("We9");

} // namespace

const QVector<PrintItem> &ursprungFrontLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << fieldColumn(QStringLiteral("We1_"), 1, 5, 280, 180, 40);
        items << fieldAt(QStringLiteral("Nummer"), 1150, 235).progress(10);
        items << fieldColumn(QStringLiteral("We2_"), 1, 8, 280, 470, 40);
        items << fieldAt(QStringLiteral("We3"), 1200, 690) << fieldAt(QStringLiteral("We3_2"), 1200, 730)
              << fieldAt(QStringLiteral("We3_3"), 1200, 770).progress(30);
        items << fieldColumn(QStringLiteral("We4_"), 1, 6, 280, 860, 40);
        items << fieldColumn(QStringLiteral("We5_"), 1, 6, 1200, 860, 40);
        items.last().progress(50);
        for (int line = 4; line <= 30; ++line) {
            const int y = 1285 + 35 * (line - 4);
            items << fieldAt(QStringLiteral("Eintrag%1_1").arg(line), 280, y)
                  << fieldAt(QStringLiteral("Eintrag%1_2").arg(line), 1660, y);
            if (line == 12)
                items.last().progress(70);
        }
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition ursprungPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmUrsprung_d");
    d.caption = QStringLiteral("Ursprungszeugnis - DRUCK");
    d.headTable = Tables::Ursprung;
    d.administrationPattern = QStringLiteral("URSPRUNG*");

    shell::PrintSheet front;
    front.row = PrintRows::UrsprungFront;
    front.jobTitle = QStringLiteral("Ursprungszeugnis");
    front.checkBox = QStringLiteral("Ursprungszeugnis");
    front.question = QStringLiteral("Bitte Formular Ursprungszeugnis in den Drucker einlegen !");
    front.print = [](shell::SheetJob &job) {
        job.painter.draw(ursprungFrontLayout(), job.window.head(), job.variant);
        job.painter.progress(100);
    };

    shell::PrintSheet back;
    back.row = PrintRows::UrsprungBack;
    back.jobTitle = QStringLiteral("Ursprungszeugnis - Rückseite");
    back.checkBox = QStringLiteral("Rückseite");
    back.question = QStringLiteral("Bitte Rückseite des Ursprungszeugnisses in Drucker einlegen !");
    // Every line, also beyond the form's room: the entry window has warned.
    back.print = [](shell::SheetJob &job) {
        const QStringList lines = memoTextLines(job.window.head().fieldByName(BackText).asString());
        job.painter.progress(0);
        for (int i = 0; i < lines.size(); ++i) {
            job.painter.text(250, 300 + 40 * i, lines.at(i));
            job.painter.progress(lines.size() > 0 ? 100 * (i + 1) / int(lines.size()) : 100);
        }
    };
    back.available = [](shell::PrintWindow &window) {
        platform::Table &head = window.head();
        return head.isActive() && !head.isEmpty() && !head.fieldByName(BackText).isNull();
    };
    d.sheets = { front, back };
    return d;
}

TfrmUrsprung_d::TfrmUrsprung_d(QWidget *parent)
    : shell::PrintWindow(ursprungPrintDefinition(), parent)
{
}

} // namespace origin
