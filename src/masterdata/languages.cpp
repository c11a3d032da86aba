#include "masterdata/languages.h"

#include "masterdata/masterdatatables.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace masterdata {

const QVector<TextLanguage> &textLanguages()
{
    static const QVector<TextLanguage> languages = {
        { QStringLiteral("d"), QStringLiteral("Deutsch") },
        { QStringLiteral("e"), QStringLiteral("Englisch") },
        { QStringLiteral("f"), QStringLiteral("Französisch") },
        { QStringLiteral("p"), QStringLiteral("Portugiesisch") },
        { QStringLiteral("s"), QStringLiteral("Spanisch") },
    };
    return languages;
}

int languageNumber(const QString &key)
{
    const QVector<TextLanguage> &languages = textLanguages();
    for (int i = 0; i < languages.size(); ++i) {
        if (languages.at(i).key.compare(key, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

void fillLanguageTable(platform::Session &session)
{
    platform::Table languages(platform::Alias::Data, Tables::Languages);
    languages.setSession(&session);
    languages.open();
    if (!languages.isEmpty())
        return;

    platform::Table parameter(platform::Alias::Data, shell::ParameterTableName);
    parameter.setSession(&session);
    parameter.open();
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names.append(parameter.isEmpty() ? QString() : parameter.value(QStringLiteral("Sprache%1").arg(i)).toString());
    if (!parameter.isEmpty()
        && std::all_of(names.cbegin(), names.cend(), [](const QString &n) { return n.isEmpty(); })) {
        parameter.edit();
        for (int i = 0; i < 5; ++i) {
            names[i] = textLanguages().at(i).name;
            parameter.setValue(QStringLiteral("Sprache%1").arg(i + 1), names.at(i));
        }
        parameter.post();
    }
    for (int i = 0; i < 5; ++i) {
        languages.append();
        languages.setValue(QStringLiteral("Skz"), textLanguages().at(i).key);
        languages.setValue(QStringLiteral("Sprache"), names.at(i).isEmpty() ? textLanguages().at(i).name : names.at(i));
        languages.post();
    }
}

Tfrmsprachen::Tfrmsprachen(QWidget *parent)
    : QDialog(parent)
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
    , btnAbbruch(new QPushButton(QStringLiteral("Abbruch"), this))
{
    setObjectName(QStringLiteral("frmsprachen"));
    setWindowTitle(QStringLiteral("Parameter - Sprachen"));
    auto *fields = new QFormLayout;
    platform::Table *parameter = shell::mainState().tbParameter;
    for (int i = 1; i <= 5; ++i) {
        auto *edit = new platform::DataEdit(this);
        edit->setObjectName(QStringLiteral("DBEdit%1").arg(i));
        if (parameter)
            edit->bind(parameter, QStringLiteral("Sprache%1").arg(i));
        fields->addRow(new QLabel(QStringLiteral("Sprache %1").arg(i), this), edit);
        m_edits.append(edit);
    }
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnAbbruch->setObjectName(QStringLiteral("btnAbbruch"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnAbbruch);
    auto *main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(buttons);
    shell::applyRaisedButtonLook(this);
}

} // namespace masterdata
