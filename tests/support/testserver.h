#pragma once

#include "platform/postgresbackend.h"

#include <QString>

namespace testsupport {

// The throwaway PostgreSQL server of a test run (scripts/postgres-test-server):
// the file named by EV_TEST_POSTGRES holds its connection. A test program
// run with EV_TEST_SERVER_TABLES naming that file instead keeps every test
// directory's tables on that server, each in a fresh database of its own.
bool serverTablesRequested();

// Whether the server is there; when not, why (for the skip or failure).
bool testServerAvailable(QString *why);

// A new empty database on the test server, as a data directory's
// connection file names it. Throws std::runtime_error when the server is
// not there.
platform::ServerConnection createTestDatabase();
// Removes a database createTestDatabase made (connections still open on it
// are ended).
void dropTestDatabase(const platform::ServerConnection &connection);
// Runs statements as the server's administrator on a database of it.
void runOnTestServer(const QString &database, const QStringList &statements);

} // namespace testsupport

// In a test that needs the server: skips it where there is none, except
// under CI, where a missing server fails the test.
#define REQUIRE_TEST_SERVER()                                                                          \
    do {                                                                                               \
        QString why_;                                                                                  \
        if (!testsupport::testServerAvailable(&why_)) {                                                \
            if (qgetenv("CI") == "true")                                                               \
                FAIL() << "PostgreSQL test server missing under CI: " << why_.toStdString();           \
            GTEST_SKIP() << "no PostgreSQL test server (" << why_.toStdString()                        \
                         << "); run the tests through ctest or scripts/test";                          \
        }                                                                                              \
    } while (false)
