// The element tables of the three hand-over files.
#include "atlas/handovertree.h"

namespace atlas {

namespace element {

HandOverElement empty(const QString &name)
{
    HandOverElement e;
    e.name = name;
    return e;
}

HandOverElement field(const QString &name, const QString &field, LetterCase letterCase)
{
    HandOverElement e;
    e.name = name;
    e.source = HandOverElement::Source::Field;
    e.field = field;
    e.letterCase = letterCase;
    return e;
}

HandOverElement characters(const QString &name, const QString &field, int first, int last)
{
    HandOverElement e = element::field(name, field);
    e.firstChar = first;
    e.lastChar = last;
    return e;
}

HandOverElement constant(const QString &name, const QString &text)
{
    HandOverElement e;
    e.name = name;
    e.source = HandOverElement::Source::Constant;
    e.text = text;
    return e;
}

HandOverElement computed(const QString &name, Computed computed, const QString &fieldOrSuffix)
{
    HandOverElement e;
    e.name = name;
    e.source = HandOverElement::Source::Computed;
    e.computed = computed;
    if (computed == Computed::Reference)
        e.text = fieldOrSuffix;
    else
        e.field = fieldOrSuffix;
    return e;
}

HandOverElement reference(const QString &suffix)
{
    return computed(QStringLiteral("refNrVorsystem"), Computed::Reference, suffix);
}

HandOverElement list(const QString &name, const HandOverList &list)
{
    HandOverElement e;
    e.name = name;
    e.source = HandOverElement::Source::List;
    e.list = std::make_shared<const HandOverList>(list);
    return e;
}

} // namespace element

namespace {

using namespace element;
using E = QVector<HandOverElement>;

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

HandOverList headList(const char *entry, const char *table, const E &elements)
{
    return { s(entry), s(table), ListOwner::Declaration, elements };
}

HandOverList itemList(const char *entry, const char *table, const E &elements)
{
    return { s(entry), s(table), ListOwner::GoodsItem, elements };
}

// Seals and containers are written alike in both declaration files.
HandOverList sealList()
{
    return headList(
        "ExpDatVerschluss", "AtlasVerschluss", { reference(s("_vers")), field(s("zeichen"), s("Zeichen")) });
}

HandOverList containerList()
{
    return itemList("ExpDatContainer", "AtlasContainer", { reference(s("_cont")), field(s("nummer"), s("Nummer")) });
}

// The header of every file: partner, customer and client number.
E header(const QString &version)
{
    E elements;
    if (!version.isEmpty())
        elements << constant(s("version"), version);
    elements << constant(s("idPartnerNummer"), s("480517")) << computed(s("idKundenNummer"), Computed::CustomerNumber)
             << field(s("idMandantenNummer"), s("IdMandantenNr"));
    return elements;
}

// A party block of the declaration file: the block prefix followed by each
// suffix, read from the party's fields; a block without contact person has
// the first eight elements only.
struct Party {
    const char *prefix;
    const char *fields[13];
};

const char *const PartySuffixes[13] = { "IdentArt", "Tin", "NiederlassungNr", "Name", "StrasseHausNr", "Ort", "PlzOrt",
    "Land", "ApStellung", "ApSachbearbeiter", "ApEmailAdresse", "ApTelefaxNummer", "ApTelefonNummer" };

const Party DeclarationParties[] = {
    { "ausf",
        { "EXP_Ident", "Exp_TIN", "Exp_NiederNr", "EXP_Name", "EXP_Street", "EXP_City", "EXP_PLZ", "EXP_Land",
            "EXP_Stellung", "EXP_Bearbeiter", "EXP_EMail", "EXP_Telefax", "EXP_Telefon" } },
    { "anm",
        { "ANM_Ident", "ANM_TIN", "ANM_NiederNr", "ANM_Name", "ANM_Street", "ANM_City", "ANM_PLZ", "ANM_Land",
            "ANM_Stellung", "ANM_Bearbeiter", "ANM_EMail", "ANM_Telefax", "ANM_Telefon" } },
    { "va",
        { "VER_Ident", "VER_TIN", "VER_NiederNr", "VER_Name", "VER_Street", "VER_City", "VER_PLZ", "VER_Land",
            "VER_Stellung", "VER_Bearbeiter", "VER_EMail", "VER_Telefax", "VER_Telefon" } },
    { "su",
        { "SUB_Ident", "SUB_TIN", "SUB_NiederNr", "SUB_Name", "SUB_Street", "SUB_City", "SUB_PLZ", "SUB_Land",
            "SUB_Stellung", "SUB_Bearbeiter", "SUB_EMail", "SUB_Felefax", "SUB_Telefon" } },
    { "empf", { "EMP_Ident", "EMP_TIN", "EMP_NiederNr", "EMP_Name", "EMP_Street", "EMP_City", "EMP_PLZ", "EMP_Land" } },
    { "endv", { "END_Ident", "END_TIN", "END_NiederNr", "END_Name", "END_Street", "END_Ort", "END_PLZ", "END_Land" } },
};

E partyBlocks()
{
    E elements;
    for (const Party &party : DeclarationParties) {
        for (int i = 0; i < 13 && party.fields[i]; ++i)
            elements << field(s(party.prefix) + s(PartySuffixes[i]), s(party.fields[i]));
    }
    return elements;
}

// Elements of one prefix that never receive a value.
E emptyBlock(const char *prefix, std::initializer_list<const char *> suffixes)
{
    E elements;
    for (const char *suffix : suffixes)
        elements << empty(s(prefix) + s(suffix));
    return elements;
}

HandOverLayout makeDeclarationLayout()
{
    const HandOverList seals = sealList();
    const HandOverList route
        = headList("ExpDatBefoerdRoute", "AtlasRoute", { reference(s("_Rout")), field(s("land"), s("Land")) });
    const HandOverList previousDocuments = itemList("ExpDatVorpapier", "AtlasVorpapier",
        { reference(s("_vorp")), field(s("typ"), s("Typ")), field(s("referenz"), s("Referenz")),
            field(s("zusatz"), s("Zusatz")) });
    const HandOverList packages = itemList("ExpDatPackstueck", "AtlasPackst",
        { reference(s("_pack")), field(s("anzahl"), s("Anzahl")), field(s("verpackungsart"), s("Verpackungsart")),
            field(s("zeichenNummern"), s("ZeichenNummern")) });
    const HandOverList containers = containerList();
    const HandOverList documents = itemList("ExpDatUnterlage", "AtlasUnterlage",
        { reference(s("_unterl")), field(s("qualifizierung"), s("Quali")), field(s("typ"), s("Typ")),
            field(s("referenz"), s("Referenz")), field(s("zusatz"), s("Zusatz")), empty(s("detail")),
            field(s("datumAusstellung"), s("DatumAusstellung")), field(s("datumGueltigkeit"), s("DatumGueltigEnde")),
            empty(s("wert")), empty(s("masseinheit")), empty(s("abschreibungsmenge")) });

    E item = { reference(s("_")), field(s("warenbezeichnung"), s("WarenBez")),
        field(s("regNrFremdsystem"), s("RegisterFremd")), field(s("vermerk"), s("Vermerk")),
        empty(s("kennnummerSendung")), field(s("ursprungsBundesland"), s("Bundesland")),
        field(s("eigenmasse"), s("Eigenmasse")), field(s("rohmasse"), s("Rohmasse")), empty(s("gefahrgutnummer")),
        empty(s("befoerderungskosten")), empty(s("adressatenKonstell")), field(s("warenNrKn8"), s("WarenNr")),
        field(s("warenNrTaric"), s("WarenNr_TARIC")), field(s("warenNrErsterZus"), s("WarenNr_Zus1")),
        field(s("warenNrZweiterZus"), s("WarenNr_Zus2")), field(s("warenNrNational"), s("WarenNr_nat")),
        characters(s("verfAngemeld"), s("Verfahren_angemeldet"), 1, 2),
        characters(s("verfVoran"), s("Verfahren_angemeldet"), 3, 4), field(s("verfWeiteres"), s("Verfahren_weiteres")),
        empty(s("verfAusfuhrerstattung")), field(s("ahsMenge"), s("Menge")), field(s("ahsWert"), s("Wert")) };
    const std::initializer_list<const char *> address
        = { "IdentArt", "Tin", "NiederlassungNr", "Name", "StrasseHausNr", "Ort", "PlzOrt", "Land" };
    item << emptyBlock("empf", address) << emptyBlock("endv", address);
    item << empty(s("lbIncotermCode")) << empty(s("lbText")) << empty(s("lbOrt")) << empty(s("gvArt"))
         << empty(s("bzlAnzahlPositionen")) << empty(s("bzlBewilligungsnummer")) << empty(s("bzlBezugsnummer"))
         << empty(s("bavAnzahlPositionen")) << empty(s("bavBewilligungsnummer"))
         << list(s("expDatVorpapierList"), previousDocuments) << list(s("expDatPackstueckList"), packages)
         << list(s("expDatContainerList"), containers) << list(s("expDatUnterlageList"), documents)
         << empty(s("expDatPositionAvuvList")) << empty(s("expDatPositionZlList"));
    const HandOverList items = headList("ExpDatWare", "AtlasWare", item);

    E head = { field(s("refNrVorsystem"), s("BelegNr")), field(s("artAnmeldungAusfuhr"), s("Art2"), LetterCase::Upper),
        field(s("artAnmeldungVerfahren"), s("Art3")), field(s("artAnmeldungUeberf"), s("Art1"), LetterCase::Lower),
        empty(s("mrn")), field(s("ausfuhrland"), s("AusfLand")), field(s("bestimmungsland"), s("BestLand")),
        empty(s("datumAusgang")), field(s("zeitpunktAnmeldung"), s("Zeitpunkt")), empty(s("massgeblichesDatum")),
        empty(s("besondereUmstaende")), empty(s("befoerderungskosten")), empty(s("statistMeldung")),
        computed(s("container"), Computed::YesFlag, s("Container")), field(s("beteiligtenKonstell"), s("Beteiligten")),
        field(s("adressatenKonstell"), s("AdressKonstellation")), computed(s("gesamtRohmasse"), Computed::GrossMass),
        field(s("regNrFremdsystem"), s("RegistrierNummer")), field(s("vermerk"), s("Vermerk")),
        field(s("kennnummerSendung"), s("Kennumer")), field(s("bezugNr"), s("Bezugsnummer")), field(s("bin"), s("Bin")),
        empty(s("bwgVerfahrenPv")), empty(s("bwgPv")), field(s("bwgVa"), s("VertrauensAus")),
        field(s("bwgZa"), s("ZugelassenAus")), field(s("bmiVerkehrszweig"), s("Bfm_Inland")), empty(s("bmaArt")),
        empty(s("bmaKennzeichen")), empty(s("bmaStaatszugehoer")), field(s("bmgVerkehrszweig"), s("Bfm_Grenze")),
        field(s("bmgArt"), s("Bfm_Art")), field(s("bmgKennzeichen"), s("Bfm_Kennzeichen")),
        field(s("bmgStaatszugehoer"), s("Bfm_Staat")), field(s("loCode"), s("LadeOrt_Code")),
        field(s("loStrasseHausNr"), s("LadeOrt_Street")), field(s("loPlzOrt"), s("LadeOrt_Plz")),
        field(s("loOrt"), s("LadeOrt_Ort")), field(s("loZusatz"), s("LadeOrt_Zusatz")),
        field(s("afzDienststellenNr"), s("AusfuhrZollstelle")), field(s("afzeamDienststellenNr"), s("Ausfuhr_eAE")),
        field(s("vazDienststellenNr"), s("Ausfuhr_SollZollstelle")), empty(s("tazDienststellenNr")),
        field(s("gvArt"), s("GeschArt")), field(s("gvRechnungspreis"), s("GeschRePreis")),
        field(s("gvWaehrung"), s("GeschWaehrung")), field(s("versArt"), s("VershlussArt"), LetterCase::Upper),
        field(s("versAnzahl"), s("VerschlussAnzahl")), field(s("gestAnfang"), s("Gest_Verp_Verl_Anfang")),
        field(s("gestEnde"), s("Gest_Verp_Verl_Ende")) };
    head << partyBlocks();
    head << field(s("lbIncotermCode"), s("Liefer_Code")) << field(s("lbText"), s("Liefer_Text"))
         << field(s("lbOrt"), s("Liefer_City")) << empty(s("pvDatumEinfuhr")) << empty(s("pvStandardAustausch"))
         << list(s("expDatVerschlussList"), seals) << list(s("expDatBefoerdRouteList"), route)
         << empty(s("expDatWiedereinfuhrList")) << empty(s("expDatNaemlichkeitList")) << empty(s("expDatErzeugnisList"))
         << list(s("expDatWareList"), items);

    return { s("expDat_"), s("NewDataSet"), header(s("v3")),
        { s("ExpDatKopf"), s("AtlasKopf"), ListOwner::Selection, head } };
}

HandOverLayout makeSeveralDeclarationsLayout()
{
    const HandOverList seals = sealList();
    const HandOverList previousDocuments = itemList("ExpDatVorpapier", "AtlasVorpapier",
        { reference(s("_vorp")), field(s("referenz"), s("Referenz")), field(s("zusatz"), s("Zusatz")) });
    const HandOverList packages = itemList("ExpDatPackstueck", "AtlasPackst",
        { reference(s("_pack")), field(s("anzahl"), s("Anzahl")), field(s("nummer"), s("Pos")),
            field(s("verpackungsart"), s("Verpackungsart")), field(s("zeichenNummern"), s("ZeichenNummern")) });
    const HandOverList containers = containerList();
    const HandOverList documents = itemList("ExpDatUnterlage", "AtlasUnterlage",
        { reference(s("_unterl")), field(s("qualifizierung"), s("Quali")), field(s("typ"), s("Typ")),
            field(s("referenz"), s("Referenz")), field(s("zusatz"), s("Zusatz")),
            field(s("datumAusstellung"), s("DatumAusstellung")), field(s("datumGueltigkeit"), s("DatumGueltigEnde")) });
    const HandOverList items = headList("ExpDatWare", "AtlasWare",
        { reference(s("_")), field(s("posNr"), s("Pos")), field(s("warenNrKn8"), s("WarenNr")),
            field(s("warenNrTaric"), s("WarenNr_TARIC")), field(s("warenNrErsterZus"), s("WarenNr_Zus1")),
            field(s("warenNrZweiterZus"), s("WarenNr_Zus2")), field(s("warenNrNational"), s("WarenNr_nat")),
            field(s("warenbezeichnung"), s("WarenBez")), field(s("regNrFremdsystem"), s("RegisterFremd")),
            field(s("vermerk"), s("Vermerk")), field(s("ursprungsBundesland"), s("Bundesland")),
            field(s("eigenmasse"), s("Eigenmasse")), field(s("rohmasse"), s("Rohmasse")),
            characters(s("verfAngemeld"), s("Verfahren_angemeldet"), 1, 2),
            characters(s("verfVoran"), s("Verfahren_angemeldet"), 3, 4),
            field(s("verfWeiteres"), s("Verfahren_weiteres")), field(s("ahsMenge"), s("Menge")),
            field(s("ahsWert"), s("Wert")), field(s("vorpTyp"), s("Vorpapier_Typ")),
            list(s("expDatVorpapierList"), previousDocuments), list(s("expDatPackstueckList"), packages),
            list(s("expDatContainerList"), containers), list(s("expDatUnterlageList"), documents) });

    // The parties of this layout: postcode before town, a German customs
    // number in place of kind and establishment, no contact person, no end user.
    const auto party = [](const char *prefix, const char *tin, const char *customsNumber, const char *name,
                           const char *street, const char *postcode, const char *town, const char *country) {
        E elements = { field(s(prefix) + s("Tin"), s(tin)) };
        if (customsNumber)
            elements << field(s(prefix) + s("DeutscheZollNr"), s(customsNumber));
        elements << field(s(prefix) + s("Name"), s(name)) << field(s(prefix) + s("StrasseHausNr"), s(street))
                 << field(s(prefix) + s("PlzOrt"), s(postcode)) << field(s(prefix) + s("Ort"), s(town))
                 << field(s(prefix) + s("Land"), s(country));
        return elements;
    };

    E head = { field(s("refNrVorsystem"), s("BelegNr")), field(s("artAnmeldungAusfuhr"), s("Art2"), LetterCase::Upper),
        field(s("artAnmeldungUeberf"), s("Art1"), LetterCase::Lower), field(s("bestimmungsland"), s("BestLand")),
        field(s("zeitpunktAnmeldung"), s("Zeitpunkt")), computed(s("container"), Computed::YesFlag, s("Container")),
        field(s("beteiligtenKonstell"), s("Beteiligten")), constant(s("antragAusfuhrerstatt"), s("0")),
        computed(s("gesamtRohmasse"), Computed::GrossMass), field(s("regNrFremdsystem"), s("RegistrierNummer")),
        field(s("vermerk"), s("Vermerk")), field(s("bezugNr"), s("Bezugsnummer")),
        computed(s("anzahlPositionen"), Computed::ItemCount), field(s("bin"), s("Bin")),
        field(s("bewillNrAusfuhr"), s("BewilligungsNummer")), field(s("bmiVerkehrszweig"), s("Bfm_Inland")),
        field(s("bmgVerkehrszweig"), s("Bfm_Grenze")), field(s("bmgArt"), s("Bfm_Art")),
        field(s("bmgKennzeichen"), s("Bfm_Kennzeichen")), field(s("bmgStaatszugehoer"), s("Bfm_Staat")),
        field(s("loCode"), s("LadeOrt_Code")), field(s("loStrasseHausNr"), s("LadeOrt_Street")),
        field(s("loPlzOrt"), s("LadeOrt_Plz")), field(s("loOrt"), s("LadeOrt_Ort")),
        field(s("loZusatz"), s("LadeOrt_Zusatz")), field(s("afzDienststellenNr"), s("AusfuhrZollstelle")),
        field(s("afzeamDienststellenNr"), s("Ausfuhr_eAE")),
        field(s("vazDienststellenNr"), s("Ausfuhr_SollZollstelle")), field(s("gvArt"), s("GeschArt")),
        field(s("gvRechnungspreis"), s("GeschRePreis")), field(s("gvWaehrung"), s("GeschWaehrung")),
        field(s("versArt"), s("VershlussArt"), LetterCase::Upper), field(s("versAnzahl"), s("VerschlussAnzahl")),
        field(s("gestAnfang"), s("Gest_Verp_Verl_Anfang")), field(s("gestEnde"), s("Gest_Verp_Verl_Ende")),
        field(s("dkpTin"), s("Partner_TIN")) };
    head << party("ausf", "Exp_TIN", "EXP_ZollNr_DE", "EXP_Name", "EXP_Street", "EXP_PLZ", "EXP_City", "EXP_Land")
         << party("empf", "EMP_TIN", nullptr, "EMP_Name", "EMP_Street", "EMP_PLZ", "EMP_City", "EMP_Land")
         << party("anm", "ANM_TIN", "ANM_ZollNt_DE", "ANM_Name", "ANM_Street", "ANM_PLZ", "ANM_City", "ANM_Land")
         << party("va", "VER_TIN", "VER_Zoll_DE", "VER_Name", "VER_Street", "VER_PLZ", "VER_City", "VER_Land")
         << party("su", "SUB_TIN", "SUB_Zoll_DE", "SUB_Name", "SUB_Street", "SUB_PLZ", "SUB_City", "SUB_Land");
    head << field(s("lbIncotermCode"), s("Liefer_Code")) << field(s("lbText"), s("Liefer_Text"))
         << field(s("lbOrt"), s("Liefer_City")) << list(s("expDatVerschlussList"), seals)
         << list(s("expDatWareList"), items);

    return { s("expDat_"), s("NewDataSet"), header({}),
        { s("ExpDatKopf"), s("AtlasKopf"), ListOwner::Selection, head } };
}

HandOverLayout makeSupplementaryLayout()
{
    const HandOverList previousDocuments = itemList("ExpEntVorpapier", "AtlasVorpapier",
        { reference(s("_vorp")), field(s("typ"), s("Typ")), field(s("referenz"), s("Referenz")),
            field(s("zusatz"), s("Zusatz")) });
    E item = { reference(s("_")), field(s("posNr"), s("Pos")), field(s("ursprungsBundesland"), s("Bundesland")),
        field(s("ahsMenge"), s("Menge")), field(s("ahsWert"), s("Wert")) };
    item << emptyBlock("empf", { "Tin", "Name", "StrasseHausNr", "Ort", "PlzOrt", "Land" })
         << list(s("expEntVorpapierList"), previousDocuments);
    const HandOverList items = headList("ExpEntWare", "AtlasWare", item);

    const E head = { field(s("refNrVorsystem"), s("BelegNr")), field(s("bezugNr"), s("Bezugsnummer")), empty(s("mrn")),
        empty(s("zeitpunktErgAnm")), empty(s("bin")), field(s("bmiVerkehrszweig"), s("Bfm_Inland")),
        field(s("bmgArt"), s("Bfm_Art")), field(s("bmgKennzeichen"), s("Bfm_Kennzeichen")),
        field(s("bmgStaatszugehoer"), s("Bfm_Staat")), field(s("afzDienststellenNr"), s("AusfuhrZollstelle")),
        field(s("afzeamDienststellenNr"), s("Ausfuhr_eAE")), field(s("gvArt"), s("GeschArt")),
        field(s("gvRechnungspreis"), s("GeschRePreis")), field(s("gvWaehrung"), s("GeschWaehrung")),
        field(s("dkpTin"), s("Partner_TIN")), field(s("anmTin"), s("ANM_TIN")),
        field(s("anmDeutscheZollNr"), s("ANM_ZollNt_DE")), field(s("empfTin"), s("EMP_TIN")),
        field(s("empfName"), s("EMP_Name")), field(s("empfStrasseHausNr"), s("EMP_Street")),
        field(s("empfOrt"), s("EMP_City")), field(s("empfPlzOrt"), s("EMP_PLZ")), field(s("empfLand"), s("EMP_Land")),
        field(s("lbIncotermCode"), s("Liefer_Code")), field(s("lbText"), s("Liefer_Text")),
        field(s("lbOrt"), s("Liefer_City")), list(s("expEntWareList"), items) };

    return { s("expEnt_"), s("ExpEntDataSet"), header(s("v2")),
        { s("ExpEntKopf"), s("AtlasKopf"), ListOwner::Selection, head } };
}

} // namespace

const HandOverLayout &declarationLayout()
{
    static const HandOverLayout layout = makeDeclarationLayout();
    return layout;
}

const HandOverLayout &severalDeclarationsLayout()
{
    static const HandOverLayout layout = makeSeveralDeclarationsLayout();
    return layout;
}

const HandOverLayout &supplementaryLayout()
{
    static const HandOverLayout layout = makeSupplementaryLayout();
    return layout;
}

} // namespace atlas
