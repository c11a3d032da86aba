#include "masterdata/masterdatawindow.h"

#include "masterdata/redrowmodel.h"

#include "platform/databaseerror.h"
#include "platform/datacheckbox.h"
#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/datalookupcombobox.h"
#include "platform/datamemo.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/buttonlook.h"
#include "shell/failedsave.h"
#include "shell/mainstate.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/tmynav.h"
#include "shell/twheeldbgrid.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace masterdata {

namespace {

// A drop-down whose list is shown by name when it opens (its table is
// ordered by key again when the field is left).
class NameOrderedLookup : public platform::DataLookupComboBox
{
public:
    NameOrderedLookup(const QString &nameIndex, QWidget *parent)
        : platform::DataLookupComboBox(parent)
        , m_nameIndex(nameIndex)
    {
    }

    void showPopup() override
    {
        auto *list = qobject_cast<platform::Table *>(listSource());
        if (list && list->isActive() && !m_nameIndex.isEmpty())
            list->setIndexName(m_nameIndex);
        platform::DataLookupComboBox::showPopup();
    }

private:
    QString m_nameIndex;
};

const char *const RecordGlyphs[] = { "|◀", "◀", "▶", "▶|", "+", "−", "▲" };

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

MasterDataWindow::MasterDataWindow(const MasterDataDefinition &definition, QWidget *parent)
    : QDialog(parent)
    , m_definition(definition)
{
    const QString &className = m_definition.className;
    setObjectName(className.startsWith(QLatin1Char('T')) ? className.mid(1) : className);
    setWindowTitle(m_definition.caption);
    setSizeGripEnabled(true);

    m_table = new platform::Table(platform::Alias::Data, m_definition.table, this);
    m_table->setObjectName(QStringLiteral("Table1"));
    m_table->setFilterCaseInsensitive(true);
    if (m_definition.failedSaveMessage)
        shell::watchFailedSaves(*m_table);
    if (!m_definition.order.isEmpty())
        m_table->setIndexFieldNames(m_definition.order);

    if (m_definition.redRowField.isEmpty())
        m_model = new platform::DataSetModel(m_table, m_definition.columns, this);
    else
        m_model = new RedRowModel(m_table, m_definition.columns, m_definition.redRowField, this);
    m_grid = new shell::TWheelDBGrid(this);
    m_grid->setObjectName(QStringLiteral("dbgrBenutzer"));
    m_grid->setModel(m_model);
    m_grid->installEventFilter(this);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, platform::reported(this, [this] {
        if (m_definition.doubleClickTakes && pickMode())
            take();
    }));

    QWidget *editArea = buildEditArea();
    QWidget *buttonPanel = buildButtonPanel();

    auto *main = new QVBoxLayout(this);
    buildMenu();
    if (m_definition.pages.size() >= 2) {
        m_pages = new QTabWidget(this);
        m_pages->setObjectName(QStringLiteral("PageControl1"));
        auto *listPage = new QWidget;
        auto *listLayout = new QVBoxLayout(listPage);
        listLayout->addWidget(m_grid);
        m_pages->addTab(listPage, m_definition.pages.at(0));
        m_pages->addTab(editArea, m_definition.pages.at(1));
        main->addWidget(m_pages, 1);
    } else {
        main->addWidget(m_grid, 1);
        main->addWidget(editArea);
    }
    main->addWidget(buttonPanel);

    if (m_definition.enableButtonsByPosition && !m_definition.navigator) {
        // After every move, also one that stays where it is at an end.
        m_table->afterScroll = [this](platform::DataSet &) { updateRecordButtons(); };
        connect(m_table, &platform::DataSet::recordChanged, this, &MasterDataWindow::updateRecordButtons);
        connect(m_table, &platform::DataSet::stateChanged, this, &MasterDataWindow::updateRecordButtons);
    }
    refuseEmptyTextKeys();
    if (m_definition.displaySettings)
        applyDisplaySettings();
    if (m_sortGroup)
        setSortChoice(shell::StammSortRead(m_definition.sort.iniKey));
    if (m_definition.setup)
        m_definition.setup(*this);
}

MasterDataWindow::~MasterDataWindow() = default;

