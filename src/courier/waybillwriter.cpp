#include "courier/waybillwriter.h"

#include "courier/tfrmregiefedex.h"
#include "courier/tfrmregieups.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"

#include <QAbstractButton>

#include <stdexcept>

namespace courier {

QStringList contractFields(Waybill kind)
{
    switch (kind) {
    case Waybill::FedEx:
        return { QStringLiteral("F3_3"), QStringLiteral("F3_5"), QStringLiteral("F3_6"), QStringLiteral("F3_7"),
            QStringLiteral("F3_9"), QStringLiteral("F3_10"), QStringLiteral("F1_4"), QStringLiteral("F1_6"),
            QStringLiteral("F1_8"), QStringLiteral("F1_10"), QStringLiteral("F1_11") };
    case Waybill::Ups:
        return { QStringLiteral("Datum"), QStringLiteral("U2_5"), QStringLiteral("U2_6"), QStringLiteral("U2_7"),
            QStringLiteral("U2_8"), QStringLiteral("U2_9"), QStringLiteral("U2_10"), QStringLiteral("U1_3"),
            QStringLiteral("U1_5"), QStringLiteral("U1_6"), QStringLiteral("U1_7"), QStringLiteral("U1_8"),
            QStringLiteral("U1_9"), QStringLiteral("U1_10") };
    }
    return {};
}

const shell::DocumentKind &kindOf(Waybill kind)
{
    return kind == Waybill::FedEx ? fedExKind() : upsKind();
}

WaybillWriter::WaybillWriter(Waybill kind)
    : m_kind(kind)
{
    if (kind == Waybill::FedEx)
        m_register = std::make_unique<TfrmRegieFedEx>();
    else
        m_register = std::make_unique<TfrmRegieUPS>();
}

WaybillWriter::~WaybillWriter() = default;

platform::Table &WaybillWriter::table()
{
    return m_register->head();
}

bool WaybillWriter::exists(int number)
{
    return shell::openSecondView(table())->findKey({ number });
}

bool WaybillWriter::find(int number)
{
    return table().findKey({ number });
}

void WaybillWriter::remove(int number)
{
    if (find(number))
        table().deleteRecord();
}

bool WaybillWriter::newFromTemplate(int number)
{
    if (number < 1 || number > shell::MaxDocumentNumber) {
        platform::dialogs().error(QStringLiteral("Belegnummer muss größer als 0 sein !"));
        return false;
    }
    if (exists(number)) {
        platform::dialogs().information(QStringLiteral("Belegnummer existiert bereits !"));
        return false;
    }
    platform::Table &waybills = table();
    // The template is found by its key, whatever range the register set.
    waybills.cancelRange();
    if (!shell::NewRecordFromTemplate(waybills, number))
        return false;
    return waybills.findKey({ number });
}

void WaybillWriter::setField(const QString &field, const QString &value)
{
    if (!contractFields(m_kind).contains(field))
        throw std::invalid_argument("not a contract field of the waybill: " + field.toStdString());
    shell::EditIfBrowsing(table());
    table().fieldByName(field).setAsString(value);
}

void WaybillWriter::post()
{
    shell::PostIfEditing(table());
}

void WaybillWriter::edit()
{
    m_register->editButton()->click();
}

void OpenDocument(Waybill kind, int number)
{
    if (kind == Waybill::FedEx)
        TfrmRegieFedEx::OpenDocument(number);
    else
        TfrmRegieUPS::OpenDocument(number);
}

} // namespace courier
