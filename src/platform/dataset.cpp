#include "platform/dataset.h"

#include "platform/field.h"
#include "platform/fieldvalue.h"

namespace platform {

DataSet::DataSet(QObject *parent)
    : QObject(parent)
{
}

DataSet::~DataSet() = default;

void DataSet::checkActive() const
{
    if (!isActive())
        throw DatabaseError(QStringLiteral("Operation bei geschlossener Datenmenge nicht möglich."));
}

void DataSet::setFields(const QVector<FieldDef> &fields)
{
    m_fields = fields;
    m_fieldLookup.clear();
    for (int i = 0; i < m_fields.size(); ++i)
        m_fieldLookup.insert(m_fields.at(i).name.toLower(), i);
}

int DataSet::fieldIndex(const QString &name) const
{
    return m_fieldLookup.value(name.toLower(), -1);
}

Field DataSet::fieldByName(const QString &name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(name));
    return Field(this, i);
}

Field DataSet::findField(const QString &name)
{
    const int i = fieldIndex(name);
    return i < 0 ? Field() : Field(this, i);
}

Field DataSet::field(int index)
{
    if (index < 0 || index >= m_fields.size())
        throw DatabaseError(QStringLiteral("Feldindex %1 außerhalb des gültigen Bereichs.").arg(index));
    return Field(this, index);
}

QVariant DataSet::value(int index) const
{
    const QVector<QVariant> &values = isEditing() ? m_editBuffer : m_buffer;
    return index >= 0 && index < values.size() ? values.at(index) : QVariant();
}

QVariant DataSet::value(const QString &name) const
{
    return value(fieldIndex(name));
}

void DataSet::setValue(int index, const QVariant &value)
{
    if (!isEditing())
        throw DatabaseError(QStringLiteral("Die Datenmenge ist nicht im Bearbeitungs- oder Einfügemodus."));
    if (index < 0 || index >= m_fields.size())
        throw DatabaseError(QStringLiteral("Feldindex %1 außerhalb des gültigen Bereichs.").arg(index));
    const QVariant converted = coerceValue(m_fields.at(index), value);
    m_editBuffer[index] = converted;
    m_changed[index] = true;
    m_modified = true;
    if (!controlsDisabled())
        emit fieldChanged(index);
}

void DataSet::setValue(const QString &name, const QVariant &value)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(name));
    setValue(i, value);
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (!controlsDisabled())
        emit stateChanged();
}

void DataSet::notifyRecordChanged()
{
    emit currentRowChanged();
    if (controlsDisabled())
        m_pendingRecordSignal = true;
    else
        emit recordChanged();
}

void DataSet::notifyDataSetChanged()
{
    if (controlsDisabled())
        m_pendingDataSetSignal = true;
    else
        emit dataSetChanged();
}

void DataSet::disableControls()
{
    ++m_disableCount;
}

void DataSet::enableControls()
{
    if (m_disableCount > 0 && --m_disableCount == 0) {
        emit stateChanged();
        if (m_pendingDataSetSignal)
            emit dataSetChanged();
        emit recordChanged();
        m_pendingDataSetSignal = false;
        m_pendingRecordSignal = false;
    }
}

void DataSet::doAfterScroll()
{
    if (afterScroll)
        afterScroll(*this);
}

void DataSet::doBeforeScroll()
{
    if (beforeScroll)
        beforeScroll(*this);
}

void DataSet::open()
{
    if (isActive())
        return;
    openCursor();
    m_state = DataSetState::Browse;
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (fetchEdge(false, &rowId, &values)) {
        loadRow(rowId, values);
        m_position = 0;
        setBofEof(true, false);
    } else {
        clearCurrent();
        setBofEof(true, true);
    }
    if (!controlsDisabled())
        emit stateChanged();
    notifyDataSetChanged();
    notifyRecordChanged();
    if (afterOpen)
        afterOpen(*this);
    doAfterScroll();
}

