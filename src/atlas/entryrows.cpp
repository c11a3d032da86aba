#include "atlas/entryrows.h"

#include "atlas/tfrmatlasaemain.h"
#include "atlas/tfrmspecialform.h"
#include "masterdata/pickwrappers.h"
#include "platform/clock.h"
#include "platform/field.h"
#include "platform/table.h"

#include <stdexcept>

namespace atlas {

using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::EntryWindow;
using shell::PickValues;

namespace {

std::optional<PickValues> codePick(EntryWindow &window, int list, const QString &control, const QString &field)
{
    const QString code = TfrmSpecialForm::pickCode(list, window.control(control), &window);
    if (code.isEmpty())
        return std::nullopt;
    return PickValues { { field, code } };
}

std::optional<PickValues> countryPick(EntryWindow &window, const QString &field, const QString &keyField, bool start)
{
    QString value;
    const QString from = start ? window.head().fieldByName(field).asString() : QString();
    if (!masterdata::PickCountry(keyField, value, from, &window))
        return std::nullopt;
    return PickValues { { field, value } };
}

std::optional<PickValues> transportPick(EntryWindow &window, const QString &field)
{
    QString value;
    if (!masterdata::PickTransportMode(value, window.head().fieldByName(field).asString(), &window))
        return std::nullopt;
    return PickValues { { field, value } };
}

// A master-data pick that starts on the field's value, or empty.
std::optional<PickValues> valuePick(
    EntryWindow &window, const QString &field, bool (*pick)(QString &, QWidget *), bool startOnValue = true)
{
    QString value = startOnValue ? window.head().fieldByName(field).asString() : QString();
    if (!pick(value, &window) || value.isEmpty())
        return std::nullopt;
    return PickValues { { field, value } };
}

std::optional<PickValues> documentPick()
{
    masterdata::TDocumentCodeRecord record;
    if (!masterdata::PickDocument(record))
        return std::nullopt;
    return PickValues { { QStringLiteral("Typ"), record.Code }, { QStringLiteral("Quali"), record.Quali } };
}

std::optional<PickValues> datePick(EntryWindow &window, const QString &field)
{
    const QString text = window.head().fieldByName(field).asString();
    QDate start = QDate::fromString(text.left(8), QStringLiteral("yyyyMMdd"));
    if (!start.isValid())
        start = platform::Clock::today();
    QString value;
    masterdata::PickDate(value, start);
    if (value.isEmpty())
        return std::nullopt;
    return PickValues { { field, value } };
}

} // namespace

std::optional<PickValues> dateTimePick(EntryWindow &window, const QString &field, bool end)
{
    const QString text = window.head().fieldByName(field).asString();
    const QString start = (end ? text.size() > 8 : text.size() >= 8) ? text : QString();
    QDate date
        = QDate::fromString(start.mid(6, 2) + QLatin1Char('.') + start.mid(4, 2) + QLatin1Char('.') + start.left(4),
            QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = platform::Clock::today();
    QTime time = QTime::fromString(start.mid(8, 2) + QLatin1Char(':') + start.mid(10, 2), QStringLiteral("HH:mm"));
    if (!time.isValid())
        time = platform::Clock::now().time();
    QString dateText = date.toString(QStringLiteral("dd.MM.yyyy"));
    QString timeText = time.toString(QStringLiteral("HH:mm:ss"));
    if (!masterdata::PickDateTime(dateText, timeText))
        return std::nullopt;
    const QDate chosenDate = QDate::fromString(dateText, QStringLiteral("dd.MM.yyyy"));
    QTime chosenTime = QTime::fromString(timeText, QStringLiteral("HH:mm:ss"));
    if (!chosenTime.isValid())
        chosenTime = QTime::fromString(timeText, QStringLiteral("HH:mm"));
    if (!chosenDate.isValid() || !chosenTime.isValid())
        throw std::runtime_error(
            QStringLiteral("'%1 %2' ist kein gültiges Datum mit Uhrzeit.").arg(dateText, timeText).toStdString());
    return PickValues { { field,
        chosenDate.toString(QStringLiteral("yyyyMMdd")) + chosenTime.toString(QStringLiteral("HHmm")) } };
}

std::function<std::optional<PickValues>(EntryWindow &)> rowPick(const EntryRow &row)
{
    const QString control = row.control;
    const QString field = row.field;
    const int list = row.list;
    switch (row.pick) {
    case RowPick::None:
        return {};
    case RowPick::CodeList:
        return [list, control, field](EntryWindow &w) { return codePick(w, list, control, field); };
    case RowPick::Country:
        return [field](EntryWindow &w) { return countryPick(w, field, QStringLiteral("Lkz"), true); };
    case RowPick::Currency:
        return [field](EntryWindow &w) { return countryPick(w, field, QStringLiteral("Waehrung"), false); };
    case RowPick::TransportMode:
        return [field](EntryWindow &w) { return transportPick(w, field); };
    case RowPick::BusinessType:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickBusinessType, false); };
    case RowPick::DeliveryTerm:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickDeliveryTerm, false); };
    case RowPick::PresentationStart:
        return [field](EntryWindow &w) { return dateTimePick(w, field, false); };
    case RowPick::PresentationEnd:
        return [field](EntryWindow &w) { return dateTimePick(w, field, true); };
    case RowPick::FederalState:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickFederalState); };
    case RowPick::ProcedureCode1:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickProcedureCode1); };
    case RowPick::ProcedureCode2:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickProcedureCode2); };
    case RowPick::PackageKind:
        return [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickPackageKind); };
    case RowPick::Document:
        return [](EntryWindow &) { return documentPick(); };
    case RowPick::Date:
        return [field](EntryWindow &w) { return datePick(w, field); };
    }
    return {};
}

