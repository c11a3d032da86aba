#pragma once

#include "shell/documentkind.h"
#include "shell/plausibilitydialog.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>

class QAbstractButton;
class QKeyEvent;
class QAction;
class QLabel;
class QScrollArea;
class QTabWidget;

namespace platform {
class Table;
}

namespace shell {

class DocumentRegister;
class EntryWindow;

// Colours of an input control: ordinary (clWindow) and fixed in the
// template (clActiveBorder). The colour is what the fixed-field toggle reads.
inline const QColor WindowColor = QColor(0xFF, 0xFF, 0xFF);
inline const QColor ActiveBorderColor = QColor(0xB4, 0xB4, 0xB4);

// Ends the box description of a control with a pick list.
inline const QString PickHintSuffix = QStringLiteral(" - (hier besteht eine Übernahmemöglichkeit)");

enum class EntryControlKind { Edit, Memo, CheckBox, RadioGroup };

// One input control of an entry window, bound to a field of the document.
// Its component name is stored data: the fixed-field lists hold it.
// Written with the builders:
//
//     EntryControl::edit("DBEdit1", "we1_1").at(0, 10, 30, 300, 21)
//         .hint("1 Ausführer / Exporteur").pick(0).enterScrollsTo(0),
struct EntryControl {
    EntryControlKind kind = EntryControlKind::Edit;
    QString name;
    QString field;
    int page = 0;
    QRect geometry; // inside the page's scroll box, pixels
    QString hintText; // status panel 0 while it has the focus
    bool hintStaysOnExit = false; // leaving it leaves panel 0 as it is
    int pickIndex = -1; // the pick button F9 clicks; -1: none
    bool pickHintSuffix = true; // a pick's box description ends with PickHintSuffix
    bool scrollsOnExit = false; // leaving it scrolls by CalcScrollStep
    bool postsOnExit = false; // leaving it posts the document when it is being edited
    int scrollOnEnter = -1; // entering it sets this scroll position
    int scrollOnLeave = -1; // leaving it sets this scroll position
    int pageOnExit = -1; // leaving it shows this page
    QString caption; // check box text, radio group title
    QStringList items; // radio group
    QStringList values; // radio group values; empty: the captions
    QVariant checkedValue = true; // check box
    QVariant uncheckedValue = false;
    int decimals = -1; // an edit shows its number with these decimals
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter; // an edit's text
    QColor focusColor; // check box while it has the focus
    QColor focusTextColor;
    QColor leaveColor; // check box after it lost the focus; invalid: as before
    QColor leaveTextColor;
    // A check box this control colours with the box's focus colours while it
    // has the focus (the edit for the text of an "other" option).
    QString highlights;
    // Labels (by name) a check box colours with its focus colours while it
    // has the focus.
    QStringList colouredLabels;
    QColor color; // background of an edit or memo; invalid: clWindow
    // F9 released in the edit clicks the button of the window with this
    // object name (a pick button or any other); F9 does nothing when no
    // button has the name.
    QString hotKeyButton;
    // Check boxes of two exclusive choices: a click on this one sets that
    // check box to the opposite of this one's new state, without that box's
    // own click handling.
    QString opposite;
    // A check box in the font of the input fields
    // (EingabeFelderFont), not in that of the form's captions.
    bool inputFont = false;

    static EntryControl edit(const QString &name, const QString &field);
    static EntryControl memo(const QString &name, const QString &field);
    static EntryControl checkBox(const QString &name, const QString &field, const QString &caption);
    static EntryControl radioGroup(const QString &name, const QString &field, const QString &caption,
        const QStringList &items, const QStringList &values = {});