void DataSet::close()
{
    if (!isActive())
        return;
    if (beforeClose)
        beforeClose(*this);
    closeCursor();
    m_state = DataSetState::Inactive;
    m_buffer.clear();
    m_editBuffer.clear();
    m_rowId = -1;
    m_position = -1;
    m_bof = m_eof = true;
    m_modified = false;
    if (!controlsDisabled())
        emit stateChanged();
    notifyDataSetChanged();
    if (afterClose)
        afterClose(*this);
}

bool DataSet::fetchEdge(bool last, qint64 *rowId, QVector<QVariant> *values)
{
    const int n = rowCount();
    if (n == 0)
        return false;
    const int pos = last ? n - 1 : 0;
    *rowId = rowIdAt(pos);
    *values = fetchRow(pos);
    return true;
}

void DataSet::loadPosition(int position)
{
    m_buffer = fetchRow(position);
    m_rowId = rowIdAt(position);
    m_position = position;
}

void DataSet::loadRow(qint64 rowId, const QVector<QVariant> &values)
{
    m_buffer = values;
    m_rowId = rowId;
    m_position = -1;
}

void DataSet::clearCurrent()
{
    m_buffer = QVector<QVariant>(m_fields.size());
    m_rowId = -1;
    m_position = -1;
}

int DataSet::currentPosition()
{
    if (!isActive() || m_rowId < 0)
        return -1;
    syncView();
    if (m_position < 0)
        m_position = positionOf(m_rowId);
    return m_position;
}

bool DataSet::isEmpty()
{
    checkActive();
    if (m_state == DataSetState::Insert)
        return false;
    syncView();
    if (m_rowId >= 0 && m_position >= 0)
        return false;
    // One row answers the question; the view need not be counted.
    return rowCountUpTo(1) == 0;
}

int DataSet::recordCount()
{
    checkActive();
    syncView();
    return rowCount();
}

int DataSet::countUpTo(int limit)
{
    checkActive();
    syncView();
    if (limit <= 0)
        return 0;
    return std::min(rowCountUpTo(limit), limit);
}

int DataSet::rowCountUpTo(int limit)
{
    return std::min(rowCount(), limit);
}

DataSet::RowsAround DataSet::rowsAround(int reach)
{
    checkActive();
    syncView();
    RowsAround around;
    if (m_rowId < 0 || m_state == DataSetState::Insert)
        return around;
    // Steps from the current record one row at a time; true when the view
    // ended before reach rows.
    auto walk = [&](int direction, QVector<qint64> &ids, QVector<QVector<QVariant>> &rows) {
        qint64 rowId = m_rowId;
        QVector<QVariant> values = m_buffer;
        int position = m_position;
        for (int i = 0; i < reach; ++i) {
            qint64 nextRowId = -1;
            QVector<QVariant> nextValues;
            int nextPosition = -1;
            if (stepFrom(rowId, values, position, direction, &nextRowId, &nextValues, &nextPosition) == 0
                || nextRowId < 0)
                return true;
            ids.append(nextRowId);
            rows.append(nextValues);
            rowId = nextRowId;
            values = std::move(nextValues);
            position = nextPosition;
        }
        return false;
    };
    QVector<qint64> beforeIds;
    QVector<QVector<QVariant>> beforeRows;
    around.atFirst = walk(-1, beforeIds, beforeRows);
    for (qsizetype i = beforeIds.size() - 1; i >= 0; --i) {
        around.rowIds.append(beforeIds.at(i));
        around.values.append(beforeRows.at(i));
    }
    around.current = int(around.rowIds.size());
    around.rowIds.append(m_rowId);
    around.values.append(m_buffer);
    around.atLast = walk(1, around.rowIds, around.values);
    return around;
}

int DataSet::recNo()
{
    if (!isActive() || m_state == DataSetState::Insert)
        return 0;
    return currentPosition() + 1;
}

void DataSet::setRecNo(int recNo)
{
    checkActive();
    checkBrowseMode();
    syncView();
    const int n = rowCount();
    if (n == 0)
        return;
    const int pos = std::clamp(recNo - 1, 0, n - 1);
    doBeforeScroll();
    loadPosition(pos);
    setBofEof(false, false);
    notifyRecordChanged();
    doAfterScroll();
}

