#pragma once

#include <QString>
#include <QVector>

#include <memory>

namespace atlas {

struct HandOverList;

// Letters a to z only; every other character stays as it is.
enum class LetterCase { AsStored, Upper, Lower };

// Values no single field holds.
enum class Computed {
    Reference, // head's BelegNr + suffix + the entry's own Pos ("17_vers2")
    YesFlag, // "1" when the field, upper-cased, is "J", else "0"
    GrossMass, // sum of the declaration's gross masses; empty without items
    ItemCount, // number of the declaration's goods items
    CustomerNumber, // the setting Atlas_KundenNr
};

// One element of a hand-over file. Every element is always written, empty
// when it has no value; a list element holds one entry per row of its list.
struct HandOverElement {
    enum class Source { Empty, Field, Constant, Computed, List };

    QString name;
    Source source = Source::Empty;
    QString field; // Field, and the field a computed value reads
    LetterCase letterCase = LetterCase::AsStored;
    int firstChar = 0; // characters m to n of the field, counted from 1; 0: all
    int lastChar = 0;
    QString text; // Constant: the value; Reference: the suffix
    Computed computed = Computed::Reference;
    std::shared_ptr<const HandOverList> list;
};

// Who a list belongs to: its rows are those of the declaration (BelegNr) or
// of one goods item (BelegNr and WarenPos = the item's Pos).
enum class ListOwner { Selection, Declaration, GoodsItem };

// The entries of a list: one element `entry` per row of `table`, read in
// the order BelegNr, Pos.
struct HandOverList {
    QString entry;
    QString table;
    ListOwner owner = ListOwner::Declaration;
    QVector<HandOverElement> elements;
};

// The tree of one kind of hand-over file: below the root the header, read
// from the first selected head, then one entry per selected head.
struct HandOverLayout {
    QString filePrefix; // "expDat_", "expEnt_"
    QString root;
    QVector<HandOverElement> header;
    HandOverList declarations;
};

// Element tables are written with these.
namespace element {
HandOverElement empty(const QString &name);
HandOverElement field(const QString &name, const QString &field, LetterCase letterCase = LetterCase::AsStored);
HandOverElement characters(const QString &name, const QString &field, int first, int last);
HandOverElement constant(const QString &name, const QString &text);
HandOverElement computed(const QString &name, Computed computed, const QString &fieldOrSuffix = {});
HandOverElement reference(const QString &suffix); // refNrVorsystem of a list entry
HandOverElement list(const QString &name, const HandOverList &list);
}

// The three files.
const HandOverLayout &declarationLayout(); // expDat_, one declaration
const HandOverLayout &severalDeclarationsLayout(); // expDat_, chosen by date
const HandOverLayout &supplementaryLayout(); // expEnt_

} // namespace atlas
