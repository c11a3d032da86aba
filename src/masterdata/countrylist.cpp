#include "masterdata/countrylist.h"

#include "masterdata/masterdatatables.h"
#include "platform/database.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QStringList>

#include <iterator>

namespace masterdata {

namespace {

// The countries of ISO 3166-1 (Debian's iso-codes 4.15) and the three
// territories the customs use with codes of their own (Ceuta, Melilla,
// Kosovo). Each row: the number of the German foreign-trade country list
// (Europe 0xx, Africa 2xx-3xx, America 4xx-5xx, Asia 6xx-7xx, Oceania and
// the polar regions 8xx), the alpha-2 code, the ISO numeric code, the German
// short name (the names longer than the field shortened by hand) and the
// names in English, Spanish, French and Portuguese from the same list's
// translations. The trade list counts ten of the ISO entries under another
// country (Monaco under France, Puerto Rico under the United States, the
// Channel Islands under the United Kingdom ...) or has no number for them
// at hand: these carry their ISO alpha-3 code, so that the key stays unique
// and visibly is no trade number. They come last.
const CountryRow Countries[] = {
    { "001", "FR", "250", "Frankreich", "France", "Francia", "France", "França" },
    { "003", "NL", "528", "Niederlande", "Netherlands", "Países Bajos", "Pays-Bas", "Países Baixos" },
    { "004", "DE", "276", "Deutschland", "Germany", "Alemania", "Allemagne", "Alemanha" },
    { "005", "IT", "380", "Italien", "Italy", "Italia", "Italie", "Itália" },
    { "006", "GB", "826", "Vereinigtes Königreich", "United Kingdom", "Reino Unido", "Royaume-Uni", "Reino Unido" },
    { "007", "IE", "372", "Irland", "Ireland", "Irlanda", "Irlande", "Irlanda" },
    { "008", "DK", "208", "Dänemark", "Denmark", "Dinamarca", "Danemark", "Dinamarca" },
    { "009", "GR", "300", "Griechenland", "Greece", "Grecia", "Grèce", "Grécia" },
    { "010", "PT", "620", "Portugal", "Portugal", "Portugal", "Portugal", "Portugal" },
    { "011", "ES", "724", "Spanien", "Spain", "España", "Espagne", "Espanha" },
    { "017", "BE", "056", "Belgien", "Belgium", "Bélgica", "Belgique", "Bélgica" },
    { "018", "LU", "442", "Luxemburg", "Luxembourg", "Luxemburgo", "Luxembourg", "Luxemburgo" },
    { "021", "XC", "", "Ceuta", "Ceuta", "Ceuta", "Ceuta", "Ceuta" },
    { "023", "XL", "", "Melilla", "Melilla", "Melilla", "Melilla", "Melilla" },
    { "024", "IS", "352", "Island", "Iceland", "Islandia", "Islande", "Islândia" },
    { "028", "NO", "578", "Norwegen", "Norway", "Noruega", "Norvège", "Noruega" },
    { "030", "SE", "752", "Schweden", "Sweden", "Suecia", "Suède", "Suécia" },
    { "032", "FI", "246", "Finnland", "Finland", "Finlandia", "Finlande", "Finlândia" },
    { "037", "LI", "438", "Liechtenstein", "Liechtenstein", "Liechtenstein", "Liechtenstein", "Liechtenstein" },
    { "038", "AT", "040", "Österreich", "Austria", "Austria", "Autriche", "Áustria" },
    { "039", "CH", "756", "Schweiz", "Switzerland", "Suiza", "Suisse", "Suíça" },
    { "041", "FO", "234", "Färöer-Inseln", "Faroe Islands", "Islas Feroe", "îles Féroé", "Ilhas Faroé" },
    { "043", "AD", "020", "Andorra", "Andorra", "Andorra", "Andorre", "Andorra" },
    { "044", "GI", "292", "Gibraltar", "Gibraltar", "Gibraltar", "Gibraltar", "Gibraltar" },
    { "045", "VA", "336", "Vatikanstadt", "Holy See (Vatican City State)", "Santa Sede (Ciudad Estado del",
        "Saint-Siège (état de la cité", "Santa Sé (Estado da Cidade do" },
    { "046", "MT", "470", "Malta", "Malta", "Malta", "Malte", "Malta" },
    { "047", "SM", "674", "San Marino", "San Marino", "San Marino", "Saint-Marin", "San Marino" },
    { "052", "TR", "792", "Türkei", "Türkiye", "Türkiye", "Türkiye", "Turquia" },
    { "053", "EE", "233", "Estland", "Estonia", "Estonia", "Estonie", "Estónia" },
    { "054", "LV", "428", "Lettland", "Latvia", "Letonia", "Lettonie", "Letónia" },
    { "055", "LT", "440", "Litauen", "Lithuania", "Lituania", "Lituanie", "Lituânia" },
    { "060", "PL", "616", "Polen", "Poland", "Polonia", "Pologne", "Polónia" },
    { "061", "CZ", "203", "Tschechien", "Czechia", "Chequia", "Tchéquie", "Chéquia" },
    { "063", "SK", "703", "Slowakei", "Slovakia", "Eslovaquia", "Slovaquie", "Eslováquia" },
    { "064", "HU", "348", "Ungarn", "Hungary", "Hungría", "Hongrie", "Hungria" },
    { "066", "RO", "642", "Rumänien", "Romania", "Rumanía", "Roumanie", "Roménia" },
    { "068", "BG", "100", "Bulgarien", "Bulgaria", "Bulgaria", "Bulgarie", "Bulgária" },
    { "070", "AL", "008", "Albanien", "Albania", "Albania", "Albanie", "Albânia" },
    { "072", "UA", "804", "Ukraine", "Ukraine", "Ucrania", "Ukraine", "Ucrânia" },
    { "073", "BY", "112", "Belarus", "Belarus", "Bielorrusia", "Bélarus", "Bielorússia" },
    { "074", "MD", "498", "Moldau", "Moldova", "Moldavia", "Moldavie", "Moldávia" },
    { "075", "RU", "643", "Russische Föderation", "Russian Federation", "Federación Rusa", "Russie, Fédération de",
        "Federação Russa" },
    { "076", "GE", "268", "Georgien", "Georgia", "Georgia", "Géorgie", "Geórgia" },
    { "077", "AM", "051", "Armenien", "Armenia", "Armenia", "Arménie", "Arménia" },
    { "078", "AZ", "031", "Aserbaidschan", "Azerbaijan", "Azerbaiyán", "Azerbaïdjan", "Azerbaijão" },
    { "079", "KZ", "398", "Kasachstan", "Kazakhstan", "Kazajistán", "Kazakhstan", "Cazaquistão" },
    { "080", "TM", "795", "Turkmenistan", "Turkmenistan", "Turkmenistán", "Turkménistan", "Turquemenistão" },
    { "081", "UZ", "860", "Usbekistan", "Uzbekistan", "Uzbekistán", "Ouzbékistan", "Uzbequistão" },
    { "082", "TJ", "762", "Tadschikistan", "Tajikistan", "Tayikistán", "Tadjikistan", "Tajiquistão" },
    { "083", "KG", "417", "Kirgisistan", "Kyrgyzstan", "Kirguistán", "Kirghizistan", "Quirguistão" },
    { "091", "SI", "705", "Slowenien", "Slovenia", "Eslovenia", "Slovénie", "Eslovénia" },
    { "092", "HR", "191", "Kroatien", "Croatia", "Croacia", "Croatie", "Croácia" },
    { "093", "BA", "070", "Bosnien und Herzegowina", "Bosnia and Herzegovina", "Bosnia y Herzegovina",
        "Bosnie-Herzégovine", "Bósnia e Herzegovina" },
    { "095", "XK", "", "Kosovo", "Kosovo", "Kosovo", "Kosovo", "Kosovo" },
    { "096", "MK", "807", "Nordmazedonien", "North Macedonia", "Macedonia del Norte", "Macédoine du Nord",
        "Macedónia do Norte" },
    { "097", "ME", "499", "Montenegro", "Montenegro", "Montenegro", "Monténégro", "Montenegro" },
    { "098", "RS", "688", "Serbien", "Serbia", "Serbia", "Serbie", "Sérvia" },
    { "204", "MA", "504", "Marokko", "Morocco", "Marruecos", "Maroc", "Marrocos" },
    { "208", "DZ", "012", "Algerien", "Algeria", "Algeria", "Algérie", "Argélia" },
    { "212", "TN", "788", "Tunesien", "Tunisia", "Tunez", "Tunisie", "Tunísia" },
    { "216", "LY", "434", "Libyen", "Libya", "Libia", "Libye", "Líbia" },
    { "220", "EG", "818", "Ägypten", "Egypt", "Egipto", "Égypte", "Egito" },
    { "224", "SD", "729", "Sudan", "Sudan", "Sudán", "Soudan", "Sudão" },
    { "225", "SS", "728", "Südsudan", "South Sudan", "Sudán del Sur", "Soudan du Sud", "Sudão do Sul" },
    { "228", "MR", "478", "Mauretanien", "Mauritania", "Mauritania", "Mauritanie", "Mauritânia" },
    { "232", "ML", "466", "Mali", "Mali", "Malí", "Mali", "Mali" },
    { "236", "BF", "854", "Burkina Faso", "Burkina Faso", "Burquina Faso", "Burkina Faso", "Burkina Faso" },
    { "240", "NE", "562", "Niger", "Niger", "Niger", "Niger", "Níger" },
    { "244", "TD", "148", "Tschad", "Chad", "Chad", "Tchad", "Chade" },
    { "247", "CV", "132", "Kap Verde", "Cabo Verde", "Cabo Verde", "Cap-Vert", "Cabo Verde" },
    { "248", "SN", "686", "Senegal", "Senegal", "Senegal", "Sénégal", "Senegal" },
    { "252", "GM", "270", "Gambia", "Gambia", "Gambia", "Gambie", "Gâmbia" },
    { "257", "GW", "624", "Guinea-Bissau", "Guinea-Bissau", "Guinea-Bisáu", "Guinée-Bissau", "Guiné-Bissáu" },
    { "260", "GN", "324", "Guinea", "Guinea", "Guinea", "Guinée", "Guiné" },
    { "264", "SL", "694", "Sierra Leone", "Sierra Leone", "Sierra Leona", "Sierra Leone", "Serra Leoa" },
    { "268", "LR", "430", "Liberia", "Liberia", "Liberia", "Libéria", "Libéria" },
    { "272", "CI", "384", "Côte d'Ivoire", "Côte d'Ivoire", "Costa de Marfíl", "Côte d'Ivoire", "Costa do Marfim" },
    { "276", "GH", "288", "Ghana", "Ghana", "Ghana", "Ghana", "Gana" },
    { "280", "TG", "768", "Togo", "Togo", "Togo", "Togo", "Togo" },
    { "284", "BJ", "204", "Benin", "Benin", "Benín", "Bénin", "Benim" },
    { "288", "NG", "566", "Nigeria", "Nigeria", "Nigeria", "Nigeria", "Nigéria" },
    { "302", "CM", "120", "Kamerun", "Cameroon", "Camerún", "Cameroun", "Camarões" },
    { "306", "CF", "140", "Zentralafrikanische Republik", "Central African Republic", "República Centroafricana",
        "République centrafricaine", "República Centro-Africana" },
    { "310", "GQ", "226", "Äquatorialguinea", "Equatorial Guinea", "Guinea Ecuatorial", "Guinée Équatoriale",
        "Guiné Equatorial" },
    { "311", "ST", "678", "São Tomé und Príncipe", "Sao Tome and Principe", "Santo Tomé y Príncipe",
        "Sao Tomé-et-Principe", "São Tomé e Príncipe" },
    { "314", "GA", "266", "Gabun", "Gabon", "Gabón", "Gabon", "Gabão" },
    { "318", "CG", "178", "Kongo", "Congo", "Congo", "République du Congo", "Congo" },
    { "322", "CD", "180", "Demokratische Republik Kongo", "Congo, The Democratic Republi",
        "Congo, República Democrática", "République démocratique du Co", "Congo, República Democrática" },
    { "324", "RW", "646", "Ruanda", "Rwanda", "Ruanda", "Rwanda", "Ruanda" },
    { "328", "BI", "108", "Burundi", "Burundi", "Burundi", "Burundi", "Burundi" },
    { "329", "SH", "654", "St. Helena, Ascension", "Saint Helena, Ascension and T", "Santa Elena, Ascensión y Tris",
        "Sainte-Hélène, Ascension et T", "Santa Helena, Ascensão e Tris" },
    { "330", "AO", "024", "Angola", "Angola", "Angola", "Angola", "Angola" },
    { "334", "ET", "231", "Äthiopien", "Ethiopia", "Etiopía", "Éthiopie", "Etiópia" },
    { "336", "ER", "232", "Eritrea", "Eritrea", "Eritrea", "Érythrée", "Eritreia" },
    { "338", "DJ", "262", "Dschibuti", "Djibouti", "Yibuti", "Djibouti", "Djibouti" },
    { "342", "SO", "706", "Somalia", "Somalia", "Somalia", "Somalie", "Somália" },
    { "346", "KE", "404", "Kenia", "Kenya", "Kenia", "Kenya", "Quénia" },
    { "350", "UG", "800", "Uganda", "Uganda", "Uganda", "Ouganda", "Uganda" },
    { "352", "TZ", "834", "Tansania", "Tanzania", "Tanzania", "Tanzanie", "Tanzânia" },
    { "355", "SC", "690", "Seychellen", "Seychelles", "Seychelles", "Seychelles", "Seychelles" },
    { "357", "IO", "086", "Brit. Territ. im Ind. Ozean", "British Indian Ocean Territor",
        "Territorio Británico del Océa", "Territoire britannique de l'o", "Território Britânico do Ocean" },
    { "366", "MZ", "508", "Mosambik", "Mozambique", "Mozambique", "Mozambique", "Moçambique" },
    { "370", "MG", "450", "Madagaskar", "Madagascar", "Madagascar", "Madagascar", "Madagáscar" },
    { "372", "RE", "638", "Réunion", "Réunion", "Reunión", "Réunion, Île de la", "Ilha Reunião" },
    { "373", "MU", "480", "Mauritius", "Mauritius", "Mauricio", "Maurice", "Maurícia" },
    { "375", "KM", "174", "Komoren", "Comoros", "Comores, Islas", "Comores", "Comores" },
    { "377", "YT", "175", "Mayotte", "Mayotte", "Mayotte", "Mayotte", "Mayotte" },
    { "378", "ZM", "894", "Sambia", "Zambia", "Zambia", "Zambie", "Zâmbia" },
    { "382", "ZW", "716", "Simbabwe", "Zimbabwe", "Zimbabue", "Zimbabwe", "Zimbábue" },
    { "386", "MW", "454", "Malawi", "Malawi", "Malaui", "Malawi", "Malawi" },
    { "388", "ZA", "710", "Südafrika", "South Africa", "Sudáfrica", "Afrique du Sud", "África do Sul" },
    { "389", "NA", "516", "Namibia", "Namibia", "Namibia", "Namibie", "Namíbia" },
    { "391", "BW", "072", "Botsuana", "Botswana", "Botsuana", "Botswana", "Botsuana" },
    { "393", "SZ", "748", "Eswatini", "Eswatini", "Esuatini", "Eswatini", "Suazilândia" },
    { "395", "LS", "426", "Lesotho", "Lesotho", "Lesoto", "Lesotho", "Lesoto" },
    { "400", "US", "840", "Vereinigte Staaten", "United States", "Estados Unidos", "États-Unis", "Estados Unidos" },
    { "404", "CA", "124", "Kanada", "Canada", "Canadá", "Canada", "Canadá" },
    { "406", "GL", "304", "Grönland", "Greenland", "Groenlandia", "Groënland", "Gronelândia" },
    { "408", "PM", "666", "St. Pierre und Miquelon", "Saint Pierre and Miquelon", "San Pedro y Miquelon",
        "Saint-Pierre-et-Miquelon", "Saint Pierre e Miquelon" },
    { "412", "MX", "484", "Mexiko", "Mexico", "México", "Mexique", "México" },
    { "413", "BM", "060", "Bermuda", "Bermuda", "Islas Bermudas", "Bermudes", "Bermudas" },
    { "416", "GT", "320", "Guatemala", "Guatemala", "Guatemala", "Guatemala", "Guatemala" },
    { "421", "BZ", "084", "Belize", "Belize", "Belice", "Belize", "Belize" },
    { "424", "HN", "340", "Honduras", "Honduras", "Honduras", "Honduras", "Honduras" },
    { "428", "SV", "222", "El Salvador", "El Salvador", "El Salvador", "Salvador", "El Salvador" },
    { "432", "NI", "558", "Nicaragua", "Nicaragua", "Nicaragua", "Nicaragua", "Nicarágua" },
    { "436", "CR", "188", "Costa Rica", "Costa Rica", "Costa Rica", "Costa Rica", "Costa Rica" },
    { "442", "PA", "591", "Panama", "Panama", "Panamá", "Panama", "Panamá" },
    { "446", "AI", "660", "Anguilla", "Anguilla", "Anguila", "Anguilla", "Anguilla" },
    { "448", "CU", "192", "Kuba", "Cuba", "Cuba", "Cuba", "Cuba" },
    { "449", "KN", "659", "St. Kitts und Nevis", "Saint Kitts and Nevis", "San Cristóbal y Nieves",
        "Saint-Christophe-et-Niévès", "São Cristóvão e Nevis" },
    { "452", "HT", "332", "Haiti", "Haiti", "Haití", "Haïti", "Haiti" },
    { "453", "BS", "044", "Bahamas", "Bahamas", "Bahamas", "Bahamas", "Bahamas" },
    { "454", "TC", "796", "Turks- und Caicosinseln", "Turks and Caicos Islands", "Islas Turcas y Caicos",
        "îles Turques-et-Caïques", "Ilhas Turcas e Caicos" },
    { "456", "DO", "214", "Dominikanische Republik", "Dominican Republic", "República Dominicana",
        "République dominicaine", "República Dominicana" },
    { "457", "VI", "850", "Amerikanische Jungferninseln", "Virgin Islands, U.S.", "Islas Vírgenes, de EEUU",
        "Îles Vierges, États-Unis", "Ilhas Virgens, Estados Unidos" },
    { "458", "GP", "312", "Guadeloupe", "Guadeloupe", "Guadalupe", "Guadeloupe", "Guadalupe" },
    { "459", "AG", "028", "Antigua und Barbuda", "Antigua and Barbuda", "Antigua y Barbuda", "Antigua-et-Barbuda",
        "Antígua e Barbuda" },
    { "460", "DM", "212", "Dominica", "Dominica", "Dominica", "Dominique", "Dominica" },
    { "461", "VG", "092", "Britische Jungferninseln", "Virgin Islands, British", "Islas Vírgenes, Británicas",
        "Îles Vierges britanniques", "Ilhas Virgens, Britânicas" },
    { "462", "MQ", "474", "Martinique", "Martinique", "Martinica", "Martinique", "Martinica" },
    { "463", "KY", "136", "Cayman-Inseln", "Cayman Islands", "Islas Caimán", "îles Caïmans", "Ilhas Caimão" },
    { "464", "JM", "388", "Jamaika", "Jamaica", "Jamaica", "Jamaïque", "Jamaica" },
    { "465", "LC", "662", "St. Lucia", "Saint Lucia", "Santa Lucía", "Sainte-Lucie", "Santa Lúcia" },
    { "467", "VC", "670", "St. Vincent u. die Grenadinen", "Saint Vincent and the Grenadi",
        "San Vicente y las Granadinas", "Saint-Vincent-et-les-Grenadin", "São Vicente e Granadinas" },
    { "469", "BB", "052", "Barbados", "Barbados", "Barbados", "Barbade", "Barbados" },
    { "470", "MS", "500", "Montserrat", "Montserrat", "Montserrat", "Montserrat", "Monserrate" },
    { "472", "TT", "780", "Trinidad und Tobago", "Trinidad and Tobago", "Trinidad y Tobago", "Trinité-et-Tobago",
        "Trindade e Tobago" },
    { "473", "GD", "308", "Grenada", "Grenada", "Granada", "Grenade", "Granada" },
    { "474", "AW", "533", "Aruba", "Aruba", "Aruba", "Aruba", "Aruba" },
    { "477", "BQ", "535", "Bonaire, St. Eustatius, Saba", "Bonaire, Sint Eustatius and S",
        "Islas BES (Caribe Neerlandés)", "Bonaire, Saint-Eustache et Sa", "Bonaire, Santo Eustáquio e Sa" },
    { "478", "CW", "531", "Curaçao", "Curaçao", "Curazao", "Curaçao", "Curação" },
    { "479", "SX", "534", "Sint Maarten (nl. Teil)", "Sint Maarten (Dutch part)", "Isla de San Martín (zona hola",
        "Saint-Martin (partie néerland", "São Martinho (Países Baixos)" },
    { "480", "CO", "170", "Kolumbien", "Colombia", "Colombia", "Colombie", "Colômbia" },
    { "484", "VE", "862", "Venezuela", "Venezuela", "Venezuela", "Vénézuela", "Venezuela" },
    { "488", "GY", "328", "Guyana", "Guyana", "Guyana", "Guyana", "Guiana" },
    { "492", "SR", "740", "Suriname", "Suriname", "Surinám", "Surinam", "Suriname" },
    { "496", "GF", "254", "Französisch-Guyana", "French Guiana", "Guayana Francesa", "Guyane française",
        "Guiana Francesa" },
    { "500", "EC", "218", "Ecuador", "Ecuador", "Ecuador", "Équateur", "Equador" },
    { "504", "PE", "604", "Peru", "Peru", "Perú", "Pérou", "Peru" },
    { "508", "BR", "076", "Brasilien", "Brazil", "Brasil", "Brésil", "Brasil" },
    { "512", "CL", "152", "Chile", "Chile", "Chile", "Chili", "Chile" },
    { "516", "BO", "068", "Bolivien", "Bolivia", "Bolivia", "Bolivie", "Bolívia" },
    { "520", "PY", "600", "Paraguay", "Paraguay", "Paraguay", "Paraguay", "Paraguai" },
    { "524", "UY", "858", "Uruguay", "Uruguay", "Uruguay", "Uruguay", "Uruguai" },
    { "528", "AR", "032", "Argentinien", "Argentina", "Argentina", "Argentine", "Argentina" },
    { "529", "FK", "238", "Falklandinseln (Malwinen)", "Falkland Islands (Malvinas)", "Islas Falkland (Malvinas)",
        "Malouines, Îles (Falkland)", "Ilhas Falkland (Malvinas)" },
    { "600", "CY", "196", "Zypern", "Cyprus", "Chipre", "Chypre", "Chipre" },
    { "604", "LB", "422", "Libanon", "Lebanon", "Líbano", "Liban", "Líbano" },
    { "608", "SY", "760", "Syrien", "Syria", "Syria", "Syria", "Syria" },
    { "612", "IQ", "368", "Irak", "Iraq", "Irak", "Irak", "Iraque" },
    { "616", "IR", "364", "Iran", "Iran", "Iran", "Iran", "Iran" },
    { "624", "IL", "376", "Israel", "Israel", "Israel", "Israël", "Israel" },
    { "625", "PS", "275", "Palästina, Staat", "Palestine, State of", "Palestina, Estado de", "Palestine, État de",
        "Palestina, Estado da" },
    { "626", "TL", "626", "Timor-Leste", "Timor-Leste", "Timor Oriental", "Timor oriental", "Timor-Leste" },
    { "628", "JO", "400", "Jordanien", "Jordan", "Jordania", "Jordanie", "Jordânia" },
    { "632", "SA", "682", "Saudi-Arabien", "Saudi Arabia", "Arabia Saudí", "Arabie saoudite", "Arábia Saudita" },
    { "636", "KW", "414", "Kuwait", "Kuwait", "Kuwait", "Koweït", "Kuwait" },
    { "640", "BH", "048", "Bahrain", "Bahrain", "Baréin", "Bahreïn", "Barém" },
    { "644", "QA", "634", "Katar", "Qatar", "Catar", "Qatar", "Catar" },
    { "647", "AE", "784", "Vereinigte Arabische Emirate", "United Arab Emirates", "Emiratos Árabes Unidos",
        "Émirats arabes unis", "Emirados Árabes Unidos" },
    { "649", "OM", "512", "Oman", "Oman", "Omán", "Oman", "Omã" },
    { "653", "YE", "887", "Jemen", "Yemen", "Yemen", "Yémen", "Iémen" },
    { "660", "AF", "004", "Afghanistan", "Afghanistan", "Afganistán", "Afghanistan", "Afeganistão" },
    { "662", "PK", "586", "Pakistan", "Pakistan", "Pakistán", "Pakistan", "Paquistão" },
    { "664", "IN", "356", "Indien", "India", "India", "Inde", "Índia" },
    { "666", "BD", "050", "Bangladesch", "Bangladesh", "Bangladés", "Bangladesh", "Bangladeche" },
    { "667", "MV", "462", "Malediven", "Maldives", "Islas Maldivas", "Maldives", "Maldivas" },
    { "669", "LK", "144", "Sri Lanka", "Sri Lanka", "Sri Lanka", "Sri Lanka", "Sri Lanka" },
    { "672", "NP", "524", "Nepal", "Nepal", "Nepal", "Népal", "Nepal" },
    { "675", "BT", "064", "Bhutan", "Bhutan", "Bután", "Bhoutan", "Butão" },
    { "676", "MM", "104", "Myanmar", "Myanmar", "Birmania", "Birmanie", "Birmânia" },
    { "680", "TH", "764", "Thailand", "Thailand", "Tailandia", "Thaïlande", "Tailândia" },
    { "684", "LA", "418", "Laos", "Laos", "Laos", "Laos", "Laos" },
    { "690", "VN", "704", "Vietnam", "Vietnam", "Vietnam", "Viêt Nam", "Vietname" },
    { "696", "KH", "116", "Kambodscha", "Cambodia", "Camboya", "Cambodge", "Camboja" },
    { "700", "ID", "360", "Indonesien", "Indonesia", "Indonesia", "Indonésie", "Indonésia" },
    { "701", "MY", "458", "Malaysia", "Malaysia", "Malasia", "Malaisie", "Malásia" },
    { "703", "BN", "096", "Brunei Darussalam", "Brunei Darussalam", "Brunei Darussalam", "Brunéi Darussalam",
        "Brunei" },
    { "706", "SG", "702", "Singapur", "Singapore", "Singapur", "Singapour", "Singapura" },
    { "708", "PH", "608", "Philippinen", "Philippines", "Filipinas", "Philippines", "Filipinas" },
    { "716", "MN", "496", "Mongolei", "Mongolia", "Mongolia", "Mongolie", "Mongólia" },
    { "720", "CN", "156", "China", "China", "China", "Chine", "China" },
    { "724", "KP", "408", "Nordkorea", "North Korea", "North Korea", "Corée du Nord", "Coreia do Norte" },
    { "728", "KR", "410", "Südkorea", "South Korea", "South Korea", "Corée du Sud", "Coreia do Sul" },
    { "732", "JP", "392", "Japan", "Japan", "Japón", "Japon", "Japão" },
    { "736", "TW", "158", "Taiwan", "Taiwan", "Taiwán", "Taïwan", "Taiwan" },
    { "740", "HK", "344", "Hongkong", "Hong Kong", "Hong Kong", "Hong Kong", "Hong Kong" },
    { "743", "MO", "446", "Macao", "Macao", "Macao", "Macau", "Macau" },
    { "800", "AU", "036", "Australien", "Australia", "Australia", "Australie", "Austrália" },
    { "801", "PG", "598", "Papua-Neuguinea", "Papua New Guinea", "Papúa Nueva Guinea", "Papouasie-Nouvelle-Guinée",
        "Papua Nova Guiné" },
    { "803", "NR", "520", "Nauru", "Nauru", "Nauru", "Nauru", "Nauru" },
    { "804", "NZ", "554", "Neuseeland", "New Zealand", "Nueva Zelanda", "Nouvelle-Zélande", "Nova Zelândia" },
    { "806", "SB", "090", "Salomoninseln", "Solomon Islands", "Islas Salomón", "Salomon, Îles", "Ilhas Salomão" },
    { "807", "TV", "798", "Tuvalu", "Tuvalu", "Tuvalu", "Tuvalu", "Tuvalu" },
    { "809", "NC", "540", "Neukaledonien", "New Caledonia", "Nueva Caledonia", "Nouvelle-Calédonie", "Nova Caledónia" },
    { "811", "WF", "876", "Wallis und Futuna", "Wallis and Futuna", "Wallis y Futuna", "Wallis et Futuna",
        "Wallis e Futuna" },
    { "812", "KI", "296", "Kiribati", "Kiribati", "Kiribati", "Kiribati", "Kiribati" },
    { "813", "PN", "612", "Pitcairn", "Pitcairn", "Pitcairn", "Îles Pitcairn", "Pitcairn" },
    { "815", "FJ", "242", "Fidschi", "Fiji", "Fiyi", "Fidji", "Fiji" },
    { "816", "VU", "548", "Vanuatu", "Vanuatu", "Vanuatu", "Vanuatu", "Vanuatu" },
    { "817", "TO", "776", "Tonga", "Tonga", "Tonga", "Tonga", "Tonga" },
    { "819", "WS", "882", "Samoa", "Samoa", "Samoa", "Samoa", "Samoa" },
    { "820", "MP", "580", "Nördliche Marianen", "Northern Mariana Islands", "Islas Marianas del Norte",
        "Îles Mariannes du Nord", "Ilhas Marianas do Norte" },
    { "822", "PF", "258", "Französisch-Polynesien", "French Polynesia", "Polinesia Francesa", "Polynésie française",
        "Polinésia Francesa" },
    { "823", "FM", "583", "Mikronesien", "Micronesia, Federated States", "Micronesia, Estados Federados",
        "Micronésie, États fédérés de", "Micronésia, Estados Federados" },
    { "824", "MH", "584", "Marshallinseln", "Marshall Islands", "Islas Marshall", "Îles Marshall", "Ilhas Marshall" },
    { "825", "PW", "585", "Palau", "Palau", "Palaos", "Palaos", "Palau" },
    { "830", "AS", "016", "Amerikanisch-Samoa", "American Samoa", "Samoa Estadounidense", "Samoa américaines",
        "Samoa Americana" },
    { "831", "GU", "316", "Guam", "Guam", "Guam", "Guam", "Guam" },
    { "832", "UM", "581", "Kleinere Amerik. Überseeins.", "United States Minor Outlying",
        "Islas Ultramarinas Menores de", "Îles mineures éloignées des É", "Ilhas Menores Distantes dos E" },
    { "833", "CK", "184", "Cookinseln", "Cook Islands", "Islas Cook", "îles Cook", "Ilhas Cook" },
    { "834", "NU", "570", "Niue", "Niue", "Niue", "Nioue", "Niue" },
    { "835", "TK", "772", "Tokelau", "Tokelau", "Tokelau", "Tokelau", "Tokelau" },
    { "836", "HM", "334", "Heard und McDonaldinseln", "Heard Island and McDonald Isl", "Islas Heard y McDonald",
        "îles Heard-et-MacDonald", "Ilha Heard e Ilhas McDonald" },
    { "837", "CC", "166", "Kokos-(Keeling-)Inseln", "Cocos (Keeling) Islands", "Islas Cocos (Keeling)",
        "Cocos (Keeling), Îles", "Ilhas Cocos" },
    { "838", "CX", "162", "Weihnachtsinseln", "Christmas Island", "Isla de Navidad", "Christmas, Île", "Ilha Natal" },
    { "839", "NF", "574", "Norfolkinsel", "Norfolk Island", "Isla Norfolk", "île Norfolk", "Ilha Norfolk" },
    { "890", "AQ", "010", "Antarktis", "Antarctica", "Antártida", "Antarctique", "Antártida" },
    { "891", "BV", "074", "Bouvet-Insel", "Bouvet Island", "Isla Bouvet", "île Bouvet", "Ilha Bouvet" },
    { "892", "GS", "239", "Südgeorgien u. Sandwichinseln", "South Georgia and the South S",
        "Islas Georgias del Sur y Sánd", "Géorgie du Sud et les îles Sa", "Ilhas Geórgia do Sul e Sandwi" },
    { "893", "TF", "260", "Französische Südgebiete", "French Southern Territories", "Territorios Franceses del Sur",
        "Terres australes françaises", "Territórios Franceses do Sul" },
    { "ALA", "AX", "248", "Åland-Inseln", "Åland Islands", "Islas Äland", "Åland, Îles", "Ilhas Alanda" },
    { "BLM", "BL", "652", "Saint-Barthélemy", "Saint Barthélemy", "San Bartolomé", "Saint-Barthélemy",
        "Saint Barthélemy" },
    { "ESH", "EH", "732", "Westsahara", "Western Sahara", "Sahara Occidental", "Sahara occidental", "Saara Ocidental" },
    { "GGY", "GG", "831", "Guernsey", "Guernsey", "Guernsey", "Guernesey", "Guernsey" },
    { "IMN", "IM", "833", "Insel Man", "Isle of Man", "Isla de Man", "Île de Man", "Ilha de Man" },
    { "JEY", "JE", "832", "Jersey", "Jersey", "Jersey", "Jersey", "Jersey" },
    { "MAF", "MF", "663", "Saint-Martin (frz. Teil)", "Saint Martin (French part)", "San Martín (zona francesa)",
        "Saint-Martin (partie français", "São Martin (Território Francê" },
    { "MCO", "MC", "492", "Monaco", "Monaco", "Mónaco", "Monaco", "Mónaco" },
    { "PRI", "PR", "630", "Puerto Rico", "Puerto Rico", "Puerto Rico", "Porto Rico", "Porto Rico" },
    { "SJM", "SJ", "744", "Svalbard und Jan Mayen", "Svalbard and Jan Mayen", "Svalbard y Jan Mayen",
        "Svalbard et île Jan Mayen", "Svalbard e Jan Mayen" },
};

const QString DoneFile = QStringLiteral("Laendernummern.txt");

// The tables that refer to a country by its number.
const QString ReferringTables[]
    = { Tables::Customers, Tables::Forwarders, Tables::ShippingAddresses, Tables::OriginClauses };

struct Move {
    QString from, to, lkz, bez;
};

QString sqlName(const QString &table)
{
    return platform::TableSchema::tableNameOf(table);
}

} // namespace

QVector<CountryRow> deliveredCountries()
{
    return QVector<CountryRow>(std::begin(Countries), std::end(Countries));
}

void fillCountryTable(platform::Session &session)
{
    platform::Table countries(platform::Alias::Data, Tables::Countries);
    countries.setSession(&session);
    countries.open();
    // A table the office keeps itself is left as it is.
    if (!countries.isEmpty())
        return;
    for (const CountryRow &row : Countries) {
        countries.append();
        countries.setValue(QStringLiteral("Land"), QString::fromUtf8(row.land));
        countries.setValue(QStringLiteral("Lkz"), QString::fromUtf8(row.lkz));
        countries.setValue(QStringLiteral("Bez"), QString::fromUtf8(row.bez));
        countries.setValue(QStringLiteral("E"), QString::fromUtf8(row.english));
        countries.setValue(QStringLiteral("S"), QString::fromUtf8(row.spanish));
        countries.setValue(QStringLiteral("F"), QString::fromUtf8(row.french));
        countries.setValue(QStringLiteral("P"), QString::fromUtf8(row.portuguese));
        countries.post();
    }
}

void correctCountryNumbers(platform::Session &session)
{
    platform::Database &db = session.database(platform::Alias::Data);
    const QString donePath = QDir(db.directory()).filePath(DoneFile);
    if (QFile::exists(donePath) || db.isReadOnly())
        return;
    const QString countries = db.quote(sqlName(Tables::Countries));

    // The table as it stands: number -> (code, name).
    QHash<QString, QPair<QString, QString>> rows;
    QSet<QString> codes;
    QHash<QString, QPair<QString, QString>> byCode; // code -> (number, name)
    {
        QSqlQuery q = db.exec(QStringLiteral("SELECT Land, Lkz, Bez FROM %1").arg(countries), {}, Tables::Countries);
        while (q.next()) {
            rows.insert(q.value(0).toString(), { q.value(1).toString(), q.value(2).toString() });
            codes.insert(q.value(1).toString().toUpper());
            byCode.insert(q.value(1).toString(), { q.value(0).toString(), q.value(2).toString() });
        }
    }

    // A row moves only as the program wrote it: its ISO number, its code and
    // its name unchanged.
    QHash<QString, Move> moves; // by the number it leaves
    QStringList report;
    for (const CountryRow &row : Countries) {
        const QString iso = QString::fromUtf8(row.iso);
        const QString land = QString::fromUtf8(row.land);
        if (iso.isEmpty() || iso == land)
            continue;
        const auto found = rows.constFind(iso);
        if (found == rows.cend() || found->first != QLatin1String(row.lkz)
            || found->second != QString::fromUtf8(row.bez)) {
            // Told, so that the office can set the number itself.
            const auto own = byCode.constFind(QString::fromUtf8(row.lkz));
            if (own != byCode.cend() && own->first != land)
                report.append(QStringLiteral("%1 %2 bleibt bei %3: von Hand geändert (Ländernummer %4).")
                                  .arg(QString::fromUtf8(row.lkz), own->second, own->first, land));
            continue;
        }
        moves.insert(iso, { iso, land, QString::fromUtf8(row.lkz), QString::fromUtf8(row.bez) });
    }
    // A number held by a row that stays (the office's own, or one left
    // alone) keeps the row that would take it where it is; that may in turn
    // hold another one back.
    for (bool changed = true; changed;) {
        changed = false;
        for (auto it = moves.begin(); it != moves.end();) {
            if (rows.contains(it->to) && !moves.contains(it->to)) {
                report.append(QStringLiteral("%1 %2 bleibt bei %3: die Nummer %4 ist vergeben.")
                                  .arg(it->lkz, it->bez, it->from, it->to));
                it = moves.erase(it);
                changed = true;
            } else {
                ++it;
            }
        }
    }

    QSet<QString> taken;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (!moves.contains(it.key()))
            taken.insert(it.key());
    }
    for (const Move &move : std::as_const(moves))
        taken.insert(move.to);
    // The delivered countries the table lacks, when neither their number nor
    // their code is in use. A table the program has not filled gets none.
    QVector<const CountryRow *> additions;
    if (!rows.isEmpty()) {
        for (const CountryRow &row : Countries) {
            if (*row.iso == '\0' && !taken.contains(QString::fromUtf8(row.land))
                && !codes.contains(QString::fromUtf8(row.lkz)))
                additions.append(&row);
        }
    }