void MasterDataWindow::buildMenu()
{
    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    if (m_definition.hasPrint)
        connect(menuBar->addAction(QStringLiteral("&Drucken")), &QAction::triggered, this,
            platform::reported(this, &MasterDataWindow::printList));
    if (m_definition.hasSearch)
        connect(menuBar->addAction(m_definition.searchCaption), &QAction::triggered, this,
            platform::reported(this, &MasterDataWindow::search));
    if (m_definition.dataImport)
        connect(menuBar->addAction(QStringLiteral("Daten-&Import")), &QAction::triggered, this,
            platform::reported(this, [this] {
                if (m_table->isEditing())
                    m_table->post();
                m_definition.dataImport(*this);
            }));
    connect(menuBar->addAction(m_definition.closeCaption), &QAction::triggered, this, &QDialog::reject);
    layout()->setMenuBar(menuBar);
}

QWidget *MasterDataWindow::createControl(const EditField &field, QWidget *parent)
{
    QWidget *control = nullptr;
    switch (field.kind) {
    case ControlKind::Edit: {
        auto *edit = new platform::DataEdit(parent);
        edit->bind(m_table, field.field);
        edit->setFrame(!field.frameless);
        control = edit;
        break;
    }
    case ControlKind::Memo: {
        auto *memo = new platform::DataMemo(parent);
        memo->bind(m_table, field.field);
        control = memo;
        break;
    }
    case ControlKind::CheckBox: {
        auto *box = new platform::DataCheckBox(field.label, parent);
        box->bind(m_table, field.field);
        control = box;
        break;
    }
    case ControlKind::Lookup: {
        auto *list = new platform::Table(platform::Alias::Data, field.lookup.table, this);
        list->setObjectName(QStringLiteral("Table%1").arg(m_lookups.size() + 2));
        list->setFilterCaseInsensitive(true);
        list->setIndexFieldNames(field.lookup.order.isEmpty() ? field.lookup.keyField : field.lookup.order);
        if (m_definition.failedSaveMessage)
            shell::watchFailedSaves(*list);
        m_lookups.insert(field.field.toLower(), list);
        auto *combo = new NameOrderedLookup(field.lookup.nameIndex, parent);
        combo->bind(m_table, field.field);
        combo->setListSource(list, field.lookup.keyField, field.lookup.displayField);
        control = combo;
        break;
    }
    case ControlKind::Choice: {
        auto *combo = new platform::DataComboBox(parent);
        for (int i = 0; i < field.choices.size(); ++i)
            combo->addItem(field.choices.at(i), field.choiceCodes.value(i, field.choices.at(i)));
        combo->bind(m_table, field.field);
        control = combo;
        break;
    }
    case ControlKind::PlainEdit: {
        auto *edit = new QLineEdit(parent);
        edit->setText(field.initialText);
        control = edit;
        break;
    }
    }
    control->setObjectName(field.objectName);
    control->installEventFilter(this);
    m_controls.insert(field.objectName, control);
    if (!field.field.isEmpty())
        m_fieldControls.insert(field.field.toLower(), control);
    m_fieldOf.insert(control, &field);
    return control;
}

QWidget *MasterDataWindow::buildEditArea()
{
    auto *area = new QWidget(this);
    auto *areaLayout = new QHBoxLayout(area);
    for (const EditGroup &group : std::as_const(m_definition.groups)) {
        auto *box = new QGroupBox(group.title, area);
        auto *grid = new QGridLayout(box);
        grid->setVerticalSpacing(group.fields.size() > 8 ? 0 : -1);
        int row = 0;
        for (const EditField &field : group.fields) {
            if (field.kind != ControlKind::CheckBox && !field.label.isEmpty()) {
                auto *label = new QLabel(field.label, box);
                if (!field.labelName.isEmpty()) {
                    label->setObjectName(field.labelName);
                    m_controls.insert(field.labelName, label);
                }
                grid->addWidget(label, row, 0);
            }
            QWidget *control = createControl(field, box);
            grid->addWidget(control, row, 1);
            if (field.pick) {
                auto *button = new QToolButton(box);
                button->setText(QStringLiteral("…"));
                button->setObjectName(field.pickButtonName);
                button->setFocusPolicy(Qt::NoFocus);
                const QString fieldName = field.field;
                connect(button, &QToolButton::clicked, this,
                    platform::reported(this, [this, fieldName] { pickField(fieldName); }));
                if (!field.pickButtonName.isEmpty())
                    m_controls.insert(field.pickButtonName, button);
                grid->addWidget(button, row, 2);
            }
            ++row;
        }
        areaLayout->addWidget(box);
    }
    if (!m_definition.sort.items.isEmpty()) {
        auto *box = new QGroupBox(QStringLiteral("Sortieren nach:"), area);
        box->setObjectName(QStringLiteral("rgSortieren"));
        auto *boxLayout = new QVBoxLayout(box);
        m_sortGroup = new QButtonGroup(this);
        for (int i = 0; i < m_definition.sort.items.size(); ++i) {
            auto *radio = new QRadioButton(m_definition.sort.items.at(i), box);
            m_sortGroup->addButton(radio, i);
            boxLayout->addWidget(radio);
        }
        connect(m_sortGroup, &QButtonGroup::idClicked, this, platform::reported(this, [this](int id) {
            setSortChoice(id);
            if (m_definition.sort.storeChoice)
                shell::StammSortWrite(m_definition.sort.iniKey, id);
        }));
        areaLayout->addWidget(box);
    }
    return area;
}

