// Shared main of the test programs: the program's application object on
// the offscreen platform, a German workstation and a fixed clock. An
// exception that reaches the event loop fails the running test instead of
// opening the error dialog.
#include "platform/clock.h"
#include "platform/localformat.h"
#include "shell/application.h"
#include "support/childprocess.h"
#include "support/testserver.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// A run with every data directory's tables on the test server: without the
// server its tests skip, except under CI, where they fail.
class ServerTablesEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { REQUIRE_TEST_SERVER(); }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
    platform::Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 3, 9)));
    shell::Application app(argc, argv);
    shell::Application::setExceptionHandler([](const shell::CrashReport &report) {
        ADD_FAILURE() << "exception reached the event loop: " << report.className.toStdString() << ": "
                      << report.message.toStdString() << " in " << report.origin.toStdString();
    });
    if (const int childResult = testsupport::runChildRoutineIfAsked(); childResult >= 0)
        return childResult;
    ::testing::InitGoogleTest(&argc, argv);
    if (testsupport::serverTablesRequested())
        ::testing::AddGlobalTestEnvironment(new ServerTablesEnvironment);
    return RUN_ALL_TESTS();
}
