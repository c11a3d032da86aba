#pragma once

#include <QVector>

namespace platform {
class Session;
}

namespace masterdata {

// One delivered row of the country table S_LANDBZ.DB.
struct CountryRow {
    const char *land; // statistical number of the foreign-trade country list
    const char *lkz; // alpha-2 code
    const char *iso; // ISO numeric code, the number first delivered; empty where none
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

// The data-directory step that moves, once, a country table the program filled
// with the ISO numeric codes to the statistical numbers (Deutschland 276
// becomes 004), together with the customers, forwarders, shipping addresses
// and origin clauses that refer to the rows moved, and adds the delivered
// countries the table lacks by code and number (Kosovo, Ceuta, Melilla). Only
// rows as the program wrote them move; what the office entered or changed
// stays. The file "Laendernummern.txt" in the data directory records what was
// done and marks the directory as done.
void correctCountryNumbers(platform::Session &session);

} // namespace masterdata
