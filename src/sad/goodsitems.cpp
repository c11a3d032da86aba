#include "sad/goodsitems.h"

#include "masterdata/codehelp.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/filtercondition.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/entrywindow.h"
#include "shell/reportedcall.h"

#include <QCursor>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

namespace sad {

using platform::Table;

namespace {

// The items of one document, in key order.
void onlyDocument(Table &view, int number)
{
    view.setFilter({ platform::FilterCondition::equal(view.fieldDef(0).name, number) });
    view.setFiltered(true);
}

} // namespace

FormsAndItems formsAndItems(int itemCount)
{
    const int items = std::max(0, itemCount);
    return { QStringLiteral("1"), QString::number((items + 4) / 3), QString::number(items) };
}

void storeFormsAndItems(Table &head, Table &items, const FormsAndItemsFields &fields)
{
    if (head.isEmpty())
        return;
    shell::PostIfEditing(items);
    const FormsAndItems values = formsAndItems(items.recordCount());
    shell::EditIfBrowsing(head);
    head.fieldByName(fields.sheet).setAsString(values.sheet);
    head.fieldByName(fields.sheets).setAsString(values.sheets);
    head.fieldByName(fields.items).setAsString(values.items);
    head.post();
}

void TemplateItemValues::read(const Table &items)
{
    m_values.clear();
    auto view = shell::openSecondView(items);
    onlyDocument(*view, shell::TemplateNumber);
    view->first();
    if (view->isEmpty())
        return;
    for (int i = 2; i < view->fieldCount(); ++i)
        m_values.append(view->value(i));
}

void TemplateItemValues::applyTo(Table &items) const
{
    for (int i = 0; i < m_values.size() && i + 2 < items.fieldCount(); ++i)
        items.setValue(i + 2, m_values.at(i));
}

int nextItemNumber(Table &items)
{
    int highest = 0;
    auto view = shell::openSecondView(items);
    const int number = items.masterSource() ? items.masterSource()->field(0).asInteger() : 0;
    onlyDocument(*view, number);
    for (view->first(); !view->eof(); view->next())
        highest = std::max(highest, view->field(1).asInteger());
    return highest + 1;
}

void addItem(Table &items, const TemplateItemValues &defaults, bool isTemplate)
{
    shell::PostIfEditing(items);
    const int number = nextItemNumber(items);
    items.append();
    items.field(1).setAsInteger(number);
    if (!isTemplate) {
        defaults.applyTo(items);
        items.post();
    }
}

bool deleteItem(Table &items)
{
    if (items.isEmpty())
        return false;
    if (platform::dialogs().confirmation(QStringLiteral("Datensatz löschen?"), platform::DialogButtons::OkCancel)
        != platform::DialogAnswer::Ok)
        return false;
    if (items.isEditing())
        items.cancel();
    const int number = items.field(0).asInteger();
    items.deleteRecord();
    // The rest numbered 1, 2, 3 ... in key order; numbers only go down, so
    // no number is taken twice on the way.
    auto view = shell::openSecondView(items);
    onlyDocument(*view, number);
    QVector<int> positions;
    for (view->first(); !view->eof(); view->next())
        positions.append(view->field(1).asInteger());
    for (int i = 0; i < positions.size(); ++i) {
        if (positions.at(i) == i + 1 || !view->findKey({ number, positions.at(i) }))
            continue;
        view->edit();
        view->field(1).setAsInteger(i + 1);
        view->post();
    }
    items.refresh();
    items.first();
    return true;
}

void ItemButtons::updateMoves(Table &items) const
{
    try {
        const bool atEnd = items.eof() || (items.bof() && items.recordCount() <= 1);
        const bool atStart = items.bof();
        const bool back = atEnd || !atStart;
        const bool forward = !atEnd;
        first->setEnabled(back);
        prior->setEnabled(back);
        next->setEnabled(forward);
        last->setEnabled(forward);
    } catch (...) {
        // The buttons keep their state.
    }
}

ItemButtons createItemButtons(
    QWidget *surface, int x, int y, Table &items, const ItemCommands &commands, ItemButtonRows rows, int width)
{
    ItemButtons buttons;
    QWidget *window = surface->window();
    const bool oneRow = rows == ItemButtonRows::OneRow;
    constexpr int MoveWidth = 40;
    constexpr int Gap = 2;
    const int commandWidth = (width - 4 * (MoveWidth + Gap) - 2 * Gap) / 3;
    const auto button = [&](int number, int slot, const QString &caption, const std::function<void()> &command) {
        auto *b = new QToolButton(surface);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        b->setText(caption);
        b->setToolTip(caption);
        if (oneRow && slot < 4) {
            const QStyle::StandardPixmap arrows[] = { QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward };
            b->setIcon(b->style()->standardIcon(arrows[slot]));
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            b->setGeometry(x + slot * (MoveWidth + Gap), y, MoveWidth, 27);
        } else if (oneRow) {
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            b->setGeometry(x + 4 * (MoveWidth + Gap) + (slot - 4) * (commandWidth + Gap), y, commandWidth, 27);
        } else {
            // The moves in one row, the commands below them with room for their captions.
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            if (slot < 4)
                b->setGeometry(x + slot * 110, y, 108, 27);
            else
                b->setGeometry(x + (slot - 4) * 190, y + 30, 185, 27);
        }
        QObject::connect(b, &QToolButton::clicked, surface, [window, command] { shell::runReported(window, command); });
        return b;
    };
    buttons.first = button(20, 0, QStringLiteral("Erste Position"), [&items] { items.first(); });
    buttons.prior = button(21, 1, QStringLiteral("Vorherige Position"), [&items] {
        if (!items.bof())
            items.prior();
    });
    buttons.next = button(22, 2, QStringLiteral("Nächste Position"), [&items] {
        if (!items.eof())
            items.next();
    });
    buttons.last = button(23, 3, QStringLiteral("Letzte Position"), [&items] { items.last(); });
    buttons.add = button(24, 4, QStringLiteral("Position hinzufügen"), commands.add);
    if (oneRow) {
        buttons.remove = button(25, 5, QStringLiteral("Aktuelle Position löschen"), commands.remove);
        buttons.edit = button(26, 6, QStringLiteral("Aktuelle Position bearbeiten"), commands.edit);
    } else {
        buttons.edit = button(25, 5, QStringLiteral("aktuelle Position bearbeiten"), commands.edit);
        buttons.remove = button(26, 6, QStringLiteral("Aktuelle Position löschen"), commands.remove);
    }
    return buttons;
}

QMenu *createBoxTextMenu(
    shell::EntryWindow &window, const QString &objectName, const QString &field, const QVector<BoxText> &texts)
{
    auto *menu = new QMenu(&window);
    menu->setObjectName(objectName);
    for (const BoxText &entry : texts) {
        QAction *action = menu->addAction(entry.caption);
        QObject::connect(action, &QAction::triggered, &window, [&window, field, entry] {
            shell::runReported(&window, [&window, field, entry] {
                Table &head = window.head();
                shell::EditIfBrowsing(head);
                platform::Field target = head.fieldByName(field);
                const QString current = target.asString();
                // The field cuts what it cannot hold.
                target.setAsString(entry.before ? entry.text + current : current + entry.text);
            });
        });
    }
    return menu;
}

QToolButton *createBoxTextButton(QWidget *surface, const QString &objectName, const QRect &geometry, QMenu *menu)
{
    auto *button = new QToolButton(surface);
    button->setObjectName(objectName);
    button->setText(QStringLiteral("..."));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, button,
        [button, menu] { shell::runReported(button, [menu] { menu->popup(QCursor::pos()); }); });
    return button;
}

