#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>

class QWidget;

namespace platform {
class Table;
}

namespace sad {

// The document generator: makes a document of another kind from a source
// document (the export declaration's "&Wechseln"; the order, the central
// capture and the ATLAS copy are further sources). A target is data: the
// kind it makes, what an overwrite deletes, the field map and how many goods
// items the target's form takes. The target's register is created unshown
// through its kind key (shell::createDocumentRegister); the new document
// gets the source's number, is written in one transaction and opens in the
// target's entry window.

// One stored record of the source, its values by field name (any case).
class SourceRecord
{
public:
    void set(const QString &field, const QVariant &value) { m_values.insert(field.toLower(), value); }
    QVariant value(const QString &field) const { return m_values.value(field.toLower()); }
    QString text(const QString &field) const;

private:
    QHash<QString, QVariant> m_values;
};

struct SourceDocument {
    int number = 0;
    SourceRecord head;
    QVector<SourceRecord> items; // in item order
};

// The head on which the table stands and its goods items (a second view
// of the items table, in key order), read as stored.
SourceDocument readSourceDocument(platform::Table &head, platform::Table &items);

// A goods item's box 31 line 1 ("12 Karton") as the package count and the
// package kind: split at its first blank; an empty line counts as "0 ".
struct Packages {
    QString count;
    QString kind;
};
Packages splitPackages(const QString &line);

// The value a target field takes: a text, a number or a date. Written
// into the target as its field needs it: texts cut to the field's width,
// dates into text fields as "DD.MM.YYYY", texts into number fields read in
// the program's format ("12,5", "1.234,50"; whole-number fields rounded,
// an empty text leaves the field empty).
using SourceValue = std::function<QVariant(const SourceDocument &, int item)>;

struct FieldValue {
    QString target; // "we3_1"; in a head line of an item "%1" stands for the line
    SourceValue value;
};

// A number of the source as the program writes it ("12,5", "1.234,50");
// an empty text is 0. A text that is no number stops the generation with
// a message naming it.
double sourceNumber(const QString &text);

// The source's head field, or the current item's field.
SourceValue headField(const QString &field);
SourceValue itemField(const QString &field);

// Where the goods items go.
enum class ItemPlace {
    None,
    HeadLines, // lines of the head: item n into line n + firstLine - 1
    Items, // an item of the target's items table each, numbered 1, 2, 3 ...
};

struct GeneratorTarget {
    QString kindKey; // the target's kind key: "EUR1", "T1_T2"
    QString title; // "EUR. 1": the menu's item
    bool deletesItems = false; // overwriting deletes the target's items before its head
    QVector<FieldValue> head;
    ItemPlace itemPlace = ItemPlace::None;
    int firstLine = 1;
    int itemLimit = 0; // items the form takes; 0: all
    QVector<FieldValue> itemFields;
    // Written after the items into the head (the shipping order's sums).
    QVector<FieldValue> totals;
};

// The answer to an existing number.
enum class ExistingDocument { New, Overwrite, Keep };

// Makes the target from the source: asks "Sie haben diese Belegnummer
// bereits vergeben!\rÜberschreiben?" when the target has the number (No
// opens the existing document unchanged), writes the document in one
// transaction (a failure rolls everything back, the old document included,
// and is reported once), tells how many items the form could not take, and
// opens the document in the target's entry window. False when nothing was
// written (kept, failed or no register for the kind).
bool generateDocument(const GeneratorTarget &target, const SourceDocument &source, QWidget *parent = nullptr);

// Whether the kind of the target has a register to make documents in.
bool targetAvailable(const GeneratorTarget &target);

} // namespace sad