void RowBuilder::label(const QString &text, int x, int y, const QString &name)
{
    EntryLabel l = EntryLabel::at(text, 0, x, y + 3);
    l.name = name;
    d.labels.append(l);
}

EntryControl &RowBuilder::edit(const QString &name, const QString &field, int x, int y, int width)
{
    d.controls.append(EntryControl::edit(name, field).at(0, x, y, width, EditHeight));
    return d.controls.last();
}

EntryControl &RowBuilder::memo(const QString &name, const QString &field, int x, int y, int width, int height)
{
    d.controls.append(EntryControl::memo(name, field).at(0, x, y, width, height));
    return d.controls.last();
}

void RowBuilder::button(const QString &name, int x, int y, std::function<std::optional<PickValues>(EntryWindow &)> run,
    const QString &focusAfter, const QString &caption, int width, int height)
{
    EntryPick pick;
    pick.name = name;
    pick.geometry = QRect(x, y, width, height);
    pick.run = std::move(run);
    pick.focusAfter = focusAfter;
    if (!caption.isEmpty())
        captions.insert(name, caption);
    d.picks.append(pick);
}

void RowBuilder::row(const EntryRow &r, int labelX, int editX, int y, const QString &labelName)
{
    if (!r.caption.isEmpty())
        label(r.caption, labelX, y, labelName);
    EntryControl &c = edit(r.control, r.field, editX, y, r.width);
    if (r.mandatory)
        c.colored(MandatoryColor);
    if (!r.hotKeyTo.isEmpty()) {
        c.hotKeyClicks(r.hotKeyTo);
        return;
    }
    if (r.pick == RowPick::None)
        return;
    // The button is named after the edit: "sb" and the control's name.
    const QString name = QStringLiteral("sb") + r.control;
    if (r.hotKey)
        c.hotKeyClicks(name);
    button(name, editX + r.width + 2, y, rowPick(r), r.control);
}

int RowBuilder::column(const QVector<EntryRow> &rows, int labelX, int editX, int y, int step)
{
    for (const EntryRow &r : rows) {
        row(r, labelX, editX, y);
        y += step;
    }
    return y;
}

} // namespace atlas