QToolButton *createBox44InformationButton(
    QWidget *surface, QWidget *window, const QString &objectName, const QString &text, const QRect &geometry)
{
    auto *button = new QToolButton(surface);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(QStringLiteral("Information zu Feld 44 - Keine Übernahme "));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, window, [window] {
        shell::runReported(window, [window] {
            masterdata::TfrmInfoF44 information(window);
            information.exec();
        });
    });
    return button;
}

QVector<BoxText> box14RepresentationTexts()
{
    return {
        { QStringLiteral("1 - Anmelder"), QStringLiteral("[1] ") },
        { QStringLiteral("2 - Vertreter (direkte Vertretung im Sinne von Artikel 5 Abs. 2 erster Gedankenstrich "
                         "Zollkodex)"),
            QStringLiteral("[2] ") },
        { QStringLiteral("3- -Vertreter (indirekte Vertretung im Sinne von Artikel 5 Abs. 2 zweiter Gedankenstrich "
                         "Zollkodex)"),
            QStringLiteral("[3] ") },
    };
}

QVector<BoxText> box14RoleTexts()
{
    return {
        { QStringLiteral("Ausführer -00400"), QStringLiteral("Ausführer - 00400"), false },
        { QStringLiteral("Versender -00300"), QStringLiteral("Versender - 00300"), false },
    };
}

} // namespace sad
