#include "startupfixture.h"

#include "platform/registry.h"
#include "shell/kindtable.h"
#include "shell/tfrmmain.h"
#include "shell/windowfactories.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace shell;

namespace {

TEST(MainWindowTest, EveryPlaceOfAKindOpensItsRegisterFactory)
{
    testsupport::StartupFixture f;
    QStringList opened;
    for (const auto &kind : kindTable())
        if (kind.action == KindAction::Register)
            registerKindFactory(kind.key, [&opened, key = kind.key](QWidget *) {
                opened.append(key);
                return nullptr;
            });
    TfrmMain window;
    window.updateEnabledStates();
    int places = 0;
    for (const auto &kind : kindTable()) {
        if (kind.action != KindAction::Register)
            continue;
        const QString key = kind.key;
        QVector<std::function<void()>> triggers;
        if (QAction *a = window.menuAction(key))
            triggers.append([a] { a->trigger(); });
        if (QAction *a = window.popupAction(key))
            triggers.append([a] { a->trigger(); });
        if (QAction *a = window.parcelAction(key))
            triggers.append([a] { a->trigger(); });
        if (QToolButton *b = window.toolButton(key))
            triggers.append([b] { b->click(); });
        EXPECT_EQ(triggers.size(),
            (kind.menu.group != MenuGroup::None) + (kind.popup.group != MenuGroup::None)
                + (kind.parcelMenu.group != MenuGroup::None) + (kind.button.column != ButtonColumn::None))
            << key.toStdString();
        EXPECT_FALSE(triggers.isEmpty()) << key.toStdString() << " can be opened from somewhere";
        for (const auto &trigger : triggers) {
            opened.clear();
            trigger();
            EXPECT_EQ(opened, QStringList { key }) << key.toStdString();
            ++places;
        }
    }
    EXPECT_GT(places, 100);
    for (const auto &kind : kindTable())
        unregisterWindowFactory(kind.key);
}

TEST(MainWindowTest, EntriesWithoutAFactoryAreDisabledAndComeAliveWithOne)
{
    testsupport::StartupFixture f;
    TfrmMain window;
    window.updateEnabledStates();
    EXPECT_FALSE(window.menuAction(QStringLiteral("EUR1"))->isEnabled());
    EXPECT_FALSE(window.toolButton(QStringLiteral("EUR1"))->isEnabled());
    EXPECT_FALSE(window.toolButton(QStringLiteral("Paketdienste"))->isEnabled());
    EXPECT_FALSE(window.toolButton(QStringLiteral("Gueterfrachtverkehr"))->isEnabled());
    EXPECT_FALSE(window.windowAction(QStringLiteral("TfrmKunden"))->isEnabled());

    int shown = 0;
    registerKindFactory(QStringLiteral("EUR1"), [&shown](QWidget *parent) {
        auto *dialog = new QDialog(parent);
        QObject::connect(dialog, &QDialog::finished, [&shown] { ++shown; });
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        return dialog;
    });
    registerKindFactory(QStringLiteral("UPS"), [](QWidget *) { return nullptr; });
    window.updateEnabledStates();
    EXPECT_TRUE(window.menuAction(QStringLiteral("EUR1"))->isEnabled());
    EXPECT_TRUE(window.popupAction(QStringLiteral("EUR1"))->isEnabled());
    EXPECT_TRUE(window.toolButton(QStringLiteral("EUR1"))->isEnabled());
    EXPECT_TRUE(window.toolButton(QStringLiteral("Paketdienste"))->isEnabled()) << "one courier suffices";
    EXPECT_FALSE(window.toolButton(QStringLiteral("Paketkarte"))->isEnabled());
    window.toolButton(QStringLiteral("EUR1"))->click();
    EXPECT_EQ(shown, 1) << "created, shown modally and freed";
    EXPECT_TRUE(window.findChildren<QDialog *>().isEmpty());
    unregisterWindowFactory(QStringLiteral("EUR1"));
    unregisterWindowFactory(QStringLiteral("UPS"));
}

TEST(MainWindowTest, KindTableTextsAsTheClerksKnowThem)
{
    const KindEntry *shipper = findKind(QStringLiteral("Shippers"));
    ASSERT_NE(shipper, nullptr);
    EXPECT_EQ(shipper->menu.text, QStringLiteral("&Shipper`s Declaration"));
    EXPECT_EQ(shipper->button.caption, QStringLiteral("Shipper`s "));
    EXPECT_EQ(shipper->button.tooltip, QStringLiteral("Shipper´s Declaration erfassen"));
    EXPECT_EQ(findKind(QStringLiteral("EUR2"))->button.visible, false);
    EXPECT_EQ(findKind(QStringLiteral("UPS"))->parcelMenu.text, QStringLiteral("UPS - Frachtbrief    "));
    QSet<int> numbers;
    for (const auto &kind : kindTable())
        if (kind.number > 0)
            numbers.insert(kind.number);
    EXPECT_EQ(numbers.size(), 28) << "the dispatcher's 28 kinds";
}

TEST(MainWindowTest, ClockTextInGermanWhateverTheLocale)
{
    struct Case {
        QDateTime time;
        const char *text;
    };
    const Case cases[] = {
        { QDateTime(QDate(2024, 3, 5), QTime(14, 3, 9)), "Dienstag den 05. März 2024, 14:03:09" },
        { QDateTime(QDate(2023, 12, 31), QTime(0, 0, 0)), "Sonntag den 31. Dezember 2023, 00:00:00" },
        { QDateTime(QDate(2025, 1, 20), QTime(9, 5, 59)), "Montag den 20. Januar 2025, 09:05:59" },
    };
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto &c : cases)
        EXPECT_EQ(TfrmMain::clockText(c.time), QString::fromUtf8(c.text));
    QLocale::setDefault(before);

