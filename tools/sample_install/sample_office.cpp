#include "sample_office.hpp"

#include <filesystem>
#include <random>

#include "sample_files.hpp"

namespace vx::sample {

namespace fs = std::filesystem;

namespace {

struct CompanySeed {
  const char* name;
  const char* dir;
  const char* info;
  bool mazovia;
};

constexpr CompanySeed kCompanies[] = {
    {"Piekarnia Żytnia sp.j.", "PIEKARN", "pieczywo, Łódź", false},
    {"Zakład Ślusarski Łukasz Wójcik", "SLUSARZ", "usługi ślusarskie", true},
    {"Biuro Rachunkowe Ćma", "CMA", "księgi, kadry", false},
    {"Sklep Ósemka Źródło", "OSEMKA", "spożywczy, Gdańsk", true},
};

constexpr const char* kSurnames[] = {"Kowalska", "Żółkiewski", "Nowak", "Wiśniewska", "Łęcki",
                                     "Dąbrowski", "Zieliński", "Szymańska", "Woźniak", "Kaczmarek"};
constexpr const char* kFirstNames[] = {"Anna", "Łukasz", "Józef", "Małgorzata", "Żaneta",
                                       "Grzegorz", "Ewa", "Paweł", "Ścibor", "Jadwiga"};

void company_register(RecordSet& reg, const std::string& name, const std::string& dir,
                      const std::string& info) {
  auto r = reg.add();
  r.set_text(0, 31, name);
  r.set_text(32, 8, dir);
  r.set_text(41, 25, info);
}

Bytes annual_settings_2017(std::mt19937& rng, bool december_closed) {
  RecordSet s(512);
  auto r1 = s.add();
  r1.set_u8(0, 0);
  r1.set_u8(2, 1);
  r1.set_u8(3, december_closed ? 13 : 12);
  r1.set_u8(4, 3);
  for (int m = 1; m <= 12; ++m) {
    r1.set_u16(16 + 8 * static_cast<std::size_t>(m - 1), 2);
    r1.set_u16(18 + 8 * static_cast<std::size_t>(m - 1), 2);
  }
  double balance = 1000.0 + static_cast<double>(rng() % 100000) / 100.0;
  for (std::size_t i = 0; i <= 12; ++i) {
    r1.set_f64(150 + 8 * i, balance);
    balance += static_cast<double>(rng() % 50000) / 100.0;
  }
  auto r2 = s.add();
  for (std::size_t k = 0; k < 10; ++k) {
    r2.set_text(2 + 16 * k, 6, "FV/" + std::to_string(k + 1));
    r2.set_u16(2 + 16 * k + 7, static_cast<std::uint16_t>(k + 7));
  }
  auto r3 = s.add();
  r3.set_f64(2, 19.0);
  r3.set_f64(10, 18.0);
  return s.bytes();
}

Bytes stamp_2017() {
  RecordSet s(256);
  auto r = s.add();
  r.set_u16(0, 2017);
  r.set_u16(2, 2017);
  r.set_u16(4, 2017);
  r.set_u8(6, 5);
  r.set_u8(7, 0);
  r.set_text(8, 30, "stan po zamknieciu roku");
  return s.bytes();
}

Bytes company_record(const CompanySeed& c) {
  RecordSet s(224);
  auto r = s.add();
  r.set_text(0, 18, encode("Polska", c.mazovia));
  r.set_text(19, 22, encode("mazowieckie", c.mazovia));
  r.set_text(42, 26, encode("Warszawa-Śródmieście", c.mazovia));
  r.set_text(69, 30, encode("ul. Żurawia", c.mazovia));
  r.set_text(100, 7, "12");
  r.set_text(108, 7, "3a");
  r.set_text(116, 26, encode("Warszawa", c.mazovia));
  r.set_text(143, 6, "00-515");
  r.set_text(150, 26, encode("Warszawa", c.mazovia));
  r.set_text(209, 12, "1465011");
  return s.bytes();
}

void persons(std::mt19937& rng, const CompanySeed& c, int count, RecordSet& pr, RecordSet& pf) {
  for (int i = 0; i < count; ++i) {
    auto p = pr.add();
    const std::int64_t id = 1000 + i;
    p.set_i64(0, id);
    p.set_text(40, 31, encode(kSurnames[rng() % 10], c.mazovia));
    p.set_text(72, 22, encode(kFirstNames[rng() % 10], c.mazovia));
    // Every fourth person left on 30.12.2017; one was deleted.
    if (i % 4 == 3) p.set_date(213, {30, 12, 2017});
    if (i == count - 1 && count > 2) p.set_i64(0, -id);
    p.set_text(513, 65, encode("Urząd Skarbowy Warszawa-Śródmieście", c.mazovia));
    p.set_text(579, 4, "1435");
    p.set_text(584 + 42, 26, encode("Łódź", c.mazovia));
    if (i % 2 == 0) {
      auto f = pf.add();
      f.set_i64(0, id);
      f.set_text(56, 31, encode(kSurnames[rng() % 10], c.mazovia));
      f.set_text(88, 22, encode("Zofia", c.mazovia));
    }
  }
}

Bytes documents(std::mt19937& rng, const CompanySeed& c, int count, int month) {
  RecordSet s(400);
  for (int i = 0; i < count; ++i) {
    auto d = s.add();
    d.set_u32(0, static_cast<std::uint32_t>(i + 1));
    d.set_date(18, {static_cast<std::uint8_t>(1 + i % 28), static_cast<std::uint8_t>(month == 0 ? 11 : month), month == 0 ? std::uint16_t{2017} : std::uint16_t{2018}});
    d.set_date(14, d.date(18));
    d.set_text(55, 18, "FV/" + std::to_string(i + 1) + "/" + std::to_string(month));
    d.set_text(74, 36, encode("Hurtownia Żak i Syn", c.mazovia));
    d.set_text(148, 36, encode("zakup towarów handlowych", c.mazovia));
    const double net = static_cast<double>(rng() % 100000) / 100.0;
    d.set_f64(248, net);
    d.set_f64(256, net * 0.23);
    if (i == 1) d.set_u16(30, 2);  // struck off
  }
  return s.bytes();
}

}  // namespace

bool write_sample_office(const std::string& root_text, const OfficeShape& shape) {
  const fs::path root(root_text);
  const fs::path y17 = root / "WEX_2017";
  const fs::path y18 = root / "WEX_2018";
  std::mt19937 rng(shape.seed);
  bool ok = true;
  std::error_code ec;
  fs::create_directories(y18 / "#BIN980", ec);

  RecordSet reg(103);
  for (int n = 0; n < shape.companies; ++n) {
    const CompanySeed& seed = kCompanies[n % 4];
    std::string dir = seed.dir;
    std::string name = seed.name;
    if (n >= 4) {
      dir = dir.substr(0, 5) + std::to_string(n);
      name += " " + std::to_string(n);
    }
    CompanySeed c = seed;
    company_register(reg, encode(name, c.mazovia), dir, encode(c.info, c.mazovia));
    const fs::path d = y17 / dir;
    ok &= save(d / "_vx_wex.rek", stamp_2017());
    ok &= save(d / "2017_ROK.REK", annual_settings_2017(rng, n % 2 == 0));
    ok &= save(d / "FIRMA_A8.REK", company_record(c));
    RecordSet pr(2048), pf(352);
    persons(rng, c, shape.persons, pr, pf);
    ok &= save(d / "DANE_PR8.REK", pr.bytes());
    ok &= save(d / "DANE_PF8.REK", pf.bytes());
    ok &= save_text(d / "Notatnik.txt", encode("Zadzwonić do klienta w sprawie faktur.\r\nPamiętać o ZUS.\r\n", c.mazovia));
    ok &= save(d / "0000K880.00", documents(rng, c, shape.documents / 2 + 1, 0));
    for (int m = 1; m <= 2; ++m)
      ok &= save(d / ("2018K880." + std::to_string(m)), documents(rng, c, shape.documents, m));
  }
  ok &= save(y17 / "SPISFIRM.DAT", reg.bytes());

  const fs::path g = y17 / "#BIN970";
  ok &= save_text(g / "baza_ff.txt", encode("F2=Zapłacono gotówką\r\nF3=Przelew 14 dni\r\n", false));
  ok &= save_text(g / "WEX_VX.INI", "[WEX]\r\nDLL=TAK\r\n");
  ok &= save_text(g / "ZUS_PEL.INI", "[ZUS]\r\nPEL=1\r\n");
  ok &= save_text(g / "UMOWY.INI", "[UMOWY]\r\nTYP=1\r\n");
  ok &= save(g / "KOLORY.VX", Bytes{0x07, 0x0F, 0x1F, 0x70, 0x07, 0x02, 0x0F, 0x0F, 0x4F, 0x0F, 0x70});
  return ok;
}

}  // namespace vx::sample
