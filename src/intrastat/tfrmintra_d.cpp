#include "intrastat/tfrmintra_d.h"

#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/tfrmdrucker.h"

#include <QLabel>

namespace intrastat {

using shell::fieldAt;
using shell::PrintItem;

namespace {

constexpr int Pitch = 50; // the form's character boxes
constexpr int FirstBlock = 860;
constexpr int PositionsPerSheet = 4;

PrintItem boxes(const QString &field, int x, int y)
{
    return fieldAt(field, x, y).inCharacterBoxes(Pitch);
}

} // namespace

int positionSpacing()
{
    const QString stored
        = platform::queryScalar(QStringLiteral("SELECT \"Inta\" FROM \"%1\"")
                                    .arg(platform::TableSchema::tableNameOf(shell::ParameterTableName)),
            {}, platform::Alias::Data);
    bool ok = false;
    const int spacing = stored.toInt(&ok);
    return ok && spacing >= 1 ? spacing : DefaultPositionSpacing;
}

const QVector<PrintItem> &intrastatHeadLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << boxes(QStringLiteral("int1_1"), 240, 190) << boxes(QStringLiteral("int1_2"), 830, 190)
              << boxes(QStringLiteral("int1_3"), 1030, 190).progress(10);
        items << shell::fieldColumn(QStringLiteral("int1_"), 4, 7, 240, 280, 40);
        items.last().progress(20);
        items << boxes(QStringLiteral("int2_1"), 1180, 320) << boxes(QStringLiteral("int2_2"), 1180, 420).progress(30);
        items << shell::fieldColumn(QStringLiteral("int4_"), 4, 7, 240, 520, 40);
        items.last().progress(40);
        return items;
    }();
    return layout;
}

const QVector<PrintItem> &intrastatPositionLayout(bool isDispatch)
{
    static const auto build = [](bool dispatch) {
        QVector<PrintItem> items;
        for (int line = 1; line <= 11; ++line)
            items << fieldAt(QStringLiteral("int6_%1").arg(line), 240, 35 * (line - 1)).height(-35);
        items << boxes(QStringLiteral("Pos"), 920, 0) << boxes(QStringLiteral("int8_1"), 1110, 0)
              << boxes(QStringLiteral("int8_2"), 1290, 0) << boxes(QStringLiteral("int10_1"), 1500, 0)
              << boxes(QStringLiteral("int13_1"), 920, 130);
        if (!dispatch)
            items << boxes(QStringLiteral("int14_1"), 1500, 130);
        items << boxes(QStringLiteral("int16_1"), 920, 250) << boxes(QStringLiteral("int17_1"), 1500, 250)
              << boxes(QStringLiteral("int18_1"), 920, 370) << boxes(QStringLiteral("int19_1"), 1500, 370).progress(60);
        return items;
    };
    static const QVector<PrintItem> arrival = build(false);
    static const QVector<PrintItem> dispatch = build(true);
    return isDispatch ? dispatch : arrival;
}

shell::PrintWindowDefinition intrastatPrintDefinition(const Direction &direction)
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmIntra_d");
    d.caption = QStringLiteral("Intrastat Druck - ") + direction.name() + QLatin1Char(' ');
    d.headTable = direction.headTable();
    d.positionTable = direction.positionTable();
    d.positionLinkField = QStringLiteral("belegnr");
    d.jobTitle = QStringLiteral("Export / Versand: Intrastat");
    d.administrationPattern = direction.printRow() + QLatin1Char('*');
    d.question = shell::FormQuestion::Stop;
    d.fontHeight = -40;
    d.pageChoice = shell::PageChoice { PositionsPerSheet, std::nullopt };
    d.okCaption = QStringLiteral("Drucken");
    d.cancelCaption = QStringLiteral("Abbruch");
    d.size = QSize(400, 260);
    d.prepareAdministration = [](shell::TfrmDrucker &administration) {
        administration.lblInta->show();
        administration.edtInta->show();
        administration.resize(administration.width(), 260);
        if (platform::Table *parameter = shell::mainState().tbParameter)
            shell::EditIfBrowsing(*parameter);
    };
    d.administrationDone = [](int result) {
        platform::Table *parameter = shell::mainState().tbParameter;
        if (!parameter || !parameter->isActive())
            return;
        if (result == QDialog::Accepted)
            shell::PostIfEditing(*parameter);
        else
            shell::cancelIfEditing(*parameter);
    };

    shell::PrintSheet sheet;
    sheet.row = direction.printRow();
    sheet.question = QStringLiteral("Bitte Formular Intrastat in den Drucker einlegen !");
    sheet.items = shell::SheetItems { PositionsPerSheet, PositionsPerSheet };
    const bool dispatch = direction.isDispatch;
    sheet.print = [dispatch](shell::SheetJob &job) {
        shell::LayoutPainter &painter = job.painter;
        platform::Table &head = job.window.head();
        painter.draw(intrastatHeadLayout(), head);
        painter.progress(50);
        const int spacing = positionSpacing();
        platform::Table *positions = job.window.positions();
        job.forEachItem([&](int k) {
            // The position number takes two boxes: a blank before one digit.
            const auto values = [positions](const QString &field) {
                const QString value = positions->fieldByName(field).asString();
                if (field == QLatin1String("Pos") && value.size() == 1)
                    return QStringLiteral(" ") + value;
                return value;
            };
            painter.draw(intrastatPositionLayout(dispatch), values, 0, FirstBlock + spacing * k);
        });
        const QStringList signature = { QStringLiteral("int20_1"), QStringLiteral("int20_2"), QStringLiteral("int20_3"),
            QStringLiteral("Int20_4") };
        for (int i = 0; i < signature.size(); ++i) {
            painter.draw({ fieldAt(signature.at(i), 1130, 2800 + 40 * i).progress(70 + 10 * i) }, head);
        }
    };
    d.sheets = { sheet };
    return d;
}

TfrmIntra_d::TfrmIntra_d(const Direction &direction, QWidget *parent)
    : shell::PrintWindow(intrastatPrintDefinition(direction), parent)
{
}

} // namespace intrastat