QWidget *MasterDataWindow::buildButtonPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlButtons"));
    auto *row = new QHBoxLayout(panel);
    if (m_definition.navigator) {
        m_navigator = new shell::TMyNav(panel);
        m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
        m_navigator->setDataSet(m_table);
        using B = shell::TMyNav::Button;
        m_navigator->setVisibleButtons({ B::First, B::Prior, B::Next, B::Last, B::Insert, B::Delete, B::Edit });
        if (!m_definition.buttonHints.isEmpty())
            m_navigator->setHints(m_definition.buttonHints);
        for (B which : { B::Insert, B::Edit })
            connect(m_navigator->button(which), &QToolButton::clicked, this,
                platform::reported(this, &MasterDataWindow::focusKeyField));
        row->addWidget(m_navigator);
    } else {
        for (int i = 0; i <= Edit; ++i) {
            auto *button = new QToolButton(panel);
            button->setText(QString::fromUtf8(RecordGlyphs[i]));
            button->setToolTip(m_definition.buttonHints.value(i));
            button->setObjectName(m_definition.buttonNames.value(i, QStringLiteral("SpeedButton%1").arg(13 + i)));
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this,
                platform::reported(this, [this, i] { clickRecordButton(RecordButton(i)); }));
            m_recordButtons.append(button);
            row->addWidget(button);
        }
    }
    row->addStretch();

    m_pickPanel = new QWidget(panel);
    m_pickPanel->setObjectName(m_definition.pickPanelName);
    auto *pickRow = new QHBoxLayout(m_pickPanel);
    pickRow->setContentsMargins(0, 0, 0, 0);
    auto *cancel = new QPushButton(m_definition.cancelCaption, m_pickPanel);
    cancel->setObjectName(m_definition.cancelName);
    auto *take = new QPushButton(m_definition.takeCaption, m_pickPanel);
    take->setObjectName(m_definition.takeName);
    for (QPushButton *button : { cancel, take })
        button->setAutoDefault(false);
    pickRow->addWidget(cancel);
    pickRow->addWidget(take);
    m_take = take;
    m_cancel = cancel;
    for (QWidget *widget :
        { static_cast<QWidget *>(m_pickPanel), static_cast<QWidget *>(take), static_cast<QWidget *>(cancel) })
        m_controls.insert(widget->objectName(), widget);
    connect(take, &QPushButton::clicked, this, platform::reported(this, &MasterDataWindow::take));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(m_pickPanel);
    setPickMode(false);
    return panel;
}

void MasterDataWindow::applyDisplaySettings()
{
    const shell::MainState &state = shell::mainState();
    QPalette background = palette();
    background.setColor(QPalette::Window, state.HinterGrundFarbe);
    setPalette(background);
    setAutoFillBackground(true);
    const QFont labelFont = m_definition.labelsInFormFont ? state.FormularAnzeigeFont : state.StammdatenAnzeigeFont;
    const QColor labelColour
        = m_definition.labelsInFormFont ? state.FormularAnzeigeFontColor : state.StammdatenAnzeigeFontColor;
    for (QLabel *label : findChildren<QLabel *>()) {
        label->setFont(labelFont);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, labelColour);
        label->setPalette(text);
    }
    for (QWidget *control : std::as_const(m_fieldControls)) {
        control->setFont(state.EingabeFelderFont);
        QPalette text = control->palette();
        text.setColor(QPalette::Text, state.EingabeFelderFontColor);
        control->setPalette(text);
    }
    shell::applyRaisedButtonLook(this);
}

