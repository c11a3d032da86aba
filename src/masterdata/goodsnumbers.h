#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"
#include "masterdata/pickrecords.h"

namespace masterdata {

// "Statistische Warennummern": goods numbers in their five parts with nine
// description lines, kept with the navigator.
MasterDataDefinition goodsNumberDefinition();
// "Statistische Warennummer", four goods numbers a sheet, by number.
ListLayout goodsNumberListLayout();

class TfrmWare : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmWare(QWidget *parent = nullptr);

    // The goods-number window with its pick buttons; on "Übernehmen" the
    // chosen number's parts and its nine description lines joined by single
    // blanks go into the record and the result is true. Cancelled, or
    // nothing to choose: false, the record unchanged.
    static bool SelectGoodsNumber(TGoodsNumberRecord &record, QWidget *parent = nullptr);
    // The same window; the first four parts of the chosen number joined by
    // ";" ("84713000;10;;"), or an empty text when cancelled.
    static QString SelectGoodsNumberText(QWidget *parent = nullptr);
};

} // namespace masterdata
