#pragma once

#include "masterdata/masterdatawindow.h"

namespace masterdata {

// The code list of one sub-field of box 37 (1 or 2): the window keeps the
// codes with their explanations and serves as the pick list of the
// sub-field (Panel1 with "Abbrechen" and "Übernehmen").
MasterDataDefinition procedureCodeDefinition(int subField);

class ProcedureCodeWindow : public MasterDataWindow
{
    Q_OBJECT
public:
    ProcedureCodeWindow(int subField, QWidget *parent = nullptr);

    // Goes through the codes from the first until one equals the text as
    // stored, or to the last code when none does.
    void moveToCode(const QString &code);
    // The current code after an OK.
    QString code() const;

protected:
    // The shared steps of SelectProcedureCode: start code located ignoring
    // case (the first code when it is not there), shown with Panel1; the
    // chosen code, or an empty text when cancelled.
    static QString selectCode(ProcedureCodeWindow &window, const QString &startCode);
};

// First sub-field of box 37 ("Verfahren für Einheitspapiere 1. Unterfeld").
class TfrmEinh_Verfahren1 : public ProcedureCodeWindow
{
    Q_OBJECT
public:
    explicit TfrmEinh_Verfahren1(QWidget *parent = nullptr);
    static QString SelectProcedureCode(const QString &startCode, QWidget *parent = nullptr);
};

// Second sub-field of box 37 ("Verfahren für Einheitspapiere 2. Unterfeld").
class TfrmEinh_Verfahren2 : public ProcedureCodeWindow
{
    Q_OBJECT
public:
    explicit TfrmEinh_Verfahren2(QWidget *parent = nullptr);
    static QString SelectProcedureCode(const QString &startCode, QWidget *parent = nullptr);
};

} // namespace masterdata
