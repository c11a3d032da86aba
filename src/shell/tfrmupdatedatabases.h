#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace shell {

class TMMTimer;

// One line of the update list "Aenderung.txt": a field to add to a table or
// to change. Its layout: one line per change, the fields separated by
// commas or semicolons, texts optionally in double quotes:
//     1,"M","Name1",40,1,"S_KUNDEN",0
struct UpdateLine {
    int LfdNr = 0;
    QString Aktion;
    QString FeldName;
    int Laenge = 0;
    int Typ = 0; // the old engine's field type, 1 pxAlpha .. 17 pxBytes
    QString Tabelle; // without ".DB"
    int Index = 0;
};

inline const QString UpdateListFileName = QStringLiteral("Aenderung.txt");
inline const QString UpdateLogFileName = QStringLiteral("Log.txt");
inline const QString SupportMailAddress = QStringLiteral("support@brenix.example");

// The lines of an update list in stored order; blank lines are skipped.
// False (with a German message) when the file cannot be read or a line
// has not the seven fields.
bool readUpdateList(const QString &fileName, QVector<UpdateLine> *lines, QString *error);
// "pxAlpha" for 1; the name of any value of the old engine's type list.
QString fieldTypeName(int typ);
// "Verstrichene Zeit 01:02:03"
QString elapsedTimeText(int hours, int minutes, int seconds);
// The time the remaining lines will take at the speed so far.
QString remainingTimeText(int maximum, int position, int ticks);

// Inserts "44_1", "44_2" and "44_3" after the first line "44" of
// "Vorab.TV1" and then of "Vorab.TV0" in the program directory, each file
// only once: a file that already holds "44_1" stays as it is.
void patchPreStampFiles(const QString &programDirectory);

// The update window of the table structures: "&Starte Update" applies every
// line of the update list to the tables of the data directory, writes
// "Log.txt" and closes with Accepted when no error occurred.
class TfrmUpdateDataBases : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmUpdateDataBases(const QString &dataDirectory, QWidget *parent = nullptr);
    ~TfrmUpdateDataBases() override;

    void StarteUpdate();
    int errorCount() const { return m_errorCount; }
    bool finished() const { return m_finished; }
    const QStringList &filesToSend() const { return m_files; }

    void reject() override;

    QLabel *Label1;
    QLabel *Label2;
    QPushButton *btnStart;
    QLabel *lblProgress;
    QProgressBar *ProgressBar1;
    TMMTimer *MMTimer1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void timerTick();
    void writeLog(const QString &line);
    void addFile(const QString &table);
    void writeSummary(const QString &table, qint64 recordsBefore, int fieldsBefore);

    QString m_dataDirectory;
    QVector<UpdateLine> m_lines;
    QString m_listError;
    QStringList m_log;
    QStringList m_files;
    int m_errorCount = 0;
    bool m_finished = false;
    bool m_lineNotPossible = false;
    int m_position = 0;
    int m_seconds = 0, m_minutes = 0, m_hours = 0, m_ticks = 0;
};

} // namespace shell