QWidget *MasterDataWindow::control(const QString &objectName) const
{
    return m_controls.value(objectName);
}

QWidget *MasterDataWindow::controlForField(const QString &field) const
{
    return m_fieldControls.value(field.toLower());
}

platform::Table *MasterDataWindow::lookupTable(const QString &field) const
{
    return m_lookups.value(field.toLower());
}

QAbstractButton *MasterDataWindow::recordButton(RecordButton which) const
{
    if (m_navigator) {
        static const shell::TMyNav::Button map[] = { shell::TMyNav::First, shell::TMyNav::Prior, shell::TMyNav::Next,
            shell::TMyNav::Last, shell::TMyNav::Insert, shell::TMyNav::Delete, shell::TMyNav::Edit };
        return m_navigator->button(map[which]);
    }
    return m_recordButtons.value(which);
}

void MasterDataWindow::openTables()
{
    if (!m_table->isActive())
        m_table->open();
    for (platform::Table *list : std::as_const(m_lookups)) {
        if (!list->isActive())
            list->open();
    }
    if (!m_opened) {
        m_opened = true;
        updateRecordButtons();
    }
}

void MasterDataWindow::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        openTables();
        QDialog::showEvent(event);
    });
}

void MasterDataWindow::setPickMode(bool on)
{
    m_pickPanel->setVisible(on);
    m_take->setVisible(on);
    m_cancel->setVisible(on);
}

bool MasterDataWindow::pickMode() const
{
    return !m_take->isHidden() && !m_pickPanel->isHidden();
}

void MasterDataWindow::take()
{
    accept();
}

void MasterDataWindow::updateRecordButtons()
{
    if (!m_definition.enableButtonsByPosition || m_recordButtons.isEmpty() || !m_table->isActive())
        return;
    bool atStart = m_table->bof();
    bool atEnd = m_table->eof();
    m_recordButtons.at(First)->setEnabled(!atStart || atEnd);
    m_recordButtons.at(Prior)->setEnabled(!atStart || atEnd);
    m_recordButtons.at(Next)->setEnabled(!atEnd);
    m_recordButtons.at(Last)->setEnabled(!atEnd);
    if (atEnd && atStart) {
        // An empty table: nothing to move to.
        for (int i = First; i <= Last; ++i)
            m_recordButtons.at(i)->setEnabled(false);
    }
}

void MasterDataWindow::focusKeyField()
{
    if (m_pages)
        m_pages->setCurrentIndex(1);
    if (QWidget *field = controlForField(m_definition.focusField))
        field->setFocus();
}

void MasterDataWindow::clickRecordButton(RecordButton which)
{
    if (m_navigator) {
        static const shell::TMyNav::Button map[] = { shell::TMyNav::First, shell::TMyNav::Prior, shell::TMyNav::Next,
            shell::TMyNav::Last, shell::TMyNav::Insert, shell::TMyNav::Delete, shell::TMyNav::Edit };
        m_navigator->btnClick(map[which]);
        if (which == Add || which == Edit)
            focusKeyField();
        return;
    }
    switch (which) {
    case First:
        m_table->first();
        break;
    case Prior:
        if (!m_table->bof())
            m_table->prior();
        break;
    case Next:
        if (!m_table->eof())
            m_table->next();
        break;
    case Last:
        m_table->last();
        break;
    case Add:
        if (m_definition.addRecord) {
            m_definition.addRecord(*this);
        } else if (!m_definition.numberField.isEmpty()) {
            // The highest number in use plus one; the user may change it.
            const int highest = platform::queryScalar(
                QStringLiteral("SELECT MAX(%1) FROM %2").arg(m_definition.numberField, m_definition.table))
                                    .toInt();
            m_table->insert();
            m_table->setValue(m_definition.numberField, highest + 1);
        } else {
            m_table->insert();
        }
        focusKeyField();
        break;
    case Delete:
        deleteRecord();
        break;
    case Edit:
        m_table->edit();
        focusKeyField();
        break;
    }
}