void DataSet::first()
{
    checkActive();
    checkBrowseMode();
    syncView();
    doBeforeScroll();
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (fetchEdge(false, &rowId, &values)) {
        loadRow(rowId, values);
        m_position = 0;
        setBofEof(true, false);
    } else {
        clearCurrent();
        setBofEof(true, true);
    }
    notifyRecordChanged();
    doAfterScroll();
}

void DataSet::last()
{
    checkActive();
    checkBrowseMode();
    syncView();
    doBeforeScroll();
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (fetchEdge(true, &rowId, &values)) {
        loadRow(rowId, values);
        setBofEof(false, true);
    } else {
        clearCurrent();
        setBofEof(true, true);
    }
    notifyRecordChanged();
    doAfterScroll();
}

void DataSet::next()
{
    moveBy(1);
}

void DataSet::prior()
{
    moveBy(-1);
}

int DataSet::moveBy(int distance)
{
    checkActive();
    checkBrowseMode();
    doBeforeScroll();
    int moved = 0;
    if ((distance > 0 && !m_eof) || (distance < 0 && !m_bof)) {
        syncView();
        qint64 rowId = -1;
        QVector<QVariant> values;
        int position = -1;
        moved = stepFrom(m_rowId, m_buffer, m_position, distance, &rowId, &values, &position);
        if (rowId < 0) {
            clearCurrent();
            setBofEof(true, true);
        } else {
            m_buffer = std::move(values);
            m_rowId = rowId;
            m_position = position;
            setBofEof(distance < 0 && moved != distance, distance > 0 && moved != distance);
        }
        if (moved != 0)
            notifyRecordChanged();
    }
    doAfterScroll();
    return moved;
}

int DataSet::stepFrom(qint64 rowId, const QVector<QVariant> &values, int position, int distance,
                      qint64 *targetRowId, QVector<QVariant> *targetValues, int *targetPosition)
{
    const int n = rowCount();
    if (n == 0) {
        *targetRowId = -1;
        *targetValues = values;
        *targetPosition = -1;
        return 0;
    }
    int pos = rowId >= 0 ? positionOf(rowId) : -1;
    int from = pos;
    if (pos < 0) {
        if (rowId >= 0 && position >= 0) {
            // The row has gone: its followers moved up into its place.
            from = distance > 0 ? position - 1 : position;
        } else {
            from = distance > 0 ? -1 : n;  // from the edge
        }
    }
    const int target = std::clamp(from + distance, 0, n - 1);
    if (pos >= 0 && target == pos) {
        *targetRowId = rowId;
        *targetValues = values;
        *targetPosition = pos;
        return 0;
    }
    *targetRowId = rowIdAt(target);
    *targetValues = fetchRow(target);
    *targetPosition = target;
    return target - from;
}

bool DataSet::readInView(qint64 rowId, QVector<QVariant> *values)
{
    const int pos = positionOf(rowId);
    if (pos < 0)
        return false;
    *values = fetchRow(pos);
    return true;
}

void DataSet::refresh()
{
    checkActive();
    checkBrowseMode();
    const qint64 rowId = m_rowId;
    closeCursor();
    openCursor();
    m_position = -1;
    QVector<QVariant> values;
    if (rowId >= 0 && readInView(rowId, &values)) {
        loadRow(rowId, values);
    } else {
        qint64 first = -1;
        if (fetchEdge(false, &first, &values)) {
            loadRow(first, values);
            m_position = 0;
        } else {
            clearCurrent();
        }
    }
    setBofEof(m_rowId < 0, m_rowId < 0);
    notifyDataSetChanged();
    notifyRecordChanged();
}

Bookmark DataSet::bookmark() const
{
    if (m_state == DataSetState::Insert || m_rowId < 0)
        return Bookmark{};
    return Bookmark{m_rowId, orderKeyOf(m_buffer)};
}

bool DataSet::bookmarkValid(const Bookmark &bookmark)
{
    if (!isActive() || !bookmark.isValid())
        return false;
    syncView();
    QVector<QVariant> values;
    return readInView(bookmark.rowId, &values);
}

