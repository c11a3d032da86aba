#include "intrastat/intrastatfromorders.h"

#include "intrastat/tfrmregieintrastat.h"
#include "orders/orderdocuments.h"
#include "orders/ordertables.h"
#include "orders/tfrmauftrag.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/clock.h"
#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/conversion.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/settings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace intrastat {

using platform::Table;

const QStringList &communityCountries()
{
    static const QStringList countries = { QStringLiteral("BE"), QStringLiteral("FR"), QStringLiteral("GR"),
        QStringLiteral("IE"), QStringLiteral("IT"), QStringLiteral("NL"), QStringLiteral("AT"), QStringLiteral("PT"),
        QStringLiteral("ES"), QStringLiteral("SE"), QStringLiteral("DK"), QStringLiteral("FI"), QStringLiteral("SK"),
        QStringLiteral("LV"), QStringLiteral("CY"), QStringLiteral("CZ"), QStringLiteral("HU"), QStringLiteral("EE"),
        QStringLiteral("LT"), QStringLiteral("MT"), QStringLiteral("SI"), QStringLiteral("PL"), QStringLiteral("GB"),
        QStringLiteral("LU") };
    return countries;
}

QString madeWhole(double value)
{
    return QString::number(qint64(platform::roundHalfAwayFromZero(value)));
}

