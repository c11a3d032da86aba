#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {

// A Windows-style INI file: sections and keys are found ignoring case,
// comments, other sections and the order of keys are kept on writing.
// Values are read as the text after '=' without surrounding blanks.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }
    bool exists() const;

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    double readFloat(const QString &section, const QString &key, double defaultValue) const;
    QDate readDate(const QString &section, const QString &key, const QDate &defaultValue) const;

    // Changes are kept in memory until save().
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeFloat(const QString &section, const QString &key, double value);
    void writeDate(const QString &section, const QString &key, const QDate &value);
    void deleteKey(const QString &section, const QString &key);
    void eraseSection(const QString &section);

    // Writes the file (creating it); false when it cannot be written.
    bool save();

private:
    struct Line {
        QString text;     // the line as it stands (comments, blank lines, other)
        QString key;      // non-empty for key lines
        QString value;
    };
    struct Section {
        QString name;     // empty for lines before the first section
        QString header;   // the header line as written
        QVector<Line> lines;
    };

    void load();
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    const Line *findLine(const QString &section, const QString &key) const;

    QString m_path;
    QVector<Section> m_sections;
    bool m_loaded = false;
};

} // namespace platform
