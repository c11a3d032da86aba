#include "shell/entrywindow.h"

#include "platform/controlstate.h"
#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/datamemo.h"
#include "platform/dataradiogroup.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/drawingroutines.h"
#include "shell/failedsave.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

using platform::Table;

namespace {

// A status panel whose text never widens the window: what does not fit is
// cut with an ellipsis; text() keeps the whole text.
class ElidedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return { 0, QLabel::sizeHint().height() }; }
    QSize minimumSizeHint() const override { return { 0, QLabel::minimumSizeHint().height() }; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, int(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// Fixed fields of a document are shown disabled: black text on their
// colour #B4B4B4 (about 10:1), not the light grey of disabled text.
const QColor FixedFieldText = Qt::black;

// The smallest font a caption is shrunk to so that it ends before the next
// caption or box of its line.
constexpr qreal SmallestCaptionPoints = 6.0;

// The room a caption or check box has to its right on its surface: up to
// the next widget that shares its line, or the surface's edge.
int roomToTheRight(const QWidget *widget)
{
    const QRect own = widget->geometry();
    int right = widget->parentWidget()->width();
    for (const QObject *object : widget->parentWidget()->children()) {
        const auto *other = qobject_cast<const QWidget *>(object);
        if (!other || other == widget || other->isHidden())
            continue;
        const QRect r = other->geometry();
        if (r.left() > own.left() && r.top() < own.bottom() && r.bottom() > own.top())
            right = std::min(right, r.left());
    }
    return right - own.left() - 4;
}

// A caption written on the form in our font may be wider than the room the
// form gives it: where the room to its right is too narrow its font is made
// smaller, so no caption runs into the next one. A check box keeps its width
// or takes up to that room for its text.
void fitToRoom(QWidget *widget, int keptWidth)
{
    const int allowed = std::max(keptWidth, roomToTheRight(widget));
    QFont font = widget->font();
    while (widget->sizeHint().width() > allowed && font.pointSizeF() - 0.5 >= SmallestCaptionPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        widget->setFont(font);
    }
    const int natural = widget->sizeHint().width();
    widget->resize(keptWidth > 0 ? std::max(keptWidth, std::min(natural, allowed)) : natural, widget->height());
}

} // namespace

EntryControl EntryControl::edit(const QString &name, const QString &field)
{
    EntryControl control;
    control.kind = EntryControlKind::Edit;
    control.name = name;
    control.field = field;
    return control;
}

EntryControl EntryControl::memo(const QString &name, const QString &field)
{
    EntryControl control = edit(name, field);
    control.kind = EntryControlKind::Memo;
    return control;
}

EntryControl EntryControl::checkBox(const QString &name, const QString &field, const QString &caption)
{
    EntryControl control = edit(name, field);
    control.kind = EntryControlKind::CheckBox;
    control.caption = caption;
    return control;
}

EntryControl EntryControl::radioGroup(const QString &name, const QString &field, const QString &caption,
    const QStringList &items, const QStringList &values)
{
    EntryControl control = edit(name, field);
    control.kind = EntryControlKind::RadioGroup;
    control.caption = caption;
    control.items = items;
    control.values = values;
    return control;
}

EntryLabel EntryLabel::at(const QString &text, int page, int x, int y, int width, int height)
{
    EntryLabel label;
    label.text = text;
    label.page = page;
    label.geometry = QRect(x, y, width, height);
    return label;
}

EntryWindow::EntryWindow(
    DocumentRegister &documentRegister, EntryWindowDefinition definition, QWidget *parent, platform::Table *head)
    : DocumentEntryWindow(parent)
    , m_register(documentRegister)
    , m_definition(std::move(definition))
    , m_head(head ? head : &documentRegister.head())
{
    if (head)
        watchFailedSaves(*head);
    m_template = m_head->isActive() && !m_head->isEmpty() && m_head->field(0).asInteger() > MaxDocumentNumber;
    setObjectName(m_definition.objectName);
    setWindowTitle(m_definition.caption);
    build();
    applyFixedFields();
    applyRaisedButtonLook(this);
    watchChildren();
    resize(m_definition.size);
}

EntryWindow::~EntryWindow() = default;

Table &EntryWindow::parameter() const
{
    return m_register.parameter();
}

QString EntryWindow::memoField() const
{
    return m_register.kind().parameter.memo;
}

void EntryWindow::build()
{
    const MainState &state = mainState();
    QPalette background = palette();
    background.setColor(QPalette::Window, state.HinterGrundFarbe);
    setPalette(background);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *menuBar = new QMenuBar(this);
    mnuDrucken = menuBar->addAction(QStringLiteral("&Drucken"));
    mnuDrucken->setObjectName(QStringLiteral("mnuDrucken"));
    mnuSchliessen = menuBar->addAction(QStringLiteral("&Schließen"));
    mnuSchliessen->setObjectName(QStringLiteral("mnuSchliessen"));
    connect(mnuDrucken, &QAction::triggered, this, [this] { runReported(this, [this] { printDocument(); }); });
    connect(mnuSchliessen, &QAction::triggered, this, &QWidget::close);
    layout->setMenuBar(menuBar);

    const bool tabs = m_definition.pages.size() > 1 || !m_definition.pages.value(0).caption.isEmpty();
    if (tabs) {
        m_pages = new QTabWidget(this);
        m_pages->setObjectName(QStringLiteral("PageControl1"));
        layout->addWidget(m_pages, 1);
    }
    QVector<QWidget *> surfaces;
    for (int page = 0; page < m_definition.pages.size(); ++page) {
        auto *box = new QScrollArea(this);
        box->setObjectName(QStringLiteral("ScrollBox%1").arg(page + 1));
        box->setWidgetResizable(false);
        box->setFrameShape(QFrame::NoFrame);
        auto *surface = new QWidget;
        surface->setObjectName(QStringLiteral("Surface%1").arg(page + 1));
        surface->setAutoFillBackground(true);
        surface->setPalette(background);
        int width = 0;
        int height = m_definition.pages.at(page).height;
        for (const EntryControl &control : std::as_const(m_definition.controls)) {
            if (control.page == page) {
                width = std::max(width, control.geometry.right() + 10);
                height = std::max(height, control.geometry.bottom() + 10);
            }
        }
        for (const EntryLabel &label : std::as_const(m_definition.labels)) {
            if (label.page == page)
                width = std::max(width, label.geometry.right() + 10);
        }
        surface->resize(std::max(width, 100), std::max(height, 100));
        box->setWidget(surface);
        if (m_pages)
            m_pages->addTab(box, m_definition.pages.at(page).caption);
        else
            layout->addWidget(box, 1);
        m_scrollBoxes.append(box);
        surfaces.append(surface);
    }

    // Captions of their natural width and check boxes, fitted to their
    // room once every control stands.
    QVector<QWidget *> fitting;
    QVector<QWidget *> checkBoxes;
    for (const EntryLabel &definition : std::as_const(m_definition.labels)) {
        QWidget *surface = surfaces.value(definition.page);
        if (!surface)
            continue;
        auto *label = new QLabel(definition.text, surface);
        if (!definition.name.isEmpty())
            label->setObjectName(definition.name);
        label->setFont(definition.font.value_or(state.FormularAnzeigeFont));
        if (definition.color.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, definition.color);
            label->setPalette(palette);
        }
        if (definition.geometry.width() > 0)
            label->setGeometry(definition.geometry);
        else {
            label->adjustSize();
            label->move(definition.geometry.topLeft());
        }
        label->setProperty("toggles", definition.toggles);
        label->setWordWrap(definition.wraps);
        if (definition.geometry.width() <= 0 && !definition.wraps)
            fitting.append(label);
        // A caption below the last control (the one under a signature) stays
        // on the scrolling surface.
        const int bottom = label->geometry().bottom() + 10;
        if (bottom > surface->height())
            surface->resize(surface->width(), bottom);
        // A caption sized by its text is not cut at the surface's edge.
        if (const int right = label->geometry().right() + 10; right > surface->width())
            surface->resize(right, surface->height());
    }

    Table *head = m_head;
    QWidget *previous = nullptr;
    for (const EntryControl &definition : std::as_const(m_definition.controls)) {
        QWidget *surface = surfaces.value(definition.page);
        if (!surface)
            continue;
        QWidget *widget = nullptr;
        switch (definition.kind) {
        case EntryControlKind::Edit: {
            auto *edit = new platform::DataEdit(surface);
            edit->dataLink()->setDecimals(definition.decimals);
            edit->bind(head, definition.field);
            edit->setFont(state.EingabeFelderFont);
            edit->setAlignment(definition.alignment);
            widget = edit;
            break;
        }
        case EntryControlKind::Memo: {
            auto *memo = new platform::DataMemo(surface);
            memo->bind(head, definition.field);
            memo->setFont(state.EingabeFelderFont);
            widget = memo;
            break;
        }
        case EntryControlKind::CheckBox: {
            auto *box = new platform::DataCheckBox(definition.caption, surface);
            box->setValues(definition.checkedValue, definition.uncheckedValue);
            box->bind(head, definition.field);
            box->setFont(definition.inputFont ? state.EingabeFelderFont : state.FormularAnzeigeFont);
            checkBoxes.append(box);
            widget = box;
            break;
        }
        case EntryControlKind::RadioGroup: {
            auto *group = new platform::DataRadioGroup(definition.caption, surface);
            group->setItems(definition.items, definition.values);
            group->bind(head, definition.field);
            group->setFont(state.FormularAnzeigeFont);
            widget = group;
            break;
        }
        }
        widget->setObjectName(definition.name);
        widget->setGeometry(definition.geometry);
        if (definition.kind == EntryControlKind::Edit || definition.kind == EntryControlKind::Memo)
            platform::setControlColor(
                this, definition.name, definition.color.isValid() ? definition.color : WindowColor);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
        m_controls.append({ &definition, widget });
    }

    for (const ControlInfo &info : std::as_const(m_controls)) {
        const EntryControl *other = controlDefinition(info.definition->opposite);
        auto *box = qobject_cast<QCheckBox *>(info.widget);
        if (!other || !box)
            continue;
        // Runs after the box's own click has put the document into edit state
        // and stored its value; the other box follows its field.
        connect(box, &QCheckBox::clicked, this, [this, other](bool checked) {
            runReported(this, [this, other, checked] {
                if (!m_head->isEditing())
                    return;
                m_head->fieldByName(other->field).setValue(checked ? other->uncheckedValue : other->checkedValue);
            });
        });
    }

    for (int index = 0; index < m_definition.picks.size(); ++index) {
        const EntryPick &definition = m_definition.picks.at(index);
        auto *button = new QToolButton(surfaces.value(definition.page, this));
        button->setObjectName(definition.name);
        button->setText(QStringLiteral("..."));
        button->setGeometry(definition.geometry);
        // Pick buttons are clicked or reached by F9; Tab passes them by.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this,
            [this, index] { runReported(this, [this, index] { runPick(index); }); });
        m_pickButtons.append(button);
    }
    for (QWidget *caption : std::as_const(fitting))
        fitToRoom(caption, 0);
    for (QWidget *box : std::as_const(checkBoxes))
        fitToRoom(box, box->width());

    if (m_definition.statusBar) {
        auto *statusBar = new QStatusBar(this);
        statusBar->setObjectName(QStringLiteral("StatusBar1"));
        statusBar->setSizeGripEnabled(false);
        m_panels[0] = new ElidedLabel(statusBar);
        m_panels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar->addWidget(m_panels[0], 1);
        if (!m_definition.fixedStatusText.isEmpty()) {
            m_panels[1] = new QLabel(m_definition.fixedStatusText, statusBar);
            statusBar->addWidget(m_panels[1]);
            m_numberPanel = 2;
        }
        m_panels[m_numberPanel] = new QLabel(statusBar);
        statusBar->addWidget(m_panels[m_numberPanel]);
        layout->addWidget(statusBar);
    }

    if (m_pages)
        m_pages->setCurrentIndex(0);
    for (QScrollArea *box : std::as_const(m_scrollBoxes))
        box->verticalScrollBar()->setValue(0);
}

