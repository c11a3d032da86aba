#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

// The about box "I&nfo": the program file's version numbers, the vendor's
// address and links.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *Version; // "Datei-Version:" and the major number
    QLabel *SubVersion; // "Unterversiom:"
    QLabel *Release; // "Ausgabe:"
    QLabel *Build; // "Built:"
    QPushButton *OKButton;
};

} // namespace shell
