#pragma once

#include "masterdata/selectionwindow.h"

#include <QVector>

namespace masterdata {

// Every "Auswahl" pick list by its class name ("TfrmZoll_e"), the country
// list TfrmLnder_e among them. An unknown name is a programming error
// (std::out_of_range).
const QVector<SelectionDefinition> &selectionDefinitions();
const SelectionDefinition &selectionDefinition(const QString &className);

// "Auswahl: Bundesländer"
class TfrmLnderbrd_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmLnderbrd_e(QWidget *parent = nullptr);
    // On the state whose number equals the start value ignoring case (the
    // first by name without one); the chosen number, or an empty text.
    static QString SelectFederalState(const QString &startValue, QWidget *parent = nullptr);
};

// "Auswahl: Verfahren"
class TfrmVerfan_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmVerfan_e(QWidget *parent = nullptr);
};

// "Auswahl: Lieferbedingung"
class TfrmLiefer_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmLiefer_e(QWidget *parent = nullptr);
    // The list on its first row; the chosen code, or an empty text. The
    // start value is not used.
    static QString SelectDeliveryTerm(const QString &startValue = {}, QWidget *parent = nullptr);
};

// "Auswahl: Zolltabelle"
class TfrmZoll_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmZoll_e(QWidget *parent = nullptr);
};

// "Auswahl: VerkehrszweigeTabelle"
class TfrmVerzw_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmVerzw_e(QWidget *parent = nullptr);
    // The list on its first row; the chosen code, or an empty text. The
    // start value is not used.
    static QString SelectTransportMode(const QString &startValue = {}, QWidget *parent = nullptr);
};

// "Auswahl: Packstücke"
class TfrmPackst_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmPackst_e(QWidget *parent = nullptr);
};

// "Auswahl: VerfahrenAuswahl" (box-37 procedures)
class TfrmVerf_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmVerf_e(QWidget *parent = nullptr);
};

// "Auswahl: Hafen - Tabelle"
class TfrmHafen_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmHafen_e(QWidget *parent = nullptr);
};

// "Auswahl: Statistische Warennummer"
class TfrmWare_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmWare_e(QWidget *parent = nullptr);
};

// "Auswahl: Artikel"
class TfrmArtikel_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmArtikel_e(QWidget *parent = nullptr);
};

// "Auswahl: Geschäftsart-Tabelle"
class TfrmGesch_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmGesch_e(QWidget *parent = nullptr);
    // The list on its first row; the chosen code, or an empty text. The
    // start value is not used.
    static QString SelectBusinessType(const QString &startValue = {}, QWidget *parent = nullptr);
};

// "Auswahl: Ursprung - Tabelle"
class TfrmUrzeug_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmUrzeug_e(QWidget *parent = nullptr);
};

} // namespace masterdata

namespace masterdata {

// The two pick buttons of the options dialog (shell::registerPickFunction).
// Procedure: the box-37 list in code order on the row whose Nr1 and Nr2
// equal the first four and the fifth character (else on the last row);
// the two numbers joined. Business type: the list in code order on the
// nearest code; the code.
QString pickProcedureForOptions(QWidget *parent, const QString &current, bool *chosen);
QString pickBusinessTypeForOptions(QWidget *parent, const QString &current, bool *chosen);

} // namespace masterdata
