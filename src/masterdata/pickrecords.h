#pragma once

#include <QString>

namespace masterdata {

// A text of fixed capacity: whatever is assigned is cut to N characters, as
// the records handed to the electronic declaration hold no more.
template <int N> class FixedText
{
public:
    static constexpr int capacity = N;

    FixedText() = default;
    FixedText(const QString &text)
        : m_text(text.left(N))
    {
    }
    FixedText &operator=(const QString &text)
    {
        m_text = text.left(N);
        return *this;
    }

    const QString &text() const { return m_text; }
    operator const QString &() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    bool operator==(const FixedText &other) const = default;
    bool operator==(const QString &other) const { return m_text == other; }

private:
    QString m_text;
};

// A party as the customer picks hand it over.
struct TPartyAddress {
    FixedText<7> TIN;
    FixedText<1> IsDeuZoll; // customs flag: "1" or "0"
    FixedText<105> name1;
    FixedText<70> strasse;
    FixedText<5> PLZ;
    FixedText<35> ort;
    FixedText<3> land; // alpha-2 code of the country

    bool operator==(const TPartyAddress &other) const = default;
};

// A statistical goods number in its five parts with its description.
struct TGoodsNumberRecord {
    FixedText<8> waren;
    FixedText<2> Waren2;
    FixedText<4> Waren3;
    FixedText<4> Waren4;
    FixedText<4> Waren5;
    QString bez; // the description lines joined, of any length

    bool operator==(const TGoodsNumberRecord &other) const = default;
};

// A supporting document's code and qualifier.
struct TDocumentCodeRecord {
    FixedText<5> Code;
    FixedText<5> Quali;

    bool operator==(const TDocumentCodeRecord &other) const = default;
};

} // namespace masterdata