void MasterDataWindow::deleteRecord()
{
    if (m_table->isEmpty())
        return;
    if (platform::dialogs().confirmation(QStringLiteral("Datensatz löschen?"), platform::DialogButtons::OkCancel)
        == platform::DialogAnswer::Ok)
        m_table->deleteRecord();
}

void MasterDataWindow::pickField(const QString &field)
{
    for (const EditGroup &group : std::as_const(m_definition.groups)) {
        for (const EditField &edit : group.fields) {
            if (edit.field.compare(field, Qt::CaseInsensitive) == 0 && edit.pick) {
                edit.pick(*this);
                return;
            }
        }
    }
}

void MasterDataWindow::search()
{
    if (m_table->isEditing())
        m_table->post();
    shell::TfrmSuche frmSuche(this);
    frmSuche.setDataSet(m_table, m_definition.columns);
    QStringList items;
    for (const SearchKey &key : std::as_const(m_definition.searchKeys))
        items.append(key.caption);
    frmSuche.RadioGroup1->setItems(items);
    frmSuche.setSearchRoutine(
        [this](shell::TfrmSuche &dialog) { SuchenRoutine(dialog.searchKey(), dialog.searchText()); });
    m_table->first();
    finishSearch(frmSuche.exec() == QDialog::Accepted);
}

void MasterDataWindow::SuchenRoutine(int item, const QString &text)
{
    if (text.isEmpty() || item < 0 || item >= m_definition.searchKeys.size())
        return;
    const SearchKey &key = m_definition.searchKeys.at(item);
    const QString value = key.maxLength > 0 ? text.left(key.maxLength) : text;
    // The entry is a bound value: quotes, '%' and '_' are plain characters.
    const platform::FilterCondition condition = key.exact ? platform::FilterCondition::equal(key.field, value, true)
                                                          : shell::nameSearchCondition(key.field, value);
    m_table->setFilter({ condition });
    m_table->setFiltered(true);
}

void MasterDataWindow::finishSearch(bool accepted)
{
    if (!accepted) {
        m_table->setFiltered(false);
        return;
    }
    m_table->setIndexFieldNames(m_definition.searchKeyOrder);
    const QStringList keyFields = m_table->indexFields();
    QVariantList key;
    const bool found = !m_table->isEmpty();
    for (const QString &name : keyFields)
        key.append(m_table->value(name));
    m_table->setFiltered(false);
    if (found)
        m_table->findKey(key);
    m_table->setIndexFieldNames(m_definition.orderAfterSearch);
}

void MasterDataWindow::setSortChoice(int item)
{
    if (!m_sortGroup)
        return;
    if (QAbstractButton *button = m_sortGroup->button(item == 0 ? 0 : 1))
        button->setChecked(true);
    const QString order = m_definition.sort.orders.value(item == 0 ? 0 : 1);
    // The table may not be open yet while the window is being built.
    try {
        m_table->setIndexFieldNames(order);
        if (m_table->isActive()) {
            m_table->refresh();
            m_table->first();
        }
    } catch (const platform::DatabaseError &) {
    }
}

void MasterDataWindow::printList()
{
    if (!m_definition.listLayout)
        return;
    if (m_table->isEditing())
        m_table->post();
    showListPrint(m_definition.listLayout(), this);
}

void MasterDataWindow::done(int result)
{
    if (m_table->isActive() && m_table->isEditing()) {
        try {
            // A new record left untouched is dropped, anything entered is stored.
            m_table->checkBrowseMode();
        } catch (const platform::AbortException &) {
            return; // the user was told; the window stays open with the entry
        }
    }
    if (m_definition.closeTableOnClose)
        m_table->close();
    QDialog::done(result);
}