bool DataSet::gotoBookmark(const Bookmark &bookmark)
{
    checkActive();
    checkBrowseMode();
    syncView();
    if (!bookmark.isValid())
        return false;
    QVector<QVariant> values;
    if (!readInView(bookmark.rowId, &values))
        return false;
    doBeforeScroll();
    loadRow(bookmark.rowId, values);
    setBofEof(false, false);
    notifyRecordChanged();
    doAfterScroll();
    return true;
}

QVector<QVariant> DataSet::rowAt(int position)
{
    checkActive();
    syncView();
    if (position < 0 || position >= rowCount())
        return QVector<QVariant>(m_fields.size());
    return fetchRow(position);
}

void DataSet::updateRecord()
{
    if (isEditing())
        emit updatingRecord();
}

void DataSet::checkBrowseMode()
{
    checkActive();
    if (isEditing()) {
        updateRecord();
        if (m_modified)
            post();
        else
            cancel();
    }
}

void DataSet::initNewRecord(QVector<QVariant> &)
{
}

qint64 DataSet::writeRecord(bool, qint64, QVector<QVariant> &, const QVector<bool> &)
{
    throw DatabaseError(QStringLiteral("Die Datenmenge kann nicht geändert werden."));
}

void DataSet::removeRecord(qint64)
{
    throw DatabaseError(QStringLiteral("Die Datenmenge kann nicht geändert werden."));
}

void DataSet::startInsert()
{
    checkActive();
    if (!canModify())
        throw DatabaseError(QStringLiteral("Die Datenmenge kann nicht geändert werden."));
    checkBrowseMode();
    if (beforeInsert)
        beforeInsert(*this);
    m_savedRowId = m_rowId;
    m_editBuffer = QVector<QVariant>(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).defaultValue.isValid())
            m_editBuffer[i] = coerceValue(m_fields.at(i), m_fields.at(i).defaultValue);
    }
    m_changed = QVector<bool>(m_fields.size(), false);
    initNewRecord(m_editBuffer);
    for (int i = 0; i < m_fields.size(); ++i)
        m_changed[i] = !m_editBuffer.at(i).isNull();
    m_modified = false;
    setState(DataSetState::Insert);
    if (onNewRecord) {
        onNewRecord(*this);
    }
    m_modified = false;
    notifyRecordChanged();
    if (afterInsert)
        afterInsert(*this);
}

void DataSet::append()
{
    startInsert();
}

void DataSet::insert()
{
    startInsert();
}

void DataSet::edit()
{
    checkActive();
    if (isEditing())
        return;
    syncView();
    if (m_rowId < 0) {
        if (rowCount() == 0) {
            insert();
            return;
        }
        throw DatabaseError(QStringLiteral("Kein aktueller Datensatz."));
    }
    if (!canModify())
        throw DatabaseError(QStringLiteral("Die Datenmenge kann nicht geändert werden."));
    if (beforeEdit)
        beforeEdit(*this);
    bool found = false;
    QVector<QVariant> fresh = rereadRow(m_rowId, &found);
    if (!found || !isSameRecord(m_buffer, fresh))
        throw DatabaseError(QStringLiteral("Der Datensatz wurde von einem anderen Benutzer gelöscht."));
    m_buffer = fresh;
    m_editBuffer = fresh;
    m_changed = QVector<bool>(m_fields.size(), false);
    m_modified = false;
    setState(DataSetState::Edit);
    notifyRecordChanged();
    if (afterEdit)
        afterEdit(*this);
}

