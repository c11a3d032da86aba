// Shared main of the test programs: a QApplication on the offscreen
// platform, a German workstation and a fixed clock.
#include "platform/clock.h"
#include "platform/localformat.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
    platform::Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 3, 9)));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