TfrmIntraSend::TfrmIntraSend(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmIntraSend"));
    setWindowTitle(QStringLiteral("Instrastat"));
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QGridLayout;
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(2);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(4);
    fields->addWidget(new QLabel(QStringLiteral("Monat:"), this), 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Jahr:"), this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    layout->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    BtnStart = new QPushButton(QStringLiteral("&Start"), this);
    BtnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BtnStart->setAutoDefault(false);
    BtnAbbrechen->setAutoDefault(false);
    buttons->addWidget(BtnStart);
    buttons->addWidget(BtnAbbrechen);
    layout->addLayout(buttons);
    connect(BtnStart, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    resize(220, 120);
}

bool TfrmIntraSend::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (watched == Edit1)
                    Edit2->setFocus();
                else
                    BtnStart->click();
                return true;
            }
            if (key == Qt::Key_Escape) {
                BtnAbbrechen->click();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

namespace {

// One position of the monthly declaration while it is summed.
struct SummedPosition {
    QString country;
    QString region;
    QString goodsNumber;
    QStringList lines;
    qint64 mass = 0;
    qint64 quantity = 0;
    qint64 invoice = 0;
    qint64 value = 0;
};

qint64 whole(double value)
{
    return qint64(platform::roundHalfAwayFromZero(value));
}

// The final pass: a sum below 1 (zero and negative included) becomes "1".
QString atLeastOne(qint64 value)
{
    return value < 1 ? QStringLiteral("1") : QString::number(value);
}

void reportFailure(const std::exception &error)
{
    const auto *databaseError = dynamic_cast<const platform::DatabaseError *>(&error);
    platform::dialogs().error(databaseError ? databaseError->message() : QString::fromUtf8(error.what()));
}

} // namespace

int generateMonthlyDeclaration(int month, int year)
{
    TfrmRegieIntrastat intrastat(true);
    Table &head = intrastat.head();
    int number = 0;
    try {
        platform::Transaction transaction(head.database());
        // The number after the highest declaration, found by key: the
        // template is never taken for the last declaration.
        const QString heads = platform::TableSchema::tableNameOf(intrastat.kind().headTable);
        number = platform::queryScalar(
                     QStringLiteral("SELECT MAX(\"belegnr\") FROM \"%1\" WHERE \"belegnr\" < ?").arg(heads),
                     { shell::TemplateNumber }, platform::Alias::Data)
                     .toInt()
            + 1;
        while (shell::openSecondView(head)->findKey({ number }))
            ++number;
        if (!shell::NewRecordFromTemplate(head, number))
            return 0;
        head.findKey({ number });
        head.edit();
        shell::setTodayInto(head, 1);

        const shell::MainState &state = shell::mainState();
        QVector<SummedPosition> summed;
        platform::Query orders(platform::Alias::Data,
            QStringLiteral("SELECT \"Belegnr\", \"Redatum\", \"Reklau14\" FROM \"%1\" ORDER BY \"Belegnr\"")
                .arg(platform::TableSchema::tableNameOf(orders::Tables::Orders)));
        orders.open();
        platform::Query lines(platform::Alias::Data,
            QStringLiteral("SELECT * FROM \"%1\" WHERE \"Belegnr\" = ? ORDER BY \"Pos\"")
                .arg(platform::TableSchema::tableNameOf(orders::Tables::Positions)));
        for (orders.first(); !orders.eof(); orders.next()) {
            const QDate date = orders.fieldByName(QStringLiteral("Redatum")).asDate();
            if (!date.isValid() || date.month() != month || date.year() != year)
                continue;
            head.fieldByName(QStringLiteral("int2_1"))
                .setAsString(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
            const QString yearText = QString::number(year);
            if (yearText.size() == 4)
                head.fieldByName(QStringLiteral("int2_2")).setAsString(yearText.right(2));
            else if (yearText.size() == 2)
                head.fieldByName(QStringLiteral("int2_2")).setAsString(yearText);
            const int sign = orders.fieldByName(QStringLiteral("Reklau14")).asString() == QLatin1String("1") ? -1 : 1;

            lines.close();
            lines.clearBindValues();
            lines.addBindValue(orders.fieldByName(QStringLiteral("Belegnr")).asInteger());
            lines.open();
            for (lines.first(); !lines.eof(); lines.next()) {
                const QString goods = lines.fieldByName(QStringLiteral("waren")).asString();
                if (goods.trimmed().isEmpty() || goods == QLatin1String("99999999"))
                    continue;
                const QString country = lines.fieldByName(QStringLiteral("urland")).asString();
                const QString region = lines.fieldByName(QStringLiteral("buland")).asString();
                if (!communityCountries().contains(country))
                    continue;
                const qint64 mass = sign * whole(lines.fieldByName(QStringLiteral("nettoges")).asFloat());
                const qint64 quantity = sign * qint64(lines.fieldByName(QStringLiteral("anzahl")).asInteger());
                const qint64 amount = sign * whole(lines.fieldByName(QStringLiteral("quersum")).asFloat());
                auto found = std::find_if(summed.begin(), summed.end(), [&](const SummedPosition &p) {
                    return p.country == country && p.region == region && p.goodsNumber == goods;
                });
                if (found == summed.end()) {
                    SummedPosition position { country, region, goods, {}, 0, 0, 0, 0 };
                    for (int line = 1; line <= 8; ++line)
                        position.lines.append(lines.fieldByName(QStringLiteral("wabe%1").arg(line)).asString());
                    summed.append(position);
                    found = summed.end() - 1;
                }
                found->mass += mass;
                found->quantity += quantity;
                found->invoice += amount;
                found->value += amount;
            }
        }
        head.post();

        auto positions = shell::openSecondView(*intrastat.positions());
        int k = 1;
        for (const SummedPosition &position : std::as_const(summed)) {
            positions->append();
            positions->fieldByName(QStringLiteral("belegnr")).setAsInteger(number);
            positions->fieldByName(QStringLiteral("Pos")).setAsInteger(k++);
            for (int line = 0; line < position.lines.size(); ++line)
                positions->fieldByName(QStringLiteral("int6_%1").arg(line + 1)).setAsString(position.lines.at(line));
            positions->fieldByName(QStringLiteral("int8_1")).setAsString(position.country);
            positions->fieldByName(QStringLiteral("int8_2")).setAsString(position.region);
            if (state.IntraUebernahme)
                positions->fieldByName(QStringLiteral("int15_1")).setAsString(state.IntraVerfahren);
            if (state.IntraArtUebernahme)
                positions->fieldByName(QStringLiteral("int10_1")).setAsString(state.IntraArt);
            positions->fieldByName(QStringLiteral("int13_1")).setAsString(position.goodsNumber);
            positions->fieldByName(QStringLiteral("int16_1")).setAsString(atLeastOne(position.mass));
            positions->fieldByName(QStringLiteral("int17_1")).setAsString(atLeastOne(position.quantity));
            positions->fieldByName(QStringLiteral("int18_1")).setAsString(atLeastOne(position.invoice));
            positions->fieldByName(QStringLiteral("int19_1")).setAsString(atLeastOne(position.value));
            positions->post();
        }
        transaction.commit();
    } catch (const std::exception &error) {
        shell::cancelIfEditing(head);
        reportFailure(error);
        return 0;
    }
    intrastat.openDocument(number);
    return number;
}

void monthlyDeclarationFromOrders(orders::TfrmRegieAuftragsdaten &orderRegister)
{
    int month = 0;
    int year = 0;
    {
        TfrmIntraSend dialog(&orderRegister);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // Not a whole number: the error dialog, before anything is written.
        month = shell::toWholeNumber(dialog.Edit1->text());
        year = shell::toWholeNumber(dialog.Edit2->text());
    }
    generateMonthlyDeclaration(month, year);
}

void declarationFromOrder(orders::TfrmAuftrag &orderWindow)
{
    declarationFromOrder(orderWindow.orderRegister().tbArtikel(), shell::CurrentDocumentNumber);
}

void declarationFromOrder(Table &orderPositions, int number)
{
    TfrmRegieIntrastat intrastat(true);
    Table &head = intrastat.head();
    const auto answer = orders::TfrmAuftrag::ConfirmOverwrite(head, number);
    if (answer == orders::TfrmAuftrag::OverwriteAnswer::Keep) {
        intrastat.openDocument(number);
        return;
    }
    shell::PostIfEditing(orderPositions);
    try {
        platform::Transaction transaction(head.database());
        if (answer == orders::TfrmAuftrag::OverwriteAnswer::Overwrite && head.findKey({ number }))
            head.deleteRecord();
        if (!shell::NewRecordFromTemplate(head, number))
            return;
        head.findKey({ number });
        // The positions of the new declaration (and any left from a deleted
        // one of the same number) give way to the order's condensed ones.
        if (!shell::CondenseIntrastatPositions(orderPositions, *intrastat.positions()))
            return;
        transaction.commit();
    } catch (const std::exception &error) {
        shell::cancelIfEditing(head);
        reportFailure(error);
        return;
    }
    intrastat.openDocument(number);
}

void registerOrderCommands()
{
    orders::registerOrderRegisterCommand(QStringLiteral("SpeedButton14"), monthlyDeclarationFromOrders);
    orders::registerOrderWindowCommand(
        QStringLiteral("mnuIntrastat"), [](orders::TfrmAuftrag &window) { declarationFromOrder(window); });
}

} // namespace intrastat
