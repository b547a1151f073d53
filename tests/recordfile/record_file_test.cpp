#include "recordfile/record_file.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "companies/register_file.hpp"
#include "support/fixture.hpp"
#include "support/queue_console.hpp"
#include "support/second_station.hpp"
#include "support/scripted_run.hpp"

namespace vx::recordfile {
namespace {

using test::Bytes;
using test::Record;

using test::ByteKeyClass;

Bytes rec(char key, char tag) { return Bytes{static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(tag), 0, 0, 0, 0, 0, 0}; }

TEST(InsertInOrder, KeepsTheFileSortedAndPutsEqualKeysAfter) {
  test::TempDir dir;
  test::ScriptedRun s;
  const ByteKeyClass cls;
  RecordFile f(s.run().file_access, (dir / "r.dat").string(), 8, cls);
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenOrCreate));
  EXPECT_TRUE(f.insert_in_order(rec('m', 1)));
  EXPECT_EQ(f.current_position(), 0);
  EXPECT_TRUE(f.insert_in_order(rec('c', 2)));  // smaller than all: everything moves up
  EXPECT_EQ(f.current_position(), 0);
  EXPECT_TRUE(f.insert_in_order(rec('x', 3)));
  EXPECT_TRUE(f.insert_in_order(rec('m', 4)));  // after the equal one
  EXPECT_EQ(f.current_position(), 2);
  f.close();
  Bytes expected;
  for (auto r : {rec('c', 2), rec('m', 1), rec('m', 4), rec('x', 3)}) expected.insert(expected.end(), r.begin(), r.end());
  EXPECT_EQ(test::read_file(dir / "r.dat"), expected);
}

// Whatever the register holds, one insert leaves its whole records sorted,
// the new one after its equals, the records moved across block boundaries
// intact, and a piece of a record at the end overwritten, never followed.
TEST(InsertInOrder, AnyFileGetsOneRecordMoreInOrderFromItsLastWholeRecord) {
  std::mt19937 random(2018);
  for (const std::size_t n : {0u, 1u, 255u, 256u, 257u, 700u}) {
    for (const std::size_t tail : {0u, 5u}) {
      test::TempDir dir;
      test::ScriptedRun s;
      s.run().files.insert_progress = false;
      std::vector<Bytes> records;
      for (std::size_t i = 0; i < n; ++i)
        records.push_back(rec(static_cast<char>('a' + random() % 20), static_cast<char>(i % 251)));
      std::stable_sort(records.begin(), records.end(), [](const Bytes& a, const Bytes& b) { return a[0] < b[0]; });
      Bytes file;
      for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
      file.insert(file.end(), tail, 0xEE);
      test::write_file(dir / "r.dat", file);

      const Bytes fresh = rec(static_cast<char>('a' + random() % 20), static_cast<char>(0xFF));
      const test::ByteKeyClass cls;
      RecordFile f(s.run().file_access, (dir / "r.dat").string(), 8, cls);
      ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenExisting));
      ASSERT_TRUE(f.insert_in_order(fresh));
      f.close();

      const auto after = std::upper_bound(records.begin(), records.end(), fresh,
                                          [](const Bytes& a, const Bytes& b) { return a[0] < b[0]; });
      records.insert(after, fresh);
      Bytes expected;
      for (const auto& r : records) expected.insert(expected.end(), r.begin(), r.end());
      EXPECT_EQ(test::read_file(dir / "r.dat"), expected) << n << " records, tail " << tail;
    }
  }
}

