#pragma once

#include "masterdata/pickrecords.h"

#include <QDate>
#include <QString>

class QWidget;

namespace masterdata {

// The pick routines of the entry windows: each opens the pick window
// through its class function and reports whether something was chosen.
// The text routines set the value to the text returned, which is empty
// when the pick was cancelled: callers test the result before writing.

// The country list on the start value's key; value := the key field of the
// chosen country.
bool PickCountry(const QString &keyField, QString &value, const QString &startValue, QWidget *parent = nullptr);
bool PickBusinessType(QString &value, QWidget *parent = nullptr);
// Starts on the state the value names.
bool PickFederalState(QString &value, QWidget *parent = nullptr);
// Box 37, first and second sub-field; start on the value's code.
bool PickProcedureCode1(QString &value, QWidget *parent = nullptr);
bool PickProcedureCode2(QString &value, QWidget *parent = nullptr);
// Starts on the value's package kind.
bool PickPackageKind(QString &value, QWidget *parent = nullptr);
// The article window; value := the chosen article's description lines.
bool PickArticleText(QString &value, QWidget *parent = nullptr);
// The goods-number window; the record is filled only when one is taken.
bool PickGoodsNumber(TGoodsNumberRecord &record, QWidget *parent = nullptr);
bool PickDeliveryTerm(QString &value, QWidget *parent = nullptr);
bool PickTransportMode(QString &value, const QString &startValue, QWidget *parent = nullptr);
// The customer window; the record is filled only when one is taken.
bool PickCustomer(TPartyAddress &record, QWidget *parent = nullptr);
// The supporting documents; the record is filled only when one is taken.
bool PickDocument(TDocumentCodeRecord &record, QWidget *parent = nullptr);
// The date picker on the start date; value := "YYYYMMDD", or empty when
// cancelled.
void PickDate(QString &value, const QDate &startDate = {});
// Date ("dd.mm.yyyy") and time of the picker; both "0" and false when
// cancelled.
bool PickDateTime(QString &dateText, QString &timeText);

} // namespace masterdata
