#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QKeyEvent;
class QGroupBox;
class QPushButton;

namespace shell {

// The plausibility window of a kind as data: which edits must be filled and
// the check box that stands for each, in the order they are checked.
struct PlausibilityDefinition {
    struct Box {
        Box() = default;
        Box(const QString &control, const QString &caption, const QStringList &alsoControls = {},
            bool oneSuffices = false)
            : control(control)
            , caption(caption)
            , alsoControls(alsoControls)
            , oneSuffices(oneSuffices)
        {
        }

        QString control; // component name of the required edit: "DBEdit1"; empty: never missing
        QString caption; // its check box: "Ausführer / Exporteur"
        QStringList alsoControls; // further edits of the same box
        // false: the box is missing when any of its edits is empty; true:
        // only when all of them are (one line of an address is enough).
        bool oneSuffices = false;
        // Whether a missing box opens the window; one that does not is
        // only ticked when the window opens for another.
        bool opens = true;
        // The tick may follow edits of its own: ticked when these are
        // empty (all of them with tickOneSuffices, else any); empty list:
        // ticked when the box is missing.
        QStringList tickControls;
        bool tickOneSuffices = false;
        // The group the check box stands in: 0 the first, 1 the next ...
        int group = 0;
        // A box of a shared window this kind does not ask for: not shown
        // (give it no control, so that it is never missing).
        bool hidden = false;

        Box &notOpening()
        {
            opens = false;
            return *this;
        }
        Box &tickedWhen(const QStringList &controls, bool allEmpty)
        {
            tickControls = controls;
            tickOneSuffices = allEmpty;
            return *this;
        }
        Box &inGroup(int index)
        {
            group = index;
            return *this;
        }
    };
    // A further group of check boxes beside the first (a head and its
    // goods item in one window).
    struct Group {
        QString caption;
        QVector<int> rows; // as rows of the first group
    };
    // Where the focus goes after the window: the first step that applies.
    // A step with a box applies when that box is missing, one without when
    // its edit is empty.
    struct FocusStep {
        QString control;
        int box = -1; // 0-based index in boxes
    };

    QString objectName = QStringLiteral("frmEur1_Plausi");
    QString caption = QStringLiteral("Genehmigungsprüfung");
    QString group = QStringLiteral("Nicht ausgefüllte Felder sind markiert!");
    QVector<Box> boxes;
    QVector<int> rows; // check boxes per row: {3, 2, 3}; empty: one row each
    QVector<Group> moreGroups; // group 1, 2 ...
    // The one group shown, the others hidden at the same place (the head
    // and the goods item of a kind in one window); -1: every group.
    int onlyGroup = -1;
    QSize size { 465, 188 };
    // Empty: the first empty edit of the first missing box.
    QVector<FocusStep> focusOrder;
    QString correctCaption = QStringLiteral("Korrigieren");
    QString closeCaption = QStringLiteral("Schließen");
    bool boldGroupTitle = false;
    // Escape chooses "Korrigieren" (the window's cancel button), so that
    // a hasty Escape keeps the entry window open.
    bool escapeCorrects = false;
};

// The window that lists the empty required boxes: a disabled group of check
// boxes (CheckBox1 ...) that the caller ticks, "Korrigieren" (result
// Korrigieren) and "Schließen" (Cancel, as is the window's close box).
class PlausibilityDialog : public QDialog
{
    Q_OBJECT
public:
    // The modal result of "Korrigieren" (the retry result of the old forms).
    static constexpr int Korrigieren = 4;
    static constexpr int Schliessen = 2;

    explicit PlausibilityDialog(const PlausibilityDefinition &definition, QWidget *parent = nullptr);

    QCheckBox *checkBox(int index) const; // 0-based: CheckBox1 is 0
    int checkBoxCount() const { return int(m_boxes.size()); }

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *group(int index) const; // 0: GroupBox1
    QPushButton *BtnKorrigieren = nullptr;
    QPushButton *BtnSchliessen = nullptr;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QVector<QCheckBox *> m_boxes;
    QVector<QGroupBox *> m_groups;
    bool m_escapeCorrects = false;
};

} // namespace shell