void DataSet::post()
{
    checkActive();
    if (!isEditing())
        return;
    updateRecord();
    if (beforePost)
        beforePost(*this);
    const bool inserting = m_state == DataSetState::Insert;
    qint64 rowId = -1;
    for (;;) {
        try {
            rowId = writeRecord(inserting, m_rowId, m_editBuffer, m_changed);
            break;
        } catch (const RecordChangedError &error) {
            // Someone else saved this record meanwhile: show what is stored
            // now and stay in edit state, nothing of theirs is overwritten.
            m_buffer = error.stored();
            m_editBuffer = error.stored();
            m_changed = QVector<bool>(m_fields.size(), false);
            m_modified = false;
            notifyRecordChanged();
            const DataAction action = onPostError ? onPostError(*this, error) : DataAction::Fail;
            if (action == DataAction::Fail)
                throw;
            if (action == DataAction::Abort)
                throw AbortException();
        } catch (const DatabaseError &error) {
            const DataAction action = onPostError ? onPostError(*this, error) : DataAction::Fail;
            if (action == DataAction::Fail)
                throw;
            if (action == DataAction::Abort)
                throw AbortException();
        }
    }
    const int oldPosition = inserting ? -1 : m_position;
    const QVector<bool> changed = m_changed;
    m_buffer = m_editBuffer;
    m_editBuffer.clear();
    m_rowId = rowId;
    m_modified = false;
    m_state = DataSetState::Browse;
    m_position = rowWritten(inserting, rowId, oldPosition, changed, m_buffer);
    setBofEof(false, false);
    if (!controlsDisabled())
        emit stateChanged();
    if (inserting)
        notifyDataSetChanged();
    notifyRecordChanged();
    if (afterPost)
        afterPost(*this);
}

void DataSet::doCancel()
{
    const bool inserting = m_state == DataSetState::Insert;
    m_editBuffer.clear();
    m_modified = false;
    m_state = DataSetState::Browse;
    if (inserting) {
        bool found = false;
        QVector<QVariant> values;
        if (m_savedRowId >= 0)
            values = rereadRow(m_savedRowId, &found);
        if (found) {
            loadRow(m_savedRowId, values);
        } else {
            qint64 first = -1;
            if (fetchEdge(false, &first, &values)) {
                loadRow(first, values);
                m_position = 0;
            } else {
                clearCurrent();
                setBofEof(true, true);
            }
        }
    }
}

void DataSet::cancel()
{
    checkActive();
    if (!isEditing())
        return;
    if (beforeCancel)
        beforeCancel(*this);
    doCancel();
    if (!controlsDisabled())
        emit stateChanged();
    notifyRecordChanged();
    if (afterCancel)
        afterCancel(*this);
}

void DataSet::deleteRecord()
{
    checkActive();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_state == DataSetState::Edit)
        cancel();
    syncView();
    if (m_rowId < 0)
        throw DatabaseError(QStringLiteral("Löschen nicht möglich: die Datenmenge ist leer."));
    if (!canModify())
        throw DatabaseError(QStringLiteral("Die Datenmenge kann nicht geändert werden."));
    if (beforeDelete)
        beforeDelete(*this);
    const qint64 rowId = m_rowId;
    const QVector<QVariant> removed = m_buffer;
    const int pos = m_position;
    for (;;) {
        try {
            removeRecord(rowId);
            break;
        } catch (const DatabaseError &error) {
            const DataAction action = onDeleteError ? onDeleteError(*this, error) : DataAction::Fail;
            if (action == DataAction::Fail)
                throw;
            if (action == DataAction::Abort)
                throw AbortException();
        }
    }
    rowRemoved(rowId, pos);
    // The record after the deleted one becomes current, at the end the one
    // before it.
    qint64 next = -1;
    QVector<QVariant> values;
    int position = -1;
    if (stepFrom(rowId, removed, pos, 1, &next, &values, &position) == 1 && next != rowId) {
        m_buffer = std::move(values);
        m_rowId = next;
        m_position = position;
        setBofEof(false, false);
    } else if (stepFrom(rowId, removed, pos, -1, &next, &values, &position) == -1 && next != rowId) {
        m_buffer = std::move(values);
        m_rowId = next;
        m_position = position;
        setBofEof(false, true);
    } else {
        clearCurrent();
        setBofEof(true, true);
    }
    notifyDataSetChanged();
    notifyRecordChanged();
    if (afterDelete)
        afterDelete(*this);
}

} // namespace platform