QStringList EntryWindow::fixedFields() const
{
    const QString field = memoField();
    Table &parameters = parameter();
    if (field.isEmpty() || !parameters.isActive() || parameters.isEmpty() || parameters.fieldIndex(field) < 0)
        return {};
    return parameters.fieldByName(field).asString().split(
        QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}

void EntryWindow::applyFixedFields()
{
    if (!m_definition.fixedFieldList)
        return;
    const QStringList fixed = fixedFields();
    for (const ControlInfo &info : std::as_const(m_controls)) {
        if (info.definition->kind != EntryControlKind::Edit)
            continue;
        // Names are compared exactly, as they are stored.
        if (fixed.contains(info.definition->name, Qt::CaseSensitive))
            platform::setControlColor(this, info.definition->name, ActiveBorderColor);
        // In a document the template's value of a fixed field stays, also
        // against the pick button beside it.
        if (!m_template && platform::controlColor(this, info.definition->name) == ActiveBorderColor) {
            info.widget->setEnabled(false);
            platform::setControlColor(this, info.definition->name, FixedFieldText, QPalette::Text);
            if (QAbstractButton *button = pickButton(info.definition->pickIndex))
                button->setEnabled(false);
        }
    }
}

void EntryWindow::watchChildren()
{
    installEventFilter(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (!qobject_cast<QMenu *>(child))
            child->installEventFilter(this);
    }
}

void EntryWindow::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        // Controls a kind added after creation are watched too.
        watchChildren();
        DocumentEntryWindow::showEvent(event);
    });
}