    EntryControl &at(int pageIndex, int x, int y, int width, int height)
    {
        page = pageIndex;
        geometry = QRect(x, y, width, height);
        return *this;
    }
    EntryControl &hint(const QString &text)
    {
        hintText = text;
        return *this;
    }
    EntryControl &keepHintOnExit()
    {
        hintStaysOnExit = true;
        return *this;
    }
    EntryControl &withDecimals(int count)
    {
        decimals = count;
        return *this;
    }
    EntryControl &rightAligned()
    {
        alignment = Qt::AlignRight | Qt::AlignVCenter;
        return *this;
    }
    EntryControl &pick(int index)
    {
        pickIndex = index;
        return *this;
    }
    // The box description is shown as given, also with a pick.
    EntryControl &plainHint()
    {
        pickHintSuffix = false;
        return *this;
    }
    EntryControl &scrollOnExit()
    {
        scrollsOnExit = true;
        return *this;
    }
    EntryControl &postOnExit()
    {
        postsOnExit = true;
        return *this;
    }
    EntryControl &enterScrollsTo(int position)
    {
        scrollOnEnter = position;
        return *this;
    }
    EntryControl &exitScrollsTo(int position)
    {
        scrollOnLeave = position;
        return *this;
    }
    EntryControl &exitShowsPage(int pageIndex)
    {
        pageOnExit = pageIndex;
        return *this;
    }
    EntryControl &checkValues(const QVariant &checked, const QVariant &unchecked)
    {
        checkedValue = checked;
        uncheckedValue = unchecked;
        return *this;
    }
    EntryControl &focusColors(const QColor &background, const QColor &text = {})
    {
        focusColor = background;
        focusTextColor = text;
        return *this;
    }
    EntryControl &leaveColors(const QColor &background, const QColor &text = {})
    {
        leaveColor = background;
        leaveTextColor = text;
        return *this;
    }
    EntryControl &colouring(const QStringList &labels)
    {
        colouredLabels = labels;
        return *this;
    }
    EntryControl &highlighting(const QString &checkBox)
    {
        highlights = checkBox;
        return *this;
    }
    EntryControl &colored(const QColor &background)
    {
        color = background;
        return *this;
    }
    EntryControl &hotKeyClicks(const QString &buttonName)
    {
        hotKeyButton = buttonName;
        return *this;
    }
    EntryControl &opposing(const QString &checkBox)
    {
        opposite = checkBox;
        return *this;
    }
    EntryControl &inInputFont()
    {
        inputFont = true;
        return *this;
    }
};

// A caption of the form. A label may toggle a check box when clicked.
struct EntryLabel {
    QString text;
    int page = 0;
    QRect geometry;
    QString name;
    std::optional<QFont> font; // else FormularAnzeigeFont
    QColor color; // invalid: the font's colour
    QString toggles; // check box a click toggles
    bool wraps = false; // a long text breaks into lines within the width

    static EntryLabel at(const QString &text, int page, int x, int y, int width = 0, int height = 0);
    EntryLabel &named(const QString &value)
    {
        name = value;
        return *this;
    }
    EntryLabel &withFont(const QFont &value, const QColor &textColor = {})
    {
        font = value;
        color = textColor;
        return *this;
    }
    EntryLabel &toggling(const QString &checkBox)
    {
        toggles = checkBox;
        return *this;
    }
    EntryLabel &wrapping()
    {
        wraps = true;
        return *this;
    }
};

// The fields a pick window gives the document, field name and text, or
// nothing when the pick was cancelled.
using PickValues = QVector<QPair<QString, QString>>;

// A pick button beside a box: it runs a pick window of the master data and
// writes what was chosen into the box's fields.
struct EntryPick {
    QString name; // "SpeedButton1"
    int page = 0;
    QRect geometry;
    std::function<std::optional<PickValues>(EntryWindow &)> run;
    QString focusAfter; // the control that takes the focus after a choice
    QString focusAfterCancel; // and after a cancel; empty: it stays
};

// When a pick puts the document into edit state and whether it posts.
enum class PickProtocol {
    EditPickPost, // edit, pick, write on a choice, post always
    PickEditPost, // pick; on a choice edit, write and post
};

struct EntryPage {
    QString caption; // tab caption; a single page without caption has no tabs
    int height = 0; // height of its scrolling surface; 0: the window's
};

// An entry window as data: pages with their scroll boxes, captions, the
// input controls in tab order, pick buttons and the plausibility check.
struct EntryWindowDefinition {
    QString objectName; // "frmEur1"
    QString caption; // "EUR. 1"
    QSize size { 792, 552 };
    QVector<EntryPage> pages { EntryPage {} };
    QVector<EntryLabel> labels;
    QVector<EntryControl> controls;
    QVector<EntryPick> picks;
    PickProtocol pickProtocol = PickProtocol::EditPickPost;
    std::optional<PlausibilityDefinition> plausibility;
    // The mouse wheel over any part of the window scrolls the current page,
    // not only over its scroll box.
    bool wheelScrollsFromAnywhere = false;
    // Closing posts the parameter record too.
    bool closePostsParameter = false;
    // The status bar with the box description and the document number.
    bool statusBar = true;
    // The caption of the print window "&Drucken" opens, before the number;
    // empty: the kind's.
    QString printCaptionPrefix;
    // The template's fixed fields (F6, the kind's Memo_ field) apply; a
    // window over the goods items of a document has none.
    bool fixedFieldList = true;
    // When set, a third panel between the two shows this text always; the
    // document number then stands in the last panel.
    QString fixedStatusText;
    // F6 marks or frees a fixed field when it is released, not when pressed.
    bool fixedFieldOnKeyUp = false;
    // F6 marks fixed fields at all; false: the list is only read here.
    bool fixedFieldKey = true;
};

// The entry window of a document kind, built from its EntryWindowDefinition over
// the register's tables: edits bound to the document, box descriptions in
// the status bar, pick buttons (also F9), the template's fixed fields (F6),
// Enter as Tab, scrolling on leaving boxes and by the wheel, posting on
// closing and before printing, and the plausibility check.
class EntryWindow : public DocumentEntryWindow
{
    Q_OBJECT
public:
    // head: a table of the kind's own instead of the register's head.
    EntryWindow(DocumentRegister &documentRegister, EntryWindowDefinition definition, QWidget *parent = nullptr,
        platform::Table *head = nullptr);
    ~EntryWindow() override;