void MasterDataWindow::refuseEmptyTextKeys()
{
    // A record whose text key is empty could never be found again.
    const platform::TableSchema schema = m_table->schema();
    QStringList keys;
    for (const QString &key : schema.primaryKeyFields()) {
        const int index = schema.fieldIndex(key);
        if (index >= 0 && platform::isTextType(schema.fieldAt(index).type))
            keys.append(schema.fieldAt(index).name);
    }
    for (const QString &field : m_definition.requiredFields) {
        if (!keys.contains(field, Qt::CaseInsensitive))
            keys.append(field);
    }
    if (keys.isEmpty())
        return;
    auto previous = m_table->beforePost;
    m_table->beforePost = [this, keys, previous](platform::DataSet &dataSet) {
        for (const QString &key : keys) {
            if (dataSet.fieldByName(key).asString().trimmed().isEmpty()) {
                platform::dialogs().error(
                    QStringLiteral("Der Schlüssel „%1“ darf nicht leer sein.\rBitte geben Sie ihn ein.")
                        .arg(captionOfField(key)));
                if (QWidget *control = controlForField(key))
                    control->setFocus();
                throw platform::AbortException();
            }
        }
        if (previous)
            previous(dataSet);
    };
}

QString MasterDataWindow::captionOfField(const QString &field) const
{
    for (const auto &group : m_definition.groups) {
        for (const auto &f : group.fields) {
            if (f.field.compare(field, Qt::CaseInsensitive) == 0 && !f.label.isEmpty())
                return QString(f.label).remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed();
        }
    }
    return field;
}

void MasterDataWindow::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        // Enter and Escape do not close a master-data window; Enter moves on,
        // Escape drops a record being added.
        if (isEnter(event)) {
            focusNextChild();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            if (m_table->isActive() && m_table->state() == platform::DataSetState::Insert)
                m_table->cancel();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

void MasterDataWindow::gridEnter()
{
    switch (m_definition.gridEnter) {
    case GridEnter::Take:
    case GridEnter::TakeOnKeyUp:
        if (pickMode())
            take();
        break;
    case GridEnter::FocusFirst:
        if (!m_definition.groups.isEmpty() && !m_definition.groups.first().fields.isEmpty())
            if (QWidget *first = control(m_definition.groups.first().fields.first().objectName))
                first->setFocus();
        break;
    case GridEnter::EditRecord:
        clickRecordButton(Edit);
        break;
    case GridEnter::Nothing:
        break;
    }
}

bool MasterDataWindow::letterInLookup(const EditField &field, const QString &text)
{
    platform::Table *list = lookupTable(field.field);
    if (!list || field.lookup.nameIndex.isEmpty() || text.size() != 1 || !text.at(0).isLetter()
        || text.at(0).unicode() > 127)
        return false;
    if (!list->isActive())
        list->open();
    list->setIndexName(field.lookup.nameIndex);
    list->findNearest({ text });
    auto *combo = qobject_cast<platform::DataLookupComboBox *>(controlForField(field.field));
    if (combo && !list->eof()) {
        const QVariant key = list->value(field.lookup.keyField);
        const int index = combo->findData(key);
        if (index >= 0) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        }
    }
    return true;
}

bool MasterDataWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == m_grid && event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key)) {
                if (m_definition.gridEnter != GridEnter::TakeOnKeyUp)
                    gridEnter();
                return true;
            }
        }
        if (watched == m_grid && event->type() == QEvent::KeyRelease) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key) && m_definition.gridEnter == GridEnter::TakeOnKeyUp && !key->isAutoRepeat()) {
                gridEnter();
                return true;
            }
        }
        auto *widget = qobject_cast<QWidget *>(watched);
        const EditField *field = widget ? m_fieldOf.value(widget) : nullptr;
        if (!field)
            return QDialog::eventFilter(watched, event);
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key) && field->kind != ControlKind::Memo) {
                if (field->enter == EnterKey::NextControl)
                    focusNextChild();
                return true;
            }
            if (key->key() == Qt::Key_F9 && field->pick) {
                field->pick(*this);
                return true;
            }
            if (field->kind == ControlKind::Lookup && letterInLookup(*field, key->text()))
                return true;
        } else if (event->type() == QEvent::FocusOut && field->kind == ControlKind::Lookup
            && !field->lookup.nameIndex.isEmpty()) {
            if (platform::Table *list = lookupTable(field->field))
                list->setIndexFieldNames(field->lookup.order.isEmpty() ? field->lookup.keyField : field->lookup.order);
        }
        return QDialog::eventFilter(watched, event);
    });
}

} // namespace masterdata
