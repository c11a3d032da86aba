#pragma once

#include "platform/databaseerror.h"
#include "platform/fieldtype.h"

#include <QHash>
#include <QObject>
#include <QVariant>
#include <QVector>

#include <functional>

namespace platform {

class Field;

enum class DataSetState { Inactive, Browse, Edit, Insert };

// What a post-error handler wants done with the failed operation.
enum class DataAction {
    Fail,   // the error goes on to the caller
    Abort,  // the handler has told the user; abandon silently (AbortException)
    Retry,  // try the operation again
};

// A record to come back to: its row id, and the values of the order's
// fields as they were when the bookmark was taken.
struct Bookmark {
    qint64 rowId = -1;
    QVariantList key;
    bool isValid() const { return rowId >= 0; }
    bool operator==(const Bookmark &other) const = default;
};

// A current record over an ordered set of rows, with the navigation, edit
// states and events the windows of the program rely on. Table and Query
// provide the rows.
class DataSet : public QObject
{
    Q_OBJECT
public:
    explicit DataSet(QObject *parent = nullptr);
    ~DataSet() override;

    // Opening and closing
    void open();
    void close();
    bool isActive() const { return m_state != DataSetState::Inactive; }
    void setActive(bool active) { active ? open() : close(); }
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }
    bool isBrowsing() const { return m_state == DataSetState::Browse; }

    // Navigation. A move while editing posts a modified record first.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // the distance actually moved
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty();
    int recordCount();
    // The number of records, but at most limit, reading no more than limit
    // of them: countUpTo(2) > 1 asks "more than one record?" at the same
    // cost over any number of records.
    int countUpTo(int limit);
    int recNo();  // 1-based position of the current record, 0 when there is none
    void setRecNo(int recNo);
    // Re-reads the rows, staying on the current record where it still exists.
    void refresh();

    // Fields
    int fieldCount() const { return m_fields.size(); }
    const QVector<FieldDef> &fieldDefs() const { return m_fields; }
    const FieldDef &fieldDef(int index) const { return m_fields.at(index); }
    int fieldIndex(const QString &name) const;  // -1 when absent
    Field fieldByName(const QString &name);      // throws DatabaseError when absent
    Field findField(const QString &name);        // an invalid Field when absent
    Field field(int index);
    QVariant value(int index) const;
    QVariant value(const QString &name) const;
    // Sets a field of the record being edited, converted to the field's type
    // (text cut to the field's size). Throws when not editing.
    void setValue(int index, const QVariant &value);
    void setValue(const QString &name, const QVariant &value);
    bool isModified() const { return m_modified; }

    // Editing
    virtual bool canModify() const { return true; }
    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    // Posts a modified record, cancels an unmodified one.
    void checkBrowseMode();
    // Asks the bound controls to write what they hold into the record being
    // edited (post and checkBrowseMode do so first).
    void updateRecord();

    // Bookmarks
    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark &bookmark);
    bool bookmarkValid(const Bookmark &bookmark);

    // Values of the row at a 0-based position without moving (grids read this).
    QVector<QVariant> rowAt(int position);
    int currentPosition();  // 0-based, -1 when there is no current record

    // The current record with up to reach rows on each side of it, in the
    // order, read without moving and without knowing their positions.
    struct RowsAround {
        QVector<qint64> rowIds;
        QVector<QVector<QVariant>> values;
        int current = -1;      // index of the current record; -1: none (or being added)
        bool atFirst = false;  // the first row is the first of the view
        bool atLast = false;   // the last row is the last of the view
    };
    RowsAround rowsAround(int reach);
    // The row id of the current record, -1 when there is none.
    qint64 currentRowId() const { return m_rowId; }

    // Signals to controls are held back while disabled (nested).
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    // Events, one handler each, in the order the program's windows expect.
    std::function<void(DataSet &)> afterOpen;
    std::function<void(DataSet &)> beforeClose;
    std::function<void(DataSet &)> afterClose;
    std::function<void(DataSet &)> beforeScroll;
    std::function<void(DataSet &)> afterScroll;
    std::function<void(DataSet &)> beforeInsert;
    std::function<void(DataSet &)> onNewRecord;
    std::function<void(DataSet &)> afterInsert;
    std::function<void(DataSet &)> beforeEdit;
    std::function<void(DataSet &)> afterEdit;
    std::function<void(DataSet &)> beforePost;
    std::function<void(DataSet &)> afterPost;
    std::function<void(DataSet &)> beforeCancel;
    std::function<void(DataSet &)> afterCancel;
    std::function<void(DataSet &)> beforeDelete;
    std::function<void(DataSet &)> afterDelete;
    std::function<DataAction(DataSet &, const DatabaseError &)> onPostError;
    std::function<DataAction(DataSet &, const DatabaseError &)> onDeleteError;

