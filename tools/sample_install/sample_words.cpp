#include "sample_words.hpp"

namespace vx::sample::words {

namespace {

constexpr Surname kSurnameList[] = {
    {"Nowak", "Nowak"}, {"Kowalski", "Kowalska"}, {"Wiśniewski", "Wiśniewska"},
    {"Wójcik", "Wójcik"}, {"Kowalczyk", "Kowalczyk"}, {"Kamiński", "Kamińska"},
    {"Lewandowski", "Lewandowska"}, {"Zieliński", "Zielińska"}, {"Szymański", "Szymańska"},
    {"Woźniak", "Woźniak"}, {"Dąbrowski", "Dąbrowska"}, {"Kozłowski", "Kozłowska"},
    {"Jankowski", "Jankowska"}, {"Mazur", "Mazur"}, {"Wojciechowski", "Wojciechowska"},
    {"Kwiatkowski", "Kwiatkowska"}, {"Krawczyk", "Krawczyk"}, {"Kaczmarek", "Kaczmarek"},
    {"Piotrowski", "Piotrowska"}, {"Grabowski", "Grabowska"}, {"Zając", "Zając"},
    {"Pawłowski", "Pawłowska"}, {"Michalski", "Michalska"}, {"Król", "Król"},
    {"Wieczorek", "Wieczorek"}, {"Jabłoński", "Jabłońska"}, {"Wróbel", "Wróbel"},
    {"Majewski", "Majewska"}, {"Olszewski", "Olszewska"}, {"Stępień", "Stępień"},
    {"Malinowski", "Malinowska"}, {"Jaworski", "Jaworska"}, {"Adamczyk", "Adamczyk"},
    {"Dudek", "Dudek"}, {"Nowicki", "Nowicka"}, {"Pawlak", "Pawlak"}, {"Górski", "Górska"},
    {"Witkowski", "Witkowska"}, {"Walczak", "Walczak"}, {"Sikora", "Sikora"},
    {"Rutkowski", "Rutkowska"}, {"Szewczyk", "Szewczyk"}, {"Ostrowski", "Ostrowska"},
    {"Tomaszewski", "Tomaszewska"}, {"Pietrzak", "Pietrzak"}, {"Wróblewski", "Wróblewska"},
    {"Jasiński", "Jasińska"}, {"Zawadzki", "Zawadzka"}, {"Bąk", "Bąk"},
    {"Chmielewski", "Chmielewska"}, {"Włodarczyk", "Włodarczyk"}, {"Sokołowski", "Sokołowska"},
    {"Urbański", "Urbańska"}, {"Kaźmierczak", "Kaźmierczak"}, {"Cieślak", "Cieślak"},
    {"Głowacki", "Głowacka"}, {"Kołodziej", "Kołodziej"}, {"Brzeziński", "Brzezińska"},
    {"Ziółkowski", "Ziółkowska"}, {"Żak", "Żak"}, {"Łukasik", "Łukasik"},
    {"Śliwiński", "Śliwińska"}, {"Żurawski", "Żurawska"}, {"Ćwikła", "Ćwikła"},
    {"Łęcki", "Łęcka"}, {"Źrebiec", "Źrebiec"}, {"Gałązka", "Gałązka"},
    {"Przybyłowicz-Śmigielski", "Przybyłowicz-Śmigielska"},
};

constexpr const char* kMaleNameList[] = {
    "Piotr", "Krzysztof", "Andrzej", "Tomasz", "Paweł", "Jan", "Michał", "Marcin",
    "Stanisław", "Jakub", "Adam", "Marek", "Łukasz", "Grzegorz", "Mateusz", "Wojciech",
    "Mariusz", "Dariusz", "Zbigniew", "Jerzy", "Józef", "Kamil", "Maciej", "Rafał",
    "Ryszard", "Sławomir", "Przemysław", "Bogusław", "Zdzisław", "Mirosław", "Czesław",
    "Ścibor", "Radosław", "Władysław",
};

constexpr const char* kFemaleNameList[] = {
    "Anna", "Maria", "Katarzyna", "Małgorzata", "Agnieszka", "Barbara", "Ewa", "Krystyna",
    "Elżbieta", "Magdalena", "Joanna", "Zofia", "Monika", "Teresa", "Danuta", "Natalia",
    "Aleksandra", "Karolina", "Beata", "Dorota", "Halina", "Jadwiga", "Jolanta", "Grażyna",
    "Bożena", "Żaneta", "Łucja", "Urszula", "Wiesława", "Stanisława", "Jagoda", "Iwona",
};

constexpr Place kPlaceList[] = {
    {"Warszawa", "mazowieckie", "Warszawa", "00-", "Warszawa-Śródmieście"},
    {"Kraków", "małopolskie", "Kraków", "30-", "Kraków-Podgórze"},
    {"Łódź", "łódzkie", "Łódź", "90-", "Łódź-Bałuty"},
    {"Wrocław", "dolnośląskie", "Wrocław", "50-", "Wrocław-Fabryczna"},
    {"Poznań", "wielkopolskie", "Poznań", "60-", "Poznań-Wilda"},
    {"Gdańsk", "pomorskie", "Gdańsk", "80-", "Gdańsk"},
    {"Szczecin", "zachodniopomorskie", "Szczecin", "70-", "Szczecin"},
    {"Bydgoszcz", "kujawsko-pomorskie", "Bydgoszcz", "85-", "Bydgoszcz"},
    {"Lublin", "lubelskie", "Lublin", "20-", "Lublin"},
    {"Białystok", "podlaskie", "Białystok", "15-", "Białystok"},
    {"Katowice", "śląskie", "Katowice", "40-", "Katowice"},
    {"Częstochowa", "śląskie", "Częstochowa", "42-", "Częstochowa"},
    {"Radom", "mazowieckie", "Radom", "26-", "Radom"},
    {"Toruń", "kujawsko-pomorskie", "Toruń", "87-", "Toruń"},
    {"Kielce", "świętokrzyskie", "Kielce", "25-", "Kielce"},
    {"Rzeszów", "podkarpackie", "Rzeszów", "35-", "Rzeszów"},
    {"Olsztyn", "warmińsko-mazurskie", "Olsztyn", "10-", "Olsztyn"},
    {"Zielona Góra", "lubuskie", "Zielona Góra", "65-", "Zielona Góra"},
    {"Opole", "opolskie", "Opole", "45-", "Opole"},
    {"Gorzów Wielkopolski", "lubuskie", "Gorzów Wlkp.", "66-", "Gorzów Wielkopolski"},
    {"Płock", "mazowieckie", "płocki", "09-", "Płock"},
    {"Włocławek", "kujawsko-pomorskie", "włocławski", "87-", "Włocławek"},
    {"Tarnów", "małopolskie", "tarnowski", "33-", "Tarnów"},
    {"Koszalin", "zachodniopomorskie", "koszaliński", "75-", "Koszalin"},
    {"Kalisz", "wielkopolskie", "kaliski", "62-", "Kalisz"},
    {"Legnica", "dolnośląskie", "legnicki", "59-", "Legnica"},
    {"Słupsk", "pomorskie", "słupski", "76-", "Słupsk"},
    {"Nowy Sącz", "małopolskie", "nowosądecki", "33-", "Nowy Sącz"},
    {"Jelenia Góra", "dolnośląskie", "jeleniogórski", "58-", "Jelenia Góra"},
    {"Siedlce", "mazowieckie", "siedlecki", "08-", "Siedlce"},
    {"Łomża", "podlaskie", "łomżyński", "18-", "Łomża"},
    {"Żyrardów", "mazowieckie", "żyrardowski", "96-", "Żyrardów"},
    {"Łowicz", "łódzkie", "łowicki", "99-", "Łowicz"},
    {"Ełk", "warmińsko-mazurskie", "ełcki", "19-", "Ełk"},
    {"Świdnica", "dolnośląskie", "świdnicki", "58-", "Świdnica"},
    {"Żory", "śląskie", "Żory", "44-", "Żory"},
};

constexpr const char* kStreetList[] = {
    "Marszałkowska", "Piłsudskiego", "Mickiewicza", "Słowackiego", "Kościuszki",
    "Sienkiewicza", "Żeromskiego", "Długa", "Krótka", "Ogrodowa", "Polna", "Leśna",
    "Łąkowa", "Kwiatowa", "Źródlana", "Świętokrzyska", "Grunwaldzka", "Wojska Polskiego",
    "3 Maja", "Szkolna", "Kolejowa", "Jana Pawła II", "Żwirki i Wigury", "Ślężna", "Wąska",
    "Różana", "Słoneczna", "Dworcowa", "Rynek", "Młyńska", "Piekarska", "Zielona",
    "Częstochowska", "Łódzka", "Gdańska", "Poznańska", "Krakowska", "Żurawia",
};

constexpr Bank kBankList[] = {
    {"PKO Bank Polski S.A.", "10201026"},
    {"Bank Pekao S.A.", "12401037"},
    {"mBank S.A.", "11402004"},
    {"ING Bank Śląski S.A.", "10501214"},
    {"Bank Zachodni WBK S.A.", "10901014"},
    {"Bank Millennium S.A.", "11602202"},
    {"Alior Bank S.A.", "24901044"},
    {"Bank Spółdzielczy w Łowiczu", "90080004"},
    {"Credit Agricole Bank Polska S.A.", "19401076"},
};

constexpr CompanyStem kCompanyList[] = {
    {"Piekarnia Żytnia sp.j.", "PIEKARN", "pieczywo, Łódź", "wypiek pieczywa i ciastek"},
    {"Zakład Ślusarski Łukasz Wójcik", "SLUSARZ", "usługi ślusarskie", "obróbka metali, spawanie"},
    {"Biuro Rachunkowe Ćma", "CMA", "księgi, kadry", "usługi księgowe i kadrowe"},
    {"Sklep Ósemka Źródło", "OSEMKA", "spożywczy, Gdańsk", "sprzedaż detaliczna żywności"},
    {"Hurtownia Łączność s.c.", "LACZNOSC", "elektronika", "hurt sprzętu łączności"},
    {"Transport Żuraw Mazur", "ZURAW", "przewóz towarów", "transport drogowy towarów"},
    {"Gabinet Stomatologiczny Uśmiech", "USMIECH", "stomatologia", "praktyka stomatologiczna"},
    {"Pracownia Krawiecka Igła", "IGLA", "szycie na miarę", "krawiectwo, poprawki"},
    {"Usługi Remontowe Dąbrowski", "REMONTY", "remonty mieszkań", "roboty wykończeniowe"},
    {"Kwiaciarnia Róża", "ROZA", "kwiaty, dekoracje", "sprzedaż kwiatów"},
    {"Apteka Pod Żółwiem", "APTEKA", "leki, Poznań", "sprzedaż leków"},
    {"Auto-Serwis Gąsienica", "AUTOSERW", "mechanika pojazdów", "naprawa samochodów"},
    {"Restauracja Złota Kaczka", "KACZKA", "gastronomia", "restauracja, catering"},
    {"Zakład Fryzjerski Grażyna", "FRYZJER", "fryzjerstwo", "usługi fryzjerskie"},
    {"Księgarnia Słowo i Wiedza", "KSIEGARN", "książki, Kraków", "sprzedaż książek"},
    {"Stolarstwo Jeżyk i Syn", "STOLARZ", "meble na wymiar", "produkcja mebli"},
};

constexpr const char* kTradeKindList[] = {
    "Hurtownia Spożywcza", "Przedsiębiorstwo Handlowe", "Zakład Energetyczny",
    "Usługi Transportowe", "Biuro Usług Księgowych", "Drukarnia", "Stacja Paliw",
    "Hurtownia Materiałów Budowlanych", "Sklep Żelazny", "Przetwórnia Owoców",
    "Młyn Zbożowy", "Spółdzielnia Mleczarska", "Wodociągi Miejskie", "Zakład Gospodarki Komunalnej",
    "Hurtownia Chemii Gospodarczej", "Pralnia Chemiczna", "Serwis Komputerowy",
};

constexpr const char* kLegalFormList[] = {"sp. z o.o.", "s.c.", "S.A.", "sp.j.", ""};

constexpr const char* kPurchaseList[] = {
    "zakup towarów handlowych", "zakup materiałów biurowych", "opłata za energię elektryczną",
    "czynsz za lokal użytkowy", "zakup paliwa do samochodu", "usługi telekomunikacyjne",
    "naprawa urządzeń chłodniczych", "zakup mąki żytniej", "usługa księgowa za grudzień",
    "szkolenie BHP pracowników", "zakup odzieży roboczej", "opłata za wywóz śmieci",
    "ubezpieczenie majątku firmy", "prowizja bankowa", "zakup części zamiennych",
    "dzierżawa maszyn", "zwrot kosztów podróży służbowej", "zakup środków czystości",
};

constexpr const char* kSaleList[] = {
    "sprzedaż towarów", "sprzedaż usług remontowych", "utarg dzienny z kasy fiskalnej",
    "usługa transportowa", "sprzedaż wyrobów gotowych", "naprawa pojazdu klienta",
    "usługa krawiecka", "sprzedaż pieczywa - dostawa", "wynajem sali na przyjęcie",
    "sprzedaż detaliczna - żywność",
};

constexpr const char* kPaymentFormList[] = {
    "przelew 14 dni", "przelew 7 dni", "gotówka", "karta płatnicza", "przelew 30 dni", "kompensata",
};

constexpr const char* kJobTitleList[] = {
    "księgowa", "sprzedawca", "kierowca samochodu ciężarowego", "piekarz", "ślusarz-spawacz",
    "pomoc kuchenna", "magazynier", "specjalista ds. kadr i płac", "kierownik zmiany",
    "sprzątaczka", "fryzjerka", "technik dentystyczny", "mechanik pojazdów samochodowych",
    "kelnerka", "krawcowa", "stolarz meblowy", "farmaceutka", "zaopatrzeniowiec",
};

constexpr const char* kQualificationList[] = {
    "prawo jazdy kat. B, C", "uprawnienia spawalnicze", "książeczka sanepidowska",
    "szkolenie BHP - okresowe", "kurs obsługi wózków widłowych", "świadectwo kwalifikacji",
    "badania lekarskie ważne do 2019", "język angielski - średnio zaawansowany",
    "technikum gastronomiczne", "zasadnicza szkoła zawodowa",
};

constexpr const char* kRelationList[] = {"żona", "mąż", "syn", "córka", "wnuk", "wnuczka", "matka", "ojciec"};

constexpr const char* kRemarkList[] = {
    "bez uwag", "płatne przelewem", "termin płatności 14 dni", "do wyjaśnienia z księgową",
    "wg umowy z dnia 2.01.2017", "zwrot częściowy", "należność sporna",
    "rozliczyć w następnym miesiącu", "potwierdzenie salda wysłane", "korekta błędu w nazwie",
    "dostawa częściowa", "zapłacono gotówką", "zaliczka na poczet dostaw", "rabat świąteczny",
    "pożyczka od wspólnika", "kaucja zwrotna", "gwarancja 24 miesiące", "źródło: wyciąg bankowy",
};

constexpr const char* kNoteList[] = {
    "Zadzwonić do klienta w sprawie zaległych faktur.",
    "Pamiętać o deklaracji ZUS DRA do 15-go.",
    "Przegląd kasy fiskalnej w lutym.",
    "Zamówić nowe druki KP i KW.",
    "Sprawdzić saldo rozrachunków z dostawcą.",
    "Urlop pani księgowej od 12 do 16 lutego.",
    "Remanent na koniec roku - spisać towar w magazynie.",
    "Zapłacić zaliczkę na podatek do 20-go.",
    "Wysłać PIT-11 pracownikom do końca lutego.",
    "Umówić badania okresowe dla kierowców.",
    "Źle naliczona premia za grudzień - poprawić na liście płac.",
    "Odebrać zaświadczenie o niezaleganiu z urzędu skarbowego.",
};

constexpr const char* kWageItemList[] = {
    "Płaca zasad.", "Premia uzn.", "Dod. stażowy", "Nadgodz. 50%", "Nadgodz.100%",
    "Ekwiw. urlop", "Zasiłek chor", "Wynagr. chor", "Dod. nocny", "Potr. zalicz",
    "Potr. komorn", "Składka PZU", "Dopł. wczasy", "Nagroda jub.", "Ryczałt sam.",
};

constexpr const char* kAssetList[] = {
    "Piec piekarniczy konwekcyjny", "Samochód dostawczy", "Komputer stacjonarny z monitorem",
    "Tokarka uniwersalna", "Spawarka inwertorowa", "Lada chłodnicza", "Fotel stomatologiczny",
    "Maszyna do szycia przemysłowa", "Budynek warsztatu", "Wózek widłowy",
    "Ekspres ciśnieniowy gastronomiczny", "Klimatyzator ścienny", "Piła formatowa",
    "Regał wysokiego składowania", "Sprężarka śrubowa",
};

constexpr const char* kEquipmentList[] = {
    "Krzesło obrotowe", "Biurko narożne", "Drukarka laserowa", "Niszczarka dokumentów",
    "Czajnik elektryczny", "Szafa aktowa", "Kasa fiskalna", "Wiertarka udarowa",
    "Lodówka podblatowa", "Telefon komórkowy",
};

constexpr const char* kCarList[] = {
    "Fiat Ducato", "Opel Astra", "Skoda Octavia", "Ford Transit", "Volkswagen Passat",
    "Renault Kangoo", "Toyota Corolla", "Citroën Berlingo",
};

constexpr const char* kTripList[] = {
    "wyjazd do klienta - podpisanie umowy", "dostawa towaru do hurtowni",
    "wizyta w urzędzie skarbowym", "zakup materiałów w Łodzi", "szkolenie w Poznaniu",
    "odbiór części z Częstochowy", "spotkanie w banku", "targi branżowe w Kielcach",
};

constexpr const char* kTransferTitleList[] = {
    "zapłata za fakturę", "składki ZUS za grudzień 2017", "zaliczka na PIT-5L za grudzień",
    "podatek VAT-7 za grudzień 2017", "czynsz za styczeń 2018", "wynagrodzenie za grudzień",
    "zwrot kaucji", "rata leasingu nr 14",
};

}  // namespace

const std::span<const Surname> kSurnames = kSurnameList;
const std::span<const char* const> kMaleNames = kMaleNameList;
const std::span<const char* const> kFemaleNames = kFemaleNameList;
const std::span<const Place> kPlaces = kPlaceList;
const std::span<const char* const> kStreets = kStreetList;
const std::span<const Bank> kBanks = kBankList;
const std::span<const CompanyStem> kCompanies = kCompanyList;
const std::span<const char* const> kTradeKinds = kTradeKindList;
const std::span<const char* const> kLegalForms = kLegalFormList;
const std::span<const char* const> kPurchases = kPurchaseList;
const std::span<const char* const> kSales = kSaleList;
const std::span<const char* const> kPaymentForms = kPaymentFormList;
const std::span<const char* const> kJobTitles = kJobTitleList;
const std::span<const char* const> kQualifications = kQualificationList;
const std::span<const char* const> kRelations = kRelationList;
const std::span<const char* const> kRemarks = kRemarkList;
const std::span<const char* const> kNotes = kNoteList;
const std::span<const char* const> kWageItems = kWageItemList;
const std::span<const char* const> kAssets = kAssetList;
const std::span<const char* const> kEquipment = kEquipmentList;
const std::span<const char* const> kCars = kCarList;
const std::span<const char* const> kTrips = kTripList;
const std::span<const char* const> kTransferTitles = kTransferTitleList;

}  // namespace vx::sample::words
