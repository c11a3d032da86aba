#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace sad {

// "Parameter - Vorabstempler": moves the boxes of the first sheet between
// the list of boxes filled in for each declaration ("Unbedruckte Felder") and
// the list of boxes printed in advance ("Bedruckte Felder"); OK writes both
// list files.
class TfrmVorabstempler : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmVorabstempler(QWidget *parent = nullptr);

    // Loads the lists (the default list when the unprinted-boxes file cannot
    // be read) and shows the dialog modally; true when it ended with OK.
    bool Execute(const QString &unprintedBoxesFile, const QString &printedBoxesFile, const QStringList &defaultBoxList);

    // Loads the lists as Execute does, without showing the dialog.
    void load(const QString &unprintedBoxesFile, const QString &printedBoxesFile, const QStringList &defaultBoxList);
    // The entries of a list as written to its file.
    QStringList unprintedEntries() const;
    QStringList printedEntries() const;

    void moveRight();
    void moveLeft();
    // OK: writes both files and closes; a failed write leaves it open.
    void save();

    QListWidget *lbUnbedruckt = nullptr;
    QListWidget *lbBedruckt = nullptr;
    QPushButton *BtnRechts = nullptr;
    QPushButton *BtnLinks = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAbbruch = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    static void move(QListWidget *from, QListWidget *to);
    static QStringList entriesOf(const QListWidget *list);

    QString m_unprintedBoxesFile;
    QString m_printedBoxesFile;
    bool m_closedByButton = false;
};

} // namespace sad