void EntryWindow::setNumberText(const QString &text)
{
    if (m_panels[m_numberPanel])
        m_panels[m_numberPanel]->setText(text);
}

void EntryWindow::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 3 && m_panels[panel])
        m_panels[panel]->setText(text);
}

QString EntryWindow::statusText(int panel) const
{
    return panel >= 0 && panel < 3 && m_panels[panel] ? m_panels[panel]->text() : QString();
}

QWidget *EntryWindow::control(const QString &name) const
{
    for (const ControlInfo &info : m_controls) {
        if (info.definition->name == name)
            return info.widget;
    }
    return nullptr;
}

QAbstractButton *EntryWindow::pickButton(int index) const
{
    return m_pickButtons.value(index);
}

QScrollArea *EntryWindow::scrollBox(int page) const
{
    return m_scrollBoxes.value(page);
}

QLabel *EntryWindow::label(const QString &name) const
{
    return findChild<QLabel *>(name);
}

const EntryControl *EntryWindow::definitionOf(QObject *object) const
{
    for (const ControlInfo &info : m_controls) {
        if (info.widget == object)
            return info.definition;
    }
    return nullptr;
}

void EntryWindow::focusControl(const QString &name)
{
    for (const ControlInfo &info : std::as_const(m_controls)) {
        if (info.definition->name != name)
            continue;
        if (m_pages)
            m_pages->setCurrentIndex(info.definition->page);
        if (QScrollArea *box = scrollBox(info.definition->page))
            box->ensureWidgetVisible(info.widget);
        // A fixed field of a document cannot take the focus; it is shown.
        if (info.widget->isEnabled())
            info.widget->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void EntryWindow::toggleFixedField(QWidget *edit)
{
    const EntryControl *definition = definitionOf(edit);
    const QString field = memoField();
    if (!m_template || !m_definition.fixedFieldList || !definition || definition->kind != EntryControlKind::Edit
        || field.isEmpty())
        return;
    Table &parameters = parameter();
    EditIfBrowsing(parameters);
    QStringList fixed = fixedFields();
    if (platform::controlColor(this, definition->name) == WindowColor) {
        fixed.append(definition->name);
        platform::setControlColor(this, definition->name, ActiveBorderColor);
    } else if (fixed.removeAll(definition->name) > 0 || definition->color.isValid()) {
        // A field of a colour of its own (a mandatory field) becomes
        // ordinary first; the next F6 marks it fixed.
        platform::setControlColor(this, definition->name, WindowColor);
    }
    parameters.fieldByName(field).setAsString(fixed.join(QStringLiteral("\r\n")));
    parameters.post();
}

void EntryWindow::runPick(int index)
{
    if (index < 0 || index >= m_definition.picks.size())
        return;
    const EntryPick &pick = m_definition.picks.at(index);
    if (!pick.run)
        return;
    Table &head = *m_head;
    const auto write = [&head](const PickValues &values) {
        for (const auto &[field, text] : values)
            head.fieldByName(field).setAsString(text);
    };
    if (m_definition.pickProtocol == PickProtocol::EditPickPost) {
        EditIfBrowsing(head);
        const std::optional<PickValues> values = pick.run(*this);
        if (values) {
            write(*values);
            focusControl(pick.focusAfter);
        } else if (!pick.focusAfterCancel.isEmpty()) {
            focusControl(pick.focusAfterCancel);
        }
        // Also a cancelled pick posts: the document was put into edit state.
        PostIfEditing(head);
        return;
    }
    const std::optional<PickValues> values = pick.run(*this);
    if (!values) {
        if (!pick.focusAfterCancel.isEmpty())
            focusControl(pick.focusAfterCancel);
        return;
    }
    EditIfBrowsing(head);
    write(*values);
    PostIfEditing(head);
    focusControl(pick.focusAfter);
}

bool EntryWindow::isEmptyControl(const QString &name) const
{
    // Blanks count as content.
    const QWidget *box = control(name);
    if (const auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->text().isEmpty();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(box))
        return memo->toPlainText().isEmpty();
    return false;
}

bool EntryWindow::plausibilityCheck()
{
    if (!m_definition.plausibility)
        return true;
    const QString switchField = m_register.kind().parameter.plausi;
    Table &parameters = parameter();
    if (switchField.isEmpty() || !parameters.isActive() || parameters.isEmpty()
        || !parameters.fieldByName(switchField).asBoolean())
        return true;
    const PlausibilityDefinition &definition = *m_definition.plausibility;
    const auto emptyCount = [this](const QStringList &edits) {
        int gaps = 0;
        for (const QString &name : edits)
            gaps += isEmptyControl(name) ? 1 : 0;
        return gaps;
    };
    QVector<bool> missing;
    QVector<bool> ticked;
    QVector<int> empty; // missing boxes that open the window
    for (const PlausibilityDefinition::Box &box : definition.boxes) {
        const QStringList edits = QStringList { box.control } + box.alsoControls;
        const int gaps = box.control.isEmpty() ? 0 : emptyCount(edits);
        missing.append(gaps > 0 && (box.oneSuffices ? gaps == edits.size() : true));
        if (box.tickControls.isEmpty()) {
            ticked.append(missing.constLast());
        } else {
            const int tickGaps = emptyCount(box.tickControls);
            ticked.append(tickGaps > 0 && (box.tickOneSuffices ? tickGaps == box.tickControls.size() : true));
        }
        if (missing.constLast() && box.opens)
            empty.append(int(missing.size()) - 1);
    }
    if (empty.isEmpty())
        return true;
    int result = PlausibilityDialog::Schliessen;
    {
        PlausibilityDialog dialog(definition, this);
        for (int i = 0; i < ticked.size(); ++i)
            dialog.checkBox(i)->setChecked(ticked.at(i));
        result = dialog.exec();
    }
    QString focus;
    for (const PlausibilityDefinition::FocusStep &step : definition.focusOrder) {
        const bool applies = step.box >= 0 ? missing.value(step.box) : isEmptyControl(step.control);
        if (applies) {
            focus = step.control;
            break;
        }
    }
    if (focus.isEmpty()) {
        // The first empty edit of the first missing box.
        const PlausibilityDefinition::Box &box = definition.boxes.at(empty.constFirst());
        const QStringList edits = QStringList { box.control } + box.alsoControls;
        focus = box.control;
        for (const QString &name : edits) {
            if (isEmptyControl(name)) {
                focus = name;
                break;
            }
        }
    }
    focusControl(focus);
    return result != PlausibilityDialog::Korrigieren;
}

void EntryWindow::printDocument()
{
    PostIfEditing(*m_head);
    if (!plausibilityCheck())
        return;
    m_register.print(m_definition.printCaptionPrefix);
}

bool EntryWindow::formClose()
{
    PostIfEditing(*m_head);
    if (m_definition.closePostsParameter)
        PostIfEditing(parameter());
    return true;
}

void EntryWindow::reject()
{
    if (m_closing)
        return;
    m_closing = true;
    bool close = false;
    // A failed save keeps the window open with the input.
    runReported(this, [this, &close] { close = plausibilityCheck() && formClose(); });
    m_closing = false;
    if (close)
        DocumentEntryWindow::reject();
}

void EntryWindow::controlKeyReleased(const EntryControl &, QWidget *, QKeyEvent *) { }

void EntryWindow::controlEntered(const EntryControl &control, QWidget *widget)
{
    if (m_panels[0])
        m_panels[0]->setText(
            control.hintText + (control.pickIndex >= 0 && control.pickHintSuffix ? PickHintSuffix : QString()));
    if (control.scrollOnEnter >= 0) {
        if (QScrollArea *box = scrollBox(control.page))
            box->verticalScrollBar()->setValue(control.scrollOnEnter);
    }
    if (control.kind == EntryControlKind::CheckBox) {
        colourFocused(control, widget);
        for (const QString &name : control.colouredLabels)
            colourFocused(control, label(name));
    }
    if (const EntryControl *box = controlDefinition(control.highlights))
        colourFocused(*box, this->control(box->name));
}

const EntryControl *EntryWindow::controlDefinition(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const ControlInfo &info : m_controls) {
        if (info.definition->name == name)
            return info.definition;
    }
    return nullptr;
}

void EntryWindow::colourFocused(const EntryControl &box, QWidget *widget)
{
    if (!widget || !box.focusColor.isValid())
        return;
    if (!m_savedPalettes.contains(widget))
        m_savedPalettes.insert(widget, widget->palette());
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, box.focusColor);
    if (box.focusTextColor.isValid())
        palette.setColor(QPalette::WindowText, box.focusTextColor);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

void EntryWindow::colourLeft(const EntryControl &box, QWidget *widget)
{
    if (!widget || !box.focusColor.isValid())
        return;
    QPalette palette = m_savedPalettes.contains(widget) ? m_savedPalettes.take(widget) : widget->palette();
    if (box.leaveColor.isValid())
        palette.setColor(QPalette::Window, box.leaveColor);
    if (box.leaveTextColor.isValid())
        palette.setColor(QPalette::WindowText, box.leaveTextColor);
    widget->setPalette(palette);
}

void EntryWindow::controlLeft(const EntryControl &control, QWidget *widget, Qt::FocusReason reason)
{
    if (m_panels[0] && !control.hintStaysOnExit)
        m_panels[0]->clear();
    if (control.kind == EntryControlKind::CheckBox) {
        colourLeft(control, widget);
        for (const QString &name : control.colouredLabels)
            colourLeft(control, label(name));
    }
    if (const EntryControl *box = controlDefinition(control.highlights))
        colourLeft(*box, this->control(box->name));
    if (control.postsOnExit)
        PostIfEditing(*m_head);
    if (control.scrollsOnExit) {
        if (QScrollArea *box = scrollBox(control.page)) {
            QScrollBar *bar = box->verticalScrollBar();
            const int top = widget->mapTo(box->viewport(), QPoint(0, 0)).y();
            bar->setValue(bar->value() + CalcScrollStep(top, box->viewport()->height()));
        }
    }
    if (control.scrollOnLeave >= 0) {
        if (QScrollArea *box = scrollBox(control.page))
            box->verticalScrollBar()->setValue(control.scrollOnLeave);
    }
    if (control.pageOnExit >= 0 && m_pages) {
        m_pages->setCurrentIndex(control.pageOnExit);
        // Tab found no box on the hidden page and went to the tabs; the
        // clerk goes on in the page's first box once the focus has moved.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            const int page = control.pageOnExit;
            QMetaObject::invokeMethod(
                this,
                [this, page] {
                    for (const ControlInfo &info : std::as_const(m_controls)) {
                        if (info.definition->page == page && info.widget->isEnabled()) {
                            focusControl(info.definition->name);
                            return;
                        }
                    }
                },
                Qt::QueuedConnection);
        }
    }
}