    platform::Transaction transaction(db);
    if (!moves.isEmpty()) {
        // All references in one statement per table, so that a number that
        // changes hands (Afghanistan leaves 004, Germany takes it) is never
        // read twice.
        QString cases;
        QVariantList values;
        QStringList marks;
        for (const Move &move : std::as_const(moves)) {
            cases += QStringLiteral(" WHEN ? THEN ?");
            values << move.from << move.to;
        }
        for (const Move &move : std::as_const(moves)) {
            marks.append(QStringLiteral("?"));
            values << move.from;
        }
        for (const QString &table : ReferringTables) {
            if (!db.tableExists(table))
                continue;
            db.exec(QStringLiteral("UPDATE %1 SET land = CASE land%2 END WHERE land IN (%3)")
                        .arg(db.quote(sqlName(table)), cases, marks.join(QLatin1Char(','))),
                values, table);
            db.touch(table);
        }
        // The country rows through a number no row holds, since the numbers
        // are unique at every step.
        for (const Move &move : std::as_const(moves)) {
            db.exec(QStringLiteral("UPDATE %1 SET Land = ? WHERE Land = ?").arg(countries),
                { QStringLiteral("~") + move.lkz, move.from }, Tables::Countries);
        }
        for (const Move &move : std::as_const(moves)) {
            db.exec(QStringLiteral("UPDATE %1 SET Land = ? WHERE Land = ?").arg(countries),
                { move.to, QStringLiteral("~") + move.lkz }, Tables::Countries);
            report.append(QStringLiteral("%1 %2: %3 -> %4").arg(move.lkz, move.bez, move.from, move.to));
        }
    }
    for (const CountryRow *row : std::as_const(additions)) {
        db.exec(
            QStringLiteral("INSERT INTO %1 (Land, Lkz, Bez, E, S, F, P) VALUES (?, ?, ?, ?, ?, ?, ?)").arg(countries),
            { QString::fromUtf8(row->land), QString::fromUtf8(row->lkz), QString::fromUtf8(row->bez),
                QString::fromUtf8(row->english), QString::fromUtf8(row->spanish), QString::fromUtf8(row->french),
                QString::fromUtf8(row->portuguese) },
            Tables::Countries);
        report.append(QStringLiteral("%1 %2: neu mit %3")
                          .arg(QString::fromUtf8(row->lkz), QString::fromUtf8(row->bez), QString::fromUtf8(row->land)));
    }
    db.touch(Tables::Countries);
    transaction.commit();

    // The record of what was done; it also keeps the step from running again
    // over numbers the office sets afterwards.
    QFile done(donePath);
    if (done.open(QIODevice::WriteOnly | QIODevice::Text)) {
        report.sort();
        const QString text = QStringLiteral("Ländertabelle auf die Ländernummern der Außenhandelsstatistik "
                                            "umgestellt am %1.\n")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm")))
            + (report.isEmpty() ? QStringLiteral("Nichts zu ändern.\n") : report.join(QLatin1Char('\n')) + '\n');
        done.write(text.toUtf8());
    }
}

} // namespace masterdata
