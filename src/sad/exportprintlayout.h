#pragma once

#include "shell/printlayout.h"

#include <QBitArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {
class DataSet;
}

namespace sad {

// The data of the export declaration on its sheets, in 0.1 mm from the
// sheet's left and top edges; the print font at height 40 unless an item
// says otherwise.

// When a group of the first sheet prints, besides the pre-stamp rule.
enum class GroupCondition {
    Always,
    SeveralItems, // the declaration has more than one item
    GreyMarks, // blank paper: the grey marks of empty parts
    ItemRet, // the item's Ret is "True"
    HeadStatement, // the head's F44_11 is "j"
    HeadNoStatement, // the head's F44_11 is not "j"
    HeadMark, // the head's f44_10 is "j"
    EmergencyProcedure, // the ECS/AES block: NV_AM and NV_TicketNr filled
};

// A group of the first sheet's data under its pre-stamp entry (-1: printed in
// every case), its fields read from the head or from the first item.
struct FirstSheetGroup {
    int entry = -1;
    bool fromItem = false;
    GroupCondition when = GroupCondition::Always;
    QVector<shell::PrintItem> items;
};

// The first sheet's data in printing order.
const QVector<FirstSheetGroup> &exportFirstSheetGroups();

// The pre-stamp rule: whether the group of an entry prints. The template
// prints only listed entries, a pre-stamped set only unlisted ones, an
// ordinary print everything.
bool preStampPrints(int entry, bool isTemplate, bool preStamp, const QBitArray &listed);

// The continuation sheet's item block names, besides the item's fields,
// what the print puts there: the grey mark, "RET-EXP - 30400" and the five
// lines of box 44 ("Zeile44_1" .. "Zeile44_5").
inline const QString GreyMarkField = QStringLiteral("<grau>");
inline const QString RetMarkField = QStringLiteral("<ret>");
inline const QString ContinuationRetMark = QStringLiteral("RET-EXP - 30400");

// The continuation sheet: its head (the form number in the field
// "Nummer", the page in "Seite") and the items' block of the first item of
// the sheet; the second and third items print ContinuationItemSpacing lower.
constexpr int ContinuationItemSpacing = 590;
const QVector<shell::PrintItem> &exportContinuationHead();
const QVector<shell::PrintItem> &exportContinuationItem();

// The five lines of an item's box 44 from its declarations F44_10 and F44_11
// (ticked "i") and its fields f44_1 .. f44_5.
QStringList box44Lines(const QString &f44_10, const QString &f44_11, const QStringList &fields);

// The statement texts of box 44.
inline const QString NuclearStatement1 = QStringLiteral("Ich habe keine Kenntnis einer kerntechnischen");
inline const QString NuclearStatement2 = QStringLiteral("Verwendung im Sinne vom §5d AWV.");
inline const QString ArmsStatement1 = QStringLiteral("Ich habe keine Kenntnis über eine rüstungs-");
inline const QString ArmsStatement2 = QStringLiteral("technische Verwendung im Sinne von §5c AWV.");

// The ECS/AES block of the emergency procedure at the foot of the first
// sheet; the dot leaders are measured on the painter's canvas.
void drawEmergencyProcedureBlock(shell::LayoutPainter &painter, const QString &startedAt, const QString &ticket);
// The dots that make a label (with its trailing blank) and the dots at least
// width wide in the canvas's current font; empty when the label reaches it.
QString dotLeader(const shell::LayoutPainter &painter, const QString &label, int width = 590);

} // namespace sad
