#include "shell/tfrmupdatedatabases.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/localformat.h"
#include "platform/reportedcall.h"
#include "platform/restructure.h"
#include "platform/session.h"
#include "platform/tableschema.h"
#include "shell/settings.h"
#include "shell/tmmtimer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace shell {

namespace {

QStringList splitUpdateLine(const QString &line)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char(',') || c == QLatin1Char(';'))) {
            fields.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    fields.append(current.trimmed());
    return fields;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString hms(const QString &prefix, int hours, int minutes, int seconds)
{
    return prefix + twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds);
}

void patchFile(const QString &path, bool *found44)
{
    *found44 = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    const bool endsWithBreak = !lines.isEmpty() && lines.constLast().isEmpty();
    if (endsWithBreak)
        lines.removeLast();
    const int at = lines.indexOf(QStringLiteral("44"));
    if (at < 0)
        return;
    *found44 = true;
    if (lines.contains(QStringLiteral("44_1")))
        return;
    lines.insert(at + 1, QStringLiteral("44_3"));
    lines.insert(at + 1, QStringLiteral("44_2"));
    lines.insert(at + 1, QStringLiteral("44_1"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(lines.join(QStringLiteral("\r\n")).toLatin1());
    file.write("\r\n");
}

} // namespace

bool readUpdateList(const QString &fileName, QVector<UpdateLine> *lines, QString *error)
{
    lines->clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(fileName);
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QStringList f = splitUpdateLine(line);
        bool ok[4] = { false, false, false, false };
        UpdateLine u;
        if (f.size() == 7) {
            u.LfdNr = f.at(0).toInt(&ok[0]);
            u.Aktion = f.at(1);
            u.FeldName = f.at(2);
            u.Laenge = f.at(3).toInt(&ok[1]);
            u.Typ = f.at(4).toInt(&ok[2]);
            u.Tabelle = f.at(5);
            u.Index = f.at(6).isEmpty() ? 0 : f.at(6).toInt(&ok[3]);
            ok[3] = ok[3] || f.at(6).isEmpty();
        }
        if (f.size() != 7 || !ok[0] || !ok[1] || !ok[2] || !ok[3] || u.FeldName.isEmpty() || u.Tabelle.isEmpty()) {
            *error
                = QStringLiteral("Die Zeile %1 der Datei \"%2\" ist fehlerhaft:\r%3").arg(number).arg(fileName, line);
            return false;
        }
        lines->append(u);
    }
    return true;
}

QString fieldTypeName(int typ)
{
    static const char *const names[] = {
        "pxUnknown",
        "pxAlpha",
        "pxNumber",
        "pxMoney",
        "pxShort",
        "pxLongInteger",
        "pxBCD",
        "pxDate",
        "pxTime",
        "pxTimestamp",
        "pxMemo",
        "pxFormattedMemo",
        "pxGraphic",
        "pxOLE",
        "pxLogical",
        "pxAutoincrement",
        "pxBinary",
        "pxBytes",
        "dbCharacter",
        "dbFloat",
        "dbNumber",
        "dbDate",
        "dbMemo",
        "dbLogical",
        "dbOLE",
        "dbBinary",
        "dbLong",
        "dbDateTime",
        "dbDouble",
        "dbAutoincrement",
        "dbBytes",
        "dbLock",
    };
    if (typ < 0 || typ >= int(std::size(names)))
        return QString::number(typ);
    return QString::fromLatin1(names[typ]);
}

QString elapsedTimeText(int hours, int minutes, int seconds)
{
    return hms(QStringLiteral("Verstrichene Zeit "), hours, minutes, seconds);
}

QString remainingTimeText(int maximum, int position, int ticks)
{
    if (position <= 0)
        return QString();
    const qint64 remaining = qint64(platform::roundHalfEven(double(maximum - position) * ticks / position));
    return hms(
        QStringLiteral("Verbleibende Zeit "), int(remaining / 3600), int(remaining / 60 % 60), int(remaining % 60));
}