signals:
    void stateChanged();
    void recordChanged();          // the current record moved or was re-read
    void fieldChanged(int index);  // a field of the edited record changed
    void dataSetChanged();         // rows were added, removed or reordered
    // Always sent, also while controls are disabled: detail tables follow it.
    void currentRowChanged();
    // Sent by updateRecord while editing: controls write pending input now.
    void updatingRecord();

protected:
    // Row source of the subclass.
    virtual void openCursor() = 0;  // fills the fields
    virtual void closeCursor() = 0;
    virtual int rowCount() = 0;
    // At most limit; the default counts every row.
    virtual int rowCountUpTo(int limit);
    virtual qint64 rowIdAt(int position) = 0;
    virtual int positionOf(qint64 rowId) = 0;  // -1 when not in view
    virtual QVector<QVariant> fetchRow(int position) = 0;
    virtual QVector<QVariant> rereadRow(qint64 rowId, bool *found) = 0;
    // The first or last row without knowing all positions; false when empty.
    virtual bool fetchEdge(bool last, qint64 *rowId, QVector<QVariant> *values);
    // Moves from a row (its id, its values as read and its 0-based position,
    // -1 when not known; the row may have gone meanwhile) up to distance rows
    // along the order. Returns the distance moved and the row reached, which
    // is the row itself when nothing lies in that direction. From no row
    // (rowId < 0) a forward move starts before the first row, a backward one
    // after the last. The default works on positions.
    virtual int stepFrom(qint64 rowId, const QVector<QVariant> &values, int position, int distance,
                         qint64 *targetRowId, QVector<QVariant> *targetValues, int *targetPosition);
    // The row when it is in the current view.
    virtual bool readInView(qint64 rowId, QVector<QVariant> *values);
    // The values of the order's fields of a row (for bookmarks).
    virtual QVariantList orderKeyOf(const QVector<QVariant> &values) const { return {}; }
    // Picks up changes made elsewhere before a navigation.
    virtual void syncView() {}
    // Editing backend; the defaults refuse.
    virtual void initNewRecord(QVector<QVariant> &values);
    // Writes the record and returns its row id; may fill values the
    // database assigns.
    virtual qint64 writeRecord(bool inserting, qint64 rowId, QVector<QVariant> &values,
                               const QVector<bool> &changed);
    virtual void removeRecord(qint64 rowId);
    // After a write or delete of the subclass' own.
    // Returns the row's position when it is still known, else -1.
    virtual int rowWritten(bool inserting, qint64 rowId, int oldPosition, const QVector<bool> &changed,
                           const QVector<QVariant> &values) { return -1; }
    virtual void rowRemoved(qint64 rowId, int position) {}
    // Whether a row read again under the same row id is still the record
    // known before (its key unchanged); a row id taken over by another
    // record is not.
    virtual bool isSameRecord(const QVector<QVariant> &known, const QVector<QVariant> &fresh) const { return true; }
    // The current record as read: while editing, as it was when editing began.
    const QVector<QVariant> &valuesAsRead() const { return m_buffer; }

    void setFields(const QVector<FieldDef> &fields);
    // Makes the row at the position current (without events).
    void loadPosition(int position);
    // Makes a row current whose position is not known yet.
    void loadRow(qint64 rowId, const QVector<QVariant> &values);
    void clearCurrent();
    void setBofEof(bool bof, bool eof) { m_bof = bof; m_eof = eof; }
    void notifyRecordChanged();
    void notifyDataSetChanged();
    void doAfterScroll();
    void doBeforeScroll();
    void checkActive() const;
    void forgetPosition() { m_position = -1; }

private:
    void setState(DataSetState state);
    void startInsert();
    void doCancel();

    QVector<FieldDef> m_fields;
    QHash<QString, int> m_fieldLookup;
    DataSetState m_state = DataSetState::Inactive;
    QVector<QVariant> m_buffer;        // the current record
    QVector<QVariant> m_editBuffer;    // the record being edited
    QVector<bool> m_changed;
    bool m_modified = false;
    qint64 m_rowId = -1;
    int m_position = -1;               // -1: none or not known yet
    bool m_bof = true;
    bool m_eof = true;
    qint64 m_savedRowId = -1;          // current row before an insert
    int m_disableCount = 0;
    bool m_pendingRecordSignal = false;
    bool m_pendingDataSetSignal = false;
};

} // namespace platform
