#include "platform/inifile.h"

#include "platform/localformat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    load();
}

bool IniFile::exists() const
{
    return QFileInfo::exists(m_path);
}

void IniFile::load()
{
    m_sections.clear();
    m_sections.append(Section{});
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // Our own files are UTF-8; older ones were written in Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder cp1252("windows-1252");
        text = cp1252.isValid() ? cp1252.decode(bytes) : QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString raw = lines.at(i);
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        if (i == lines.size() - 1 && raw.isEmpty())
            break;
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'))) {
            Section s;
            s.name = trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
            s.header = raw;
            m_sections.append(s);
            continue;
        }
        Line line;
        line.text = raw;
        const int eq = raw.indexOf(QLatin1Char('='));
        if (eq > 0 && !trimmed.startsWith(QLatin1Char(';')) && !trimmed.startsWith(QLatin1Char('#'))) {
            line.key = raw.left(eq).trimmed();
            QString value = raw.mid(eq + 1).trimmed();
            if (value.size() >= 2
                && ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                    || (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
                value = value.mid(1, value.size() - 2);
            line.value = value;
        }
        m_sections.last().lines.append(line);
    }
    m_loaded = true;
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    for (int i = 1; i < m_sections.size(); ++i)
        if (m_sections[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return &m_sections[i];
    return nullptr;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    for (int i = 1; i < m_sections.size(); ++i)
        if (m_sections[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return &m_sections[i];
    return nullptr;
}

const IniFile::Line *IniFile::findLine(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    for (const auto &line : s->lines)
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return &line;
    return nullptr;
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    return findLine(section, key) != nullptr;
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (int i = 1; i < m_sections.size(); ++i)
        names.append(m_sections[i].name);
    return names;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList names;
    if (const Section *s = findSection(section))
        for (const auto &line : s->lines)
            if (!line.key.isEmpty())
                names.append(line.key);
    return names;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? line->value : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    QString text = line->value.trimmed();
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || text.startsWith(QLatin1Char('$')))
        value = text.mid(text.startsWith(QLatin1Char('$')) ? 1 : 2).toInt(&ok, 16);
    else
        value = text.toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString &section, const QString &key, double defaultValue) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    const double value = parseNumber(line->value, &ok);
    return ok ? value : defaultValue;
}

QDate IniFile::readDate(const QString &section, const QString &key, const QDate &defaultValue) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return defaultValue;
    const QDate d = parseDate(line->value);
    return d.isValid() ? d : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section *s = findSection(section);
    if (!s) {
        Section fresh;
        fresh.name = section;
        fresh.header = QLatin1Char('[') + section + QLatin1Char(']');
        m_sections.append(fresh);
        s = &m_sections.last();
    }
    for (auto &line : s->lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) {
            line.value = value;
            line.text = line.key + QLatin1Char('=') + value;
            return;
        }
    }
    Line line;
    line.key = key;
    line.value = value;
    line.text = key + QLatin1Char('=') + value;
    // New keys go after the section's last key, before trailing blank lines.
    int at = s->lines.size();
    while (at > 0 && s->lines.at(at - 1).text.trimmed().isEmpty())
        --at;
    s->lines.insert(at, line);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    writeString(section, key, formatPlainNumber(value));
}

void IniFile::writeDate(const QString &section, const QString &key, const QDate &value)
{
    writeString(section, key, formatDate(value));
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    Section *s = findSection(section);
    if (!s)
        return;
    for (int i = 0; i < s->lines.size(); ++i) {
        if (!s->lines[i].key.isEmpty() && s->lines[i].key.compare(key, Qt::CaseInsensitive) == 0) {
            s->lines.remove(i);
            return;
        }
    }
}

void IniFile::eraseSection(const QString &section)
{
    for (int i = 1; i < m_sections.size(); ++i) {
        if (m_sections[i].name.compare(section, Qt::CaseInsensitive) == 0) {
            m_sections.remove(i);
            return;
        }
    }
}

bool IniFile::save()
{
    QString text;
    for (int i = 0; i < m_sections.size(); ++i) {
        const Section &s = m_sections.at(i);
        if (i > 0)
            text += s.header + QStringLiteral("\r\n");
        for (const auto &line : s.lines)
            text += line.text + QStringLiteral("\r\n");
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace platform