// A register that cannot grow (the disk is full) is left byte for byte as
// it was: no piece of the new record at its end, nothing moved.
TEST(InsertInOrder, AFullDiskLeavesTheRegisterAsItWas) {
  test::TempDir dir;
  const auto disk = dir / "disk";
  std::filesystem::create_directories(disk);
  if (std::system(("mount -t tmpfs -o size=8k tmpfs " + disk.string() + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no small file system can be mounted here";
  struct Unmount {
    std::string at;
    ~Unmount() { std::system(("umount " + at).c_str()); }
  } unmount{disk.string()};
  Bytes file;
  for (int i = 0; i < 512; ++i) {
    const Bytes r = rec(static_cast<char>('b' + i % 2 * 2), static_cast<char>(i));
    file.insert(file.end(), r.begin(), r.end());
  }
  std::sort(file.begin(), file.end());  // any bytes: only its keeping counts
  test::write_file(disk / "r.dat", file);  // one whole page
  {
    std::ofstream filler(disk / "filler", std::ios::binary);
    const std::string page(4096, 'f');
    for (int i = 0; i < 4 && filler; ++i) filler.write(page.data(), page.size());
  }
  test::ScriptedRun s("Enter\n");  // "Czy KONTYNUOWAĆ PRACĘ ?": yes
  s.run().files.insert_progress = false;
  const test::ByteKeyClass cls;
  RecordFile f(s.run().file_access, (disk / "r.dat").string(), 8, cls);
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenExisting));
  EXPECT_FALSE(f.insert_in_order(rec('c', 1)));
  f.close();
  EXPECT_EQ(test::read_file(disk / "r.dat"), file);
  EXPECT_NE(s.output().find("dopisania do  pliku"), std::string::npos) << s.output();
}

TEST(InsertInOrder, RegisterKeysFollowThePolishOrder) {
  test::TempDir dir;
  test::ScriptedRun s;
  RecordFile f(s.run().file_access, (dir / "SPISFIRM.DAT").string(), 103, companies::register_class());
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenOrCreate));
  const std::string names[] = {"Żaba", "zebra", "Źródło", "Łoś", "lis", "Ala", "ala"};
  for (const auto& n : names) {
    Record r(103);
    r.text(0, 31, test::cp852_bytes(n)).text(32, 8, "D");
    f.insert_in_order(r.bytes());
  }
  f.close();
  const Bytes all = test::read_file(dir / "SPISFIRM.DAT");
  ASSERT_EQ(all.size(), 7u * 103);
  std::vector<std::string> order;
  for (std::size_t i = 0; i < 7; ++i) {
    const ConstRecordView v(std::span<const std::uint8_t>(all).subspan(i * 103, 103));
    order.push_back(v.text(0, 31));
  }
  // Upper-cased keys: ALA = ALA (equal: file order), LIS < ŁOŚ, ZEBRA < ŻABA < ŹRÓDŁO.
  const std::vector<std::string> expected = {"Ala", "ala", "lis", test::cp852_bytes("Łoś"), "zebra",
                                             test::cp852_bytes("Żaba"), test::cp852_bytes("Źródło")};
  EXPECT_EQ(order, expected);
}

TEST(InsertInOrder, TwoThousandCompaniesInRandomOrderAreQuick) {
  test::TempDir dir;
  test::ScriptedRun s;
  s.run().files.insert_progress = false;
  RecordFile f(s.run().file_access, (dir / "SPISFIRM.DAT").string(), 103, companies::register_class());
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenOrCreate));
  std::vector<int> numbers(2048);
  for (int i = 0; i < 2048; ++i) numbers[static_cast<std::size_t>(i)] = i;
  std::shuffle(numbers.begin(), numbers.end(), std::mt19937(7));
  const auto start = std::chrono::steady_clock::now();
  for (int n : numbers) {
    char name[16];
    std::snprintf(name, sizeof name, "Firma %04d", n);
    Record r(103);
    r.text(0, 31, name).text(32, 8, "D");
    f.insert_in_order(r.bytes());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.close();
  std::cout << "2048 sorted inserts: " << seconds << " s\n";
  const Bytes all = test::read_file(dir / "SPISFIRM.DAT");
  ASSERT_EQ(all.size(), 2048u * 103);
  for (std::size_t i = 0; i < 2048; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Firma %04zu", i);
    EXPECT_EQ(ConstRecordView(std::span<const std::uint8_t>(all).subspan(i * 103, 103)).text(0, 31), name);
  }
}

TEST(InsertInOrder, WaitsForAnotherProcessHoldingTheFile) {
  test::TempDir dir;
  const auto path = (dir / "r.dat").string();
  test::write_file(dir / "r.dat", rec('a', 1));
  // Another station holds the whole-file lock for a while, then inserts.
  test::SecondStation other(test::StationJob::kHoldAndInsert, path);
  // This station's lock wait really waits: 30 tries 50 ms apart outlast the
  // other station's hold, so no question is asked.
  test::QueueConsole console({});
  console.real_time = true;
  vx::Session run(console);
  const ByteKeyClass cls;
  RecordFile f(run.file_access, path, 8, cls);
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenExisting));
  EXPECT_TRUE(f.insert_in_order(rec('m', 5)));
  EXPECT_GT(console.slept_ms, 0);  // it did wait
  f.close();
  EXPECT_EQ(other.finish(), 0);
  const Bytes all = test::read_file(dir / "r.dat");
  ASSERT_EQ(all.size(), 24u);  // no record lost
  EXPECT_EQ(all[0], 'a');
  EXPECT_EQ(all[8], 'm');
  EXPECT_EQ(all[16], 'z');
  EXPECT_EQ(all[17], 9);
}