bool EntryWindow::wheel(QObject *watched, QWheelEvent *event)
{
    // A list of positions moves by the wheel itself, one record a step.
    for (QObject *object = watched; object && object != this; object = object->parent()) {
        if (qobject_cast<QAbstractItemView *>(object))
            return false;
    }
    const int delta = event->angleDelta().y();
    QScrollArea *box = nullptr;
    for (QObject *object = watched; object && object != this; object = object->parent()) {
        if (auto *area = qobject_cast<QScrollArea *>(object); area && m_scrollBoxes.contains(area)) {
            box = area;
            break;
        }
    }
    if (!box && m_definition.wheelScrollsFromAnywhere)
        box = scrollBox(m_pages ? m_pages->currentIndex() : 0);
    if (!box)
        return false;
    QScrollBar *bar = box->verticalScrollBar();
    bar->setValue(bar->value() - delta);
    event->accept();
    return true;
}

bool EntryWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            const EntryControl *entered = definitionOf(watched);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !(entered && entered->kind == EntryControlKind::Memo)) {
                // Enter moves on as Tab does; in a memo it starts a new line.
                focusNextChild();
                return true;
            }
            if (key->key() == Qt::Key_F6 && definitionOf(watched)) {
                const bool fixable = m_template && m_definition.fixedFieldList && m_definition.fixedFieldKey;
                if (fixable && !m_definition.fixedFieldOnKeyUp)
                    runReported(this, [this, watched] { toggleFixedField(static_cast<QWidget *>(watched)); });
                return fixable;
            }
            break;
        }
        case QEvent::KeyRelease: {
            const EntryControl *control = definitionOf(watched);
            if (!control)
                break;
            auto *key = static_cast<QKeyEvent *>(event);
            // A key held down repeats its release; only the real release counts.
            if (key->isAutoRepeat())
                return true;
            bool handled = false;
            if (key->key() == Qt::Key_F9 && control->pickIndex >= 0) {
                if (QAbstractButton *button = pickButton(control->pickIndex))
                    button->click();
                handled = true;
            } else if (key->key() == Qt::Key_F9 && !control->hotKeyButton.isEmpty()) {
                if (auto *button = findChild<QAbstractButton *>(control->hotKeyButton))
                    button->click();
                handled = true;
            } else if (key->key() == Qt::Key_F6 && m_template && m_definition.fixedFieldOnKeyUp
                && m_definition.fixedFieldKey) {
                runReported(this, [this, watched] { toggleFixedField(static_cast<QWidget *>(watched)); });
            }
            controlKeyReleased(*control, static_cast<QWidget *>(watched), key);
            if (handled)
                return true;
            break;
        }
        case QEvent::FocusIn:
            if (const EntryControl *control = definitionOf(watched))
                controlEntered(*control, static_cast<QWidget *>(watched));
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            // Another window taking the focus does not leave the box.
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                break;
            if (const EntryControl *control = definitionOf(watched))
                controlLeft(*control, static_cast<QWidget *>(watched), reason);
            break;
        }
        case QEvent::Wheel:
            if (wheel(watched, static_cast<QWheelEvent *>(event)))
                return true;
            break;
        case QEvent::MouseButtonRelease:
            if (auto *caption = qobject_cast<QLabel *>(watched)) {
                const QString target = caption->property("toggles").toString();
                if (auto *box = qobject_cast<QCheckBox *>(control(target)); box && box->isEnabled()) {
                    box->click();
                    return true;
                }
            }
            break;
        default:
            break;
        }
        return DocumentEntryWindow::eventFilter(watched, event);
    });
}

} // namespace shell
