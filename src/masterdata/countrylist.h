#pragma once

#include <QVector>

namespace platform {
class Session;
}

namespace masterdata {

// One delivered row of the country table S_LANDBZ.DB.
struct CountryRow {
    const char *land; // statistical number
    const char *lkz; // ISO alpha-2 code
    const char *bez; // German name
    const char *english;
    const char *spanish;
    const char *french;
    const char *portuguese;
};

QVector<CountryRow> deliveredCountries();

// The data-directory step that gives an empty country table the delivered
// countries; a table holding any row is left alone.
void fillCountryTable(platform::Session &session);

} // namespace masterdata
