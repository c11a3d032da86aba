#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatadefinition.h"

#include <QVector>

namespace masterdata {

// The nine code tables and their lists, one family: the window class,
// its declaration and its list.
struct CodeTable {
    QString className; // "TfrmZoll"
    MasterDataDefinition (*definition)();
    ListLayout (*listLayout)();
};

const QVector<CodeTable> &codeTables();

MasterDataDefinition originClauseDefinition(); // TfrmUrzeug
MasterDataDefinition transportModeDefinition(); // TfrmVerkehrszweig
MasterDataDefinition deliveryTermDefinition(); // TfrmLieferbedingungen
MasterDataDefinition declarationProcedureDefinition(); // TfrmVerfan
MasterDataDefinition box37ProcedureDefinition(); // TfrmVerf
MasterDataDefinition businessTypeDefinition(); // TfrmGeschft
MasterDataDefinition portDefinition(); // TfrmHafen
MasterDataDefinition customsOfficeDefinition(); // TfrmZoll
MasterDataDefinition federalStateDefinition(); // TfrmBundeslnder

ListLayout originClauseListLayout();
ListLayout transportModeListLayout();
ListLayout deliveryTermListLayout();
ListLayout declarationProcedureListLayout();
ListLayout box37ProcedureListLayout();
ListLayout businessTypeListLayout();
ListLayout portListLayout();
ListLayout customsOfficeListLayout();
ListLayout federalStateListLayout();

} // namespace masterdata