    testsupport::StartupFixture f;
    TfrmMain window;
    window.showClock();
    EXPECT_EQ(window.clockPanelText(), "Dienstag den 05. März 2024, 14:03:09") << "the program's clock";
}

TEST(MainWindowTest, PaymentOrderProgramFoundThroughItsAppPathsEntry)
{
    testsupport::StartupFixture f;
    const QString key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quendora.exe");
    QDir(f.dir->path()).mkpath(QStringLiteral("Quendora"));
    QDir(f.dir->path()).mkpath(QStringLiteral("Leer"));
    f.writeFile(QStringLiteral("Quendora/Quendora.exe"), "#!/bin/sh\n");
    struct Case {
        QString path;
        QString found;
    };
    const QString program = f.dir->filePath(QStringLiteral("Quendora/Quendora.exe"));
    const Case cases[] = {
        { QString(), QString() },
        { f.dir->filePath(QStringLiteral("Leer")), QString() },
        { f.dir->filePath(QStringLiteral("Quendora")), program },
        { f.dir->filePath(QStringLiteral("Quendora/")), program },
    };
    platform::Registry user(platform::Registry::Root::CurrentUser);
    for (const auto &c : cases) {
        user.writeString(key, QStringLiteral("Path"), c.path);
        EXPECT_EQ(TfrmMain::paymentOrderProgram(), c.found) << c.path.toStdString();
    }
}

TEST(MainWindowTest, MissingManualIsReportedWithTheShellText)
{
    testsupport::StartupFixture f;
    TfrmMain window;
    window.Handbuch();
    ASSERT_EQ(f.dialogs.calls().size(), 1);
    EXPECT_EQ(f.dialogs.calls().at(0).kind, platform::DialogKind::Error);
    EXPECT_EQ(f.dialogs.calls().at(0).text, "Datei wurde nicht gefunden !");
    EXPECT_EQ(TfrmMain::shellErrorText(31), "") << "any other result: the box without text";
}

} // namespace