void patchPreStampFiles(const QString &programDirectory)
{
    const QDir dir(programDirectory);
    bool found = false;
    patchFile(dir.filePath(QStringLiteral("Vorab.TV1")), &found);
    if (found) {
        bool ignored = false;
        patchFile(dir.filePath(QStringLiteral("Vorab.TV0")), &ignored);
    }
}

TfrmUpdateDataBases::TfrmUpdateDataBases(const QString &dataDirectory, QWidget *parent)
    : QDialog(parent)
    , m_dataDirectory(dataDirectory)
{
    setObjectName(QStringLiteral("frmUpdateDataBases"));
    setWindowTitle(QStringLiteral("Update"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Damit das Programm einwandtfrei läuft,muß ein"), this);
    Label2 = new QLabel(QStringLiteral("Datenbankupdate durchgeführt werden."), this);
    for (QLabel *label : { Label1, Label2 }) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    btnStart = new QPushButton(QStringLiteral("&Starte Update"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    layout->addWidget(btnStart, 0, Qt::AlignCenter);
    lblProgress = new QLabel(this);
    layout->addWidget(lblProgress);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);
    resize(420, 170);
    MMTimer1 = new TMMTimer(this);
    MMTimer1->setEnabled(false);
    MMTimer1->setInterval(1000);
    MMTimer1->OnTimer = [this](QObject *, uint) { timerTick(); };
    connect(btnStart, &QPushButton::clicked, this, platform::reported(this, &TfrmUpdateDataBases::StarteUpdate));
    readUpdateList(ProgramDirectory() + UpdateListFileName, &m_lines, &m_listError);
}

TfrmUpdateDataBases::~TfrmUpdateDataBases() = default;

void TfrmUpdateDataBases::writeLog(const QString &line)
{
    m_log.append(line);
    QFile file(ProgramDirectory() + UpdateLogFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write((line + QLatin1Char('\n')).toUtf8());
}

void TfrmUpdateDataBases::addFile(const QString &table)
{
    const QString path = QDir(m_dataDirectory).filePath(table + QStringLiteral(".DB"));
    if (!m_files.contains(path))
        m_files.append(path);
}

void TfrmUpdateDataBases::writeSummary(const QString &table, qint64 recordsBefore, int fieldsBefore)
{
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    qint64 recordsNow = -1;
    int fieldsNow = 0;
    try {
        recordsNow = db.countRows(table);
        fieldsNow = db.storedSchemaOf(table).fieldCount();
    } catch (const platform::DatabaseError &) {
        recordsNow = -1;
    }
    writeLog(table + QStringLiteral(".DB:"));
    writeLog(QStringLiteral("Es waren %1 Datensätze vor dem Update vorhanden.").arg(recordsBefore));
    writeLog(QStringLiteral("Es waren %1 Felder vor dem Update vorhanden.").arg(fieldsBefore));
    writeLog(QStringLiteral("Es sind %1 Datensätze nach dem Update vorhanden.").arg(recordsNow));
    writeLog(QStringLiteral("Es sind %1 Felder nach dem Update vorhanden.").arg(fieldsNow));
    if (recordsNow != recordsBefore) {
        writeLog(QStringLiteral(" "));
        writeLog(QStringLiteral("ERROR - Die Anzehl der Datensätze stimmen nicht überein!!!!!!!!! "));
        writeLog(QStringLiteral(" "));
        ++m_errorCount;
        addFile(table);
    }
    writeLog(QStringLiteral(" "));
}

void TfrmUpdateDataBases::StarteUpdate()
{
    if (m_finished)
        return;
    btnStart->setEnabled(false);
    m_errorCount = 0;
    m_files.clear();
    m_log.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MMTimer1->setEnabled(true);

    QFile::remove(ProgramDirectory() + UpdateLogFileName);
    writeLog(QStringLiteral("Starte Update"));
    writeLog(QStringLiteral("DataBaseName = ") + m_dataDirectory);

    platform::Session &session = platform::Session::current();
    platform::Database &db = session.database(platform::Alias::Data);
    platform::TRestructure restructure(&session);
    restructure.Field = platform::TFieldDesc {};
    restructure.ValCheck.Required = false;
    restructure.ValCheck.LookupType = platform::ltCurrentField;
    restructure.ValCheck.LookupAccess = platform::laHelpAndFill;
    restructure.PackTable = true;
    restructure.RefInt.ModifyOperation = platform::urCascade;
    restructure.RefInt.DeleteOperation = platform::urRestrict;
    restructure.PrimaryIndexFieldCount = 0;
    const UpdateLine *current = nullptr;
    restructure.OnFieldInappropriate = [this, &current](platform::TRestructure &, const platform::TFieldDesc &) {
        m_lineNotPossible = true;
        addFile(current->Tabelle);
        ++m_errorCount;
        writeLog(QStringLiteral("ERROR - Feld: %1, Länge: %2, Typ %3, Tabelle %4")
                     .arg(current->FeldName)
                     .arg(current->Laenge)
                     .arg(fieldTypeName(current->Typ), current->Tabelle + QStringLiteral(".DB")));
    };

    if (!m_listError.isEmpty()) {
        writeLog(QStringLiteral("ERROR - ") + m_listError);
        ++m_errorCount;
    }

    ProgressBar1->setMaximum(m_lines.size());
    ProgressBar1->setValue(0);
    m_position = 0;
    // Counts of the table in hand, noted at its first line.
    QString tableInHand;
    qint64 recordsBefore = 0;
    int fieldsBefore = 0;

    for (int i = 0; i < m_lines.size(); ++i) {
        const UpdateLine &line = m_lines.at(i);
        current = &line;
        QApplication::processEvents();
        ++m_position;
        ProgressBar1->setValue(m_position);
        lblProgress->setText(
            QStringLiteral("Bearbeite Feld %1 von %2 in %3.DB").arg(m_position).arg(m_lines.size()).arg(line.Tabelle));

        // Every table gets its summary once its last line is done, the
        // last table of the list too.
        if (!tableInHand.isEmpty() && tableInHand.compare(line.Tabelle, Qt::CaseInsensitive) != 0) {
            writeSummary(tableInHand, recordsBefore, fieldsBefore);
            tableInHand.clear();
        }
        if (!db.tableExists(line.Tabelle))
            continue;

        m_lineNotPossible = false;
        bool changing = false;
        try {
            restructure.setDatabaseName(m_dataDirectory);
            restructure.setTableName(line.Tabelle + QStringLiteral(".DB"));
            const platform::TableSchema stored = db.storedSchemaOf(line.Tabelle);
            if (tableInHand.isEmpty()) {
                tableInHand = line.Tabelle;
                recordsBefore = db.countRows(line.Tabelle);
                fieldsBefore = stored.fieldCount();
            }
            const int n = stored.fieldIndex(line.FeldName) + 1;
            if (n > 0) {
                changing = true;
                restructure.LoadField(n);
                const auto oldType = restructure.Field.FieldType;
                const int oldLength = restructure.Field.Length;
                const auto newType = platform::TdBasePxFieldType(line.Typ);
                const bool lengthMatters = newType == platform::pxAlpha || newType == platform::pxMemo
                    || newType == platform::pxFormattedMemo || newType == platform::pxUnknown;
                if (newType == oldType && !(line.Laenge != oldLength && lengthMatters))
                    continue;
                restructure.Field.FieldType = newType;
                restructure.Field.Name = line.FeldName;
                restructure.Field.Length = quint16(line.Laenge);
                restructure.ModifyField(n, false);
                if (!m_lineNotPossible) {
                    restructure.DoRestructure();
                    writeLog(QStringLiteral("SUCCES AENDERUNG: Feld: %1,\tAlt-Länge: %2,\tNeu-Länge: %3,\tNeu-Typ: "
                                            "%4,\tTabelle: %5")
                                 .arg(line.FeldName)
                                 .arg(oldLength)
                                 .arg(line.Laenge)
                                 .arg(fieldTypeName(line.Typ), line.Tabelle + QStringLiteral(".DB")));
                }
            } else {
                restructure.Field = platform::TFieldDesc { line.FeldName, platform::TdBasePxFieldType(line.Typ),
                    quint16(line.Laenge), 0 };
                restructure.AddField(false);
                if (!m_lineNotPossible) {
                    restructure.DoRestructure();
                    writeLog(QStringLiteral("SUCCES NEU:       Feld: %1,\tLänge: %2,\tTyp: %3,\tTabelle: %4")
                                 .arg(line.FeldName)
                                 .arg(line.Laenge)
                                 .arg(fieldTypeName(line.Typ), line.Tabelle + QStringLiteral(".DB")));
                }
            }
        } catch (const platform::DatabaseError &) {
            if (changing) {
                writeLog(QStringLiteral("ERROR  AENDERUNG: Feld: %1,\tAlt-Länge: %2,\tNeu-Länge: %3,\tNeu-Typ %4,\t"
                                        "Tabelle %5")
                             .arg(line.FeldName)
                             .arg(restructure.Field.Length)
                             .arg(line.Laenge)
                             .arg(fieldTypeName(line.Typ), line.Tabelle + QStringLiteral(".DB")));
            } else {
                writeLog(QStringLiteral("ERROR  NEU:       Feld: %1,\tLänge: %2,\tTyp %3,\tTabelle %4")
                             .arg(line.FeldName)
                             .arg(line.Laenge)
                             .arg(fieldTypeName(line.Typ), line.Tabelle + QStringLiteral(".DB")));
            }
            ++m_errorCount;
            addFile(line.Tabelle);
        }
    }
    if (!tableInHand.isEmpty())
        writeSummary(tableInHand, recordsBefore, fieldsBefore);

    writeLog(QStringLiteral("Update Abbgeschlossen mit %1 Fehlern").arg(m_errorCount));
    writeLog(QString());
    if (m_errorCount > 0) {
        writeLog(QStringLiteral("Folgende Dateien schicken Sie bitte an: ") + SupportMailAddress);
        for (const QString &file : std::as_const(m_files))
            writeLog(file);
        writeLog(ProgramDirectory() + UpdateListFileName);
        writeLog(ProgramDirectory() + UpdateLogFileName);
    }
    m_finished = true;
    MMTimer1->setEnabled(false);
    QApplication::restoreOverrideCursor();
    if (m_errorCount > 0) {
        platform::dialogs().error(
            QStringLiteral("Beim Updaten der Datenbanken wurden %1 Fehler festgestellt.\rin dem Programmverzeichnis "
                           "finden Sie die Datei \"Log.txt\".\rAm Ende dieser Datei finden Sie eine Aufstellung welche "
                           "Datei(en) betroffen sind.\rBitte Senden Sie die in dieser Aufstellung befindlichen Dateien "
                           "an\r\r")
                .arg(m_errorCount)
            + SupportMailAddress);
    }
    patchPreStampFiles(ProgramDirectory());
    done(m_errorCount == 0 ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmUpdateDataBases::timerTick()
{
    ++m_seconds;
    ++m_ticks;
    if (m_seconds == 60) {
        m_seconds = 0;
        ++m_minutes;
    }
    if (m_minutes == 60) {
        m_minutes = 0;
        ++m_hours;
    }
    Label1->setText(elapsedTimeText(m_hours, m_minutes, m_seconds));
    if (m_position > 0)
        Label2->setText(remainingTimeText(ProgressBar1->maximum(), m_position, m_ticks));
}

void TfrmUpdateDataBases::reject()
{
    // Escape and the window's close button wait for the end of the run.
    if (m_finished)
        QDialog::reject();
}

void TfrmUpdateDataBases::closeEvent(QCloseEvent *event)
{
    if (!m_finished)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfrmUpdateDataBases::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        // Reserved for support: ends the window at any time.
        const auto all = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        if (event->key() == Qt::Key_F12 && (event->modifiers() & all) == all) {
            m_finished = true;
            MMTimer1->setEnabled(false);
            done(QDialog::Rejected);
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

} // namespace shell
