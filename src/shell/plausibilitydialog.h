#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QVector>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace shell {

// The plausibility window of a kind as data: which edits must be filled and
// the check box that stands for each, in the order they are checked.
struct PlausibilityDefinition {
    struct Box {
        QString control; // component name of the required edit: "DBEdit1"
        QString caption; // its check box: "Ausführer / Exporteur"
    };

    QString objectName = QStringLiteral("frmEur1_Plausi");
    QString caption = QStringLiteral("Genehmigungsprüfung");
    QString group = QStringLiteral("Nicht ausgefüllte Felder sind markiert!");
    QVector<Box> boxes;
    QVector<int> rows; // check boxes per row: {3, 2, 3}; empty: one row each
    QSize size { 465, 188 };
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
    QPushButton *BtnKorrigieren = nullptr;
    QPushButton *BtnSchliessen = nullptr;

    void reject() override;

private:
    QVector<QCheckBox *> m_boxes;
};

} // namespace shell
