#pragma once

#include <QObject>

namespace platform {
class Table;
}

namespace shell {

// The shared lookup data module: six master tables of the data directory,
// open for as long as the main window lives, for the type-ahead lookups of
// the entry windows. A table the data directory does not hold (yet) stays
// closed and null.
class TfrmData1 : public QObject
{
    Q_OBJECT
public:
    explicit TfrmData1(QObject *parent = nullptr);
    ~TfrmData1() override;

    platform::Table *tbKunden = nullptr; // S_KUNDEN.DB
    platform::Table *tbPackst = nullptr; // S_PACKST.DB
    platform::Table *tbWare = nullptr; // S_WARENN.DB
    platform::Table *tbSpedit = nullptr; // S_SPEDIT.DB
    platform::Table *tbVersand = nullptr; // S_VERSAN.DB
    platform::Table *tbLand = nullptr; // S_LANDBZ.DB
};

// The program-wide instance, created after the main window.
extern TfrmData1 *frmData1;

} // namespace shell
