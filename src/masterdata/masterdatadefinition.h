#pragma once

#include "masterdata/listprint.h"
#include "platform/datasetmodel.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace masterdata {

class MasterDataWindow;

// The kinds of control an edit field of a master-data window can be.
enum class ControlKind {
    Edit, // one-line edit bound to the field
    Memo, // multi-line edit bound to the field
    CheckBox, // Boolean field
    Lookup, // drop-down of another table's records, storing its key
    PlainEdit, // not bound to the table (a value for callers)
    Choice, // drop-down of fixed texts, storing each text's code
};

// What Enter does in an edit field.
enum class EnterKey { NextControl, Nothing };

// What Enter does in the grid.
enum class GridEnter {
    Take, // "Übernehmen" while the pick buttons are shown
    TakeOnKeyUp, // the same, when Enter is released
    FocusFirst, // the focus goes to the first edit field
    EditRecord, // as the edit button
    Nothing,
};

// The list of a drop-down field: another master table in database d_ezudod.
struct LookupList {
    QString table {};
    QString keyField {}; // stored in the field
    QString displayField {}; // shown in the list
    QString order {}; // field list; empty: the key
    // Opening the list or typing a letter orders the list by this index (a
    // letter also moves it to the first name at or after it); leaving the
    // field orders it by the order above again.
    QString nameIndex {};
};

struct EditField {
    QString objectName {}; // "DBEdit1"
    QString field {}; // empty for a plain edit
    QString label {};
    ControlKind kind = ControlKind::Edit;
    EnterKey enter = EnterKey::NextControl;
    LookupList lookup {};
    QString labelName {}; // object name of the label, where callers address it
    bool frameless = false;
    QString initialText {}; // plain edits
    // A pick button beside the field; F9 in the field acts as it.
    std::function<void(MasterDataWindow &)> pick {};
    QString pickButtonName {};
    // Choice: the texts offered and the code each stores (the text itself
    // where no code is given).
    QStringList choices {};
    QStringList choiceCodes {};
};

// A framed group of edit fields, one field a row.
struct EditGroup {
    QString title {};
    QVector<EditField> fields {};
};

// One radio item of the search dialog: a prefix search on the field (or an
// exact match), the entry cut to maxLength characters where given.
struct SearchKey {
    QString caption {};
    QString field {};
    int maxLength = 0;
    bool exact = false;
};

// "Sortieren nach:": the two orders, the INI key they are kept under and
// whether a change is stored.
struct SortChoice {
    QStringList items {};
    QStringList orders {};
    QString iniKey {};
    bool storeChoice = false;
};

// Everything one master-data window declares; the behaviour they share is
// MasterDataWindow's.
struct MasterDataDefinition {
    QString className {}; // "TfrmZoll"
    QString caption {};
    QString table {};
    QString order {}; // display order on opening (field list; empty: the key)
    QVector<platform::DataSetColumn> columns {};
    QVector<EditGroup> groups {};
    // Two pages: the grid on the first, the edit fields on the second.
    QStringList pages {};

    // Record buttons: seven buttons with hints (first, previous, next, last,
    // add, delete, edit), or the navigator.
    bool navigator = false;
    QStringList buttonHints {};
    QStringList buttonNames {};
    bool enableButtonsByPosition = true;
    // The field that takes the focus after add and edit.
    QString focusField {};
    // Text fields a record needs although the table has no key on them (the
    // goods number): refused when empty, like an empty text key.
    QStringList requiredFields {};
    // Number proposal on add: the highest number + 1.
    QString numberField {};
    // Add done the window's own way instead (the focus then goes to the
    // key field as usual).
    std::function<void(MasterDataWindow &)> addRecord {};

    // Pick buttons, hidden unless the window is opened in pick mode.
    QString takeCaption = QStringLiteral("Übernehmen");
    QString takeName = QStringLiteral("BitBtn1");
    QString cancelCaption = QStringLiteral("Abbruch");
    QString cancelName = QStringLiteral("bbtAbbruch");
    QString pickPanelName = QStringLiteral("Panel1");
    GridEnter gridEnter = GridEnter::Take;
    bool doubleClickTakes = true;

    // Menu
    bool hasPrint = true;
    bool hasSearch = true;
    QString searchCaption = QStringLiteral("&Suche");
    // "Daten-&Import", where the window has one.
    std::function<void(MasterDataWindow &)> dataImport {};
    QString closeCaption = QStringLiteral("Sc&hließen");

    // Search: the keys, the key order the found record is found in again
    // and the order the window shows afterwards.
    QVector<SearchKey> searchKeys {};
    QString searchKeyOrder {};
    QString orderAfterSearch {};

    SortChoice sort {};

    // Closing posts the table and then closes it (windows without pick use).
    bool closeTableOnClose = false;
    // Background and fonts of the main window, raised-button look.
    bool displaySettings = true;
    // Labels in the document-form font instead of the master-data font.
    bool labelsInFormFont = false;
    // A failed post shows the failed-save message and keeps the record
    // (otherwise the database error goes to the error dialog).
    bool failedSaveMessage = true;
    // Rows whose Boolean field is true are written in red, others in blue.
    QString redRowField {};

    // The list print of "&Drucken".
    std::function<ListLayout()> listLayout {};
    // Window-specific touches after the window is built.
    std::function<void(MasterDataWindow &)> setup {};
};

} // namespace masterdata