    void setNumberText(const QString &text) override;

    DocumentRegister &documentRegister() const { return m_register; }
    platform::Table &head() const { return *m_head; }
    platform::Table &parameter() const;
    const EntryWindowDefinition &definition() const { return m_definition; }
    bool isTemplateDocument() const { return m_template; }

    QWidget *control(const QString &name) const;
    QAbstractButton *pickButton(int index) const;
    QTabWidget *pageControl() const { return m_pages; }
    QScrollArea *scrollBox(int page) const;
    QLabel *label(const QString &name) const;
    QString statusText(int panel) const;
    // A panel of the status bar (0 to 2); nothing when the window has none.
    void setStatusText(int panel, const QString &text);
    // The fixed-field list of the kind, one component name a line.
    QStringList fixedFields() const;

    QAction *mnuDrucken = nullptr;
    QAction *mnuSchliessen = nullptr;

    // F6 in an edit of the template: marks it fixed or frees it again.
    void toggleFixedField(QWidget *edit);
    // A pick button: the pick window, its fields into the document.
    void runPick(int index);
    // Whether the window may close or print; shows the plausibility window
    // when the kind's switch is on and required boxes are empty.
    virtual bool plausibilityCheck();
    // "&Drucken": posts, checks and prints as the register does.
    void printDocument();
    // Shows the control's page and scrolls to it; the focus when it can take it.
    void focusControl(const QString &name);

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Posts the document when it is being edited; false keeps the window open.
    virtual bool formClose();
    // Every key released in an input control, after the hot key (F9) has
    // clicked its button.
    virtual void controlKeyReleased(const EntryControl &control, QWidget *widget, QKeyEvent *event);

private:
    struct ControlInfo {
        const EntryControl *definition = nullptr;
        QWidget *widget = nullptr;
    };

    void build();
    void applyFixedFields();
    void watchChildren();
    const EntryControl *definitionOf(QObject *object) const;
    void controlEntered(const EntryControl &control, QWidget *widget);
    // reason: how the focus left (Tab goes on in a page turned to).
    void controlLeft(const EntryControl &control, QWidget *widget, Qt::FocusReason reason);
    // Focus colours of a check box, and the colours it takes back.
    void colourFocused(const EntryControl &box, QWidget *widget);
    void colourLeft(const EntryControl &box, QWidget *widget);
    const EntryControl *controlDefinition(const QString &name) const;
    bool wheel(QObject *watched, QWheelEvent *event);
    QString memoField() const;
    // An edit or memo without text; blanks count as content.
    bool isEmptyControl(const QString &name) const;

    DocumentRegister &m_register;
    EntryWindowDefinition m_definition;
    platform::Table *m_head = nullptr;
    bool m_template = false;
    QTabWidget *m_pages = nullptr;
    QVector<QScrollArea *> m_scrollBoxes;
    QVector<ControlInfo> m_controls;
    QVector<QAbstractButton *> m_pickButtons;
    QLabel *m_panels[3] = {};
    int m_numberPanel = 1;
    QHash<QWidget *, QPalette> m_savedPalettes;
    bool m_closing = false;
};

} // namespace shell