TEST(RecordFileLayer, LockFailsWhileAnotherProcessHoldsIt) {
  test::TempDir dir;
  const auto path = (dir / "r.dat").string();
  test::write_file(dir / "r.dat", rec('a', 1));
  test::SecondStation other(test::StationJob::kHold, path);
  test::ScriptedRun s;
  RecordFile f(s.run().file_access, path, 8);
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenExisting));
  EXPECT_FALSE(f.lock_file(LockWait::kRetry));
  s.run().files.network_mode = false;  // no network: locks succeed at once
  EXPECT_TRUE(f.lock_file(LockWait::kRetry));
  f.close();
  EXPECT_EQ(other.finish(), 0);
  // Let go, the lock is this station's.
  s.run().files.network_mode = true;
  ASSERT_TRUE(f.open(LockWait::kRetry, OpenMode::kOpenExisting));
  EXPECT_TRUE(f.lock_file(LockWait::kRetry));
}

TEST(RecordFileLayer, OpenModes) {
  test::TempDir dir;
  test::ScriptedRun s;
  RecordFile missing(s.run().file_access, (dir / "a.dat").string(), 8);
  EXPECT_FALSE(missing.open(LockWait::kRetry, OpenMode::kOpenExisting));
  EXPECT_TRUE(missing.open(LockWait::kRetry, OpenMode::kOpenOrCreate));
  EXPECT_EQ(missing.state(), FileState::kCreated);
  EXPECT_TRUE(missing.append(rec('q', 1)));
  EXPECT_EQ(missing.seek_end(), 1);
  missing.close();
  RecordFile temp(s.run().file_access, dir.str(), 8);
  EXPECT_TRUE(temp.open(LockWait::kRetry, OpenMode::kTemporary));
  EXPECT_NE(temp.name().find("~vx"), std::string::npos);
  EXPECT_TRUE(temp.name().ends_with(".tmp"));
  temp.close();
  EXPECT_TRUE(delete_file(temp.name()));
  const std::string long_name = dir.str() + "/" + std::string(100, 'n') + ".dat";
  RecordFile whole(s.run().file_access, long_name, 8);
  EXPECT_EQ(whole.name(), long_name);  // a cut path would name another file
}

TEST(RecordFileLayer, AskingBeforeCreatingAMissingFile) {
  test::TempDir dir;
  test::ScriptedRun no("N\n");
  RecordFile f(no.run().file_access, (dir / "a.dat").string(), 8);
  EXPECT_FALSE(f.open(LockWait::kRetry, OpenMode::kOpenOrAsk));
  EXPECT_NE(no.output().find("Nie odnaleziono pliku:"), std::string::npos);
  EXPECT_NE(no.output().find("Utworzyć nowy ?"), std::string::npos);
  EXPECT_FALSE(test::file_exists(dir / "a.dat"));
  test::ScriptedRun yes("T\n");
  RecordFile g(yes.run().file_access, (dir / "a.dat").string(), 8);
  EXPECT_TRUE(g.open(LockWait::kRetry, OpenMode::kOpenOrAsk));
  EXPECT_TRUE(test::file_exists(dir / "a.dat"));
}

TEST(RecordFileLayer, FileExistsGivesTheSizeAndRefusesNamesTheSystemCannotTake) {
  test::TempDir dir;
  test::write_file(dir / "a.dat", Bytes(5, 1));
  test::ScriptedRun s("Enter\n");
  std::int64_t size = 0;
  EXPECT_TRUE(file_exists(s.run().file_access, (dir / "a.dat").string(), &size));
  EXPECT_EQ(size, 5);
  EXPECT_FALSE(file_exists(s.run().file_access, (dir / "b.dat").string(), &size));
  EXPECT_EQ(size, -1);
  EXPECT_EQ(s.output().find("Niepoprawny"), std::string::npos);  // a missing file asks nothing
#ifdef _WIN32
  const std::string refused = "a|b.dat";  // a character no Windows name holds
#else
  const std::string refused(300, 'n');  // longer than a name may be
#endif
  EXPECT_FALSE(file_exists(s.run().file_access, dir.str() + "/" + refused, &size));
  EXPECT_EQ(size, -1);
  EXPECT_NE(s.output().find("Niepoprawny format nazwy"), std::string::npos);
}

}  // namespace
}  // namespace vx::recordfile
