#pragma once

#include "shell/entrywindow.h"

#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class QWidget;

namespace masterdata {

// What the entry windows take over of a customer chosen in TfrmKunden.
enum class CustomerField { Name1, Name2, Name3, Strasse, Ort, Telefon, PLZ };

struct CustomerAddress {
    QString name1;
    QString name2;
    QString name3;
    QString strasse;
    QString ort;
    QString telefon;
    QString plz;

    QString value(CustomerField field) const;
};

// The customer list "TfrmKunden" in pick mode: the chosen customer's address
// lines, phone number and postcode; nothing when the user cancels.
std::optional<CustomerAddress> pickCustomerAddress(QWidget *parent);

// A pick button of an entry window that writes the chosen customer into the
// document: each document field with the customer field it takes.
using CustomerFields = QVector<QPair<QString, CustomerField>>;
shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const CustomerFields &fields, const QString &focusAfter);
// The five address lines (Name1, Name2, Name3, Strasse, Ort) into the fields
// given, in this order.
shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const QStringList &addressFields, const QString &focusAfter);

// The package-kind master "TfrmPackst" in pick mode: the chosen kind's
// designation, code, length, width and height (whole centimetres) into the
// fields given, in this order.
shell::EntryPick packageKindPick(
    const QString &name, int page, const QRect &geometry, const QStringList &fields, const QString &focusAfter);

} // namespace masterdata
