// Every copy writes its target whole or not at all, stays in the trees of
// the run, and tells each failure in full on a line of its own.
#include <gtest/gtest.h>

#include "charset/utf8.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/platform_seams.hpp"
#include "support/unprivileged_user.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/copy_test_support.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/listed_files.hpp"
#include "transfer/record_copy.hpp"
#include "transfer/text_copy.hpp"

#ifndef _WIN32
#include <sys/mount.h>
#endif

namespace vx::test {
namespace {

namespace fs = std::filesystem;
using platform::testing::Fault;

bool widen(ConstRecordView old_record, RecordView new_record) {
  new_record.copy_from(old_record, 0, old_record.size());
  return true;
}

// The copies a plan step makes, each with how its failures are told: the
// byte and record copies wait for a key after each, the text copy does not.
struct CopyKind {
  const char* name;
  bool (*copy)(transfer::Copier&, const std::string& from, const std::string& to);
  bool text;
};

const CopyKind kKinds[] = {
    {"bytes",
     [](transfer::Copier& r, const std::string& a, const std::string& b) {
       return transfer::copy_bytes(r, a, b, false);
     },
     false},
    {"records",
     [](transfer::Copier& r, const std::string& a, const std::string& b) {
       return transfer::copy_records(r, a, b, 100);
     },
     false},
    {"converted records",
     [](transfer::Copier& r, const std::string& a, const std::string& b) {
       return transfer::convert_records(r, a, b, 100, 120, widen);
     },
     false},
    {"appended records",
     [](transfer::Copier& r, const std::string& a, const std::string& b) {
       return transfer::convert_records(r, a, b, 100, 100, widen, transfer::Existing::kAppend);
     },
     false},
    {"text",
     [](transfer::Copier& r, const std::string& a, const std::string& b) {
       transfer::copy_text_file(r, a, b);
       return true;
     },
     true},
};

// 50 lines of 100 bytes: text as well as records.
std::string source_text() {
  std::string s;
  for (int i = 0; i < 50; ++i) s += std::string(98, static_cast<char>('a' + i % 26)) + "\r\n";
  return s;
}

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The line a failure of that kind shows for a copy of that kind.
std::string failure_text(const CopyKind& kind, Fault fault, const std::string& from, const std::string& to) {
  if (kind.text) return fault == Fault::kRead ? "Błąd odczytu z pliku " + from : "Błąd zapisu do pliku " + to;
  switch (fault) {
    case Fault::kWrite: return "Błąd zapisu danych";
    case Fault::kRead: return "Błąd odczytu danych";
    default: return "Błąd zamknięcia zbioru " + to;
  }
}

TEST(CopyFailures, ThePreviousTargetStaysAndTheFailureIsToldInFull) {
  const Bytes previous(333, 7);
  for (const auto& kind : kKinds) {
    for (const std::optional<Fault> fault : {std::optional<Fault>(), std::optional(Fault::kWrite),
                                             std::optional(Fault::kRead), std::optional(Fault::kClose),
                                             std::optional(Fault::kRename)}) {
      SCOPED_TRACE(std::string(kind.name) + (fault ? " failing " + std::to_string(static_cast<int>(*fault)) : ""));
      TempDir d;
      const std::string from = path_of(d / "source"), to = path_of(d / "target");
      write_file(d / "source", source_text());
      write_file(d / "target", previous);
      ScriptedRun r("x\nx\n");
      r.run().transfer.overwrite_policy = -1;  // replaced unasked
      bool result;
      {
        std::optional<ArmedFault> armed;
        if (fault) armed.emplace(*fault, 1);
        result = kind.copy(r.run().copier, from, to);
      }
      // Never a temporary left behind, whatever happened.
      EXPECT_EQ(names_in(d.path()), (std::vector<std::string>{"source", "target"}));
      // The copy's one event says how it ended and, failed, with which line.
      ASSERT_EQ(r.steps().size(), 1u);
      EXPECT_EQ(r.steps()[0].outcome, fault ? dialogue::Outcome::kFailed : dialogue::Outcome::kCopied);
      if (!fault) {
        EXPECT_TRUE(result);
        const Bytes copied = read_file(d / "target");
        EXPECT_NE(copied, previous);
        if (kind.name == std::string("appended records")) {
          EXPECT_EQ(Bytes(copied.begin(), copied.begin() + 333), previous);
        }
        continue;
      }
      if (!kind.text) {
        EXPECT_FALSE(result);
      }
      EXPECT_EQ(read_file(d / "target"), previous);
      const std::string line = failure_text(kind, *fault, from, to);
      EXPECT_EQ(charset::cp852_text_to_utf8(r.steps()[0].message), line);
      const int row = row_starting(r, line);
      ASSERT_GT(row, 0) << line;
      EXPECT_EQ(r.row(row), line);
      EXPECT_TRUE(row_coloured(r, row, 0x0C, 1, static_cast<int>(cp852_bytes(line).size())));
      EXPECT_EQ(r.console().screens_shown(), kind.text ? 0 : 1);
      EXPECT_EQ(r.run().out.attr(), 0x07);
    }
  }
}

#ifndef _WIN32
// A run's trees: 17 read, 18 read and written; links lead out of both.
class OutsideTheTrees : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(d / "17" / "a.rek", source_text());
    write_file(d / "out" / "secret.rek", std::string("secret\r\n"));
    fs::create_directories(d / "18");
    fs::create_symlink(d / "out" / "secret.rek", d / "17" / "out.rek");
    fs::create_symlink(d / "out" / "secret.rek", d / "18" / "out.rek");
    fs::create_directory_symlink(d / "out", d / "18" / "outdir");
  }
  std::string at(std::string_view rel) const { return path_of(d / rel); }
  TempDir d;
};

TEST_F(OutsideTheTrees, ARefusedPathIsOneRedLineWithoutAKeyWait) {
  struct Case {
    const char* source;
    const char* target;
    const char* refused;  // the path told, or none: the copy is made
  };
  const Case cases[] = {
      {"17/out.rek", "18/a.rek", "17/out.rek"},          // a 2017 link to a file outside
      {"17/a.rek", "18/outdir/a.rek", "18/outdir/a.rek"},  // a 2018 folder linked outside
      {"17/a.rek", "17/b.rek", "17/b.rek"},              // a write into the 2017 tree
      {"17/a.rek", "18/out.rek", nullptr},               // a link in the target's place gives way
  };
  const auto outside = snapshot_tree(d / "out");
  for (const auto& kind : kKinds) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.source + " -> " + c.target);
      ScriptedRun r;
      r.run().transfer.overwrite_policy = -1;
      // A label left open to the window's edge: the line still comes whole.
      r.run().talk.write(std::string(100, '-'));
      bool result;
      {
        const ConfinedTrees trees({at("17"), at("18")}, {at("18")}, {at("17")});
        result = kind.copy(r.run().copier, at(c.source), at(c.target));
      }
      EXPECT_EQ(snapshot_tree(d / "out"), outside);
      // Appending would read the old bytes through the link: refused too.
      const bool appends = kind.name == std::string("appended records");
      const char* refused = c.refused ? c.refused : appends ? c.target : nullptr;
      if (!refused) {
        EXPECT_TRUE(result);
        EXPECT_FALSE(fs::is_symlink(d / c.target));
        if (kind.name != std::string("converted records")) {
          EXPECT_EQ(read_file(d / c.target), as_bytes(source_text()));
        }
        fs::remove(d / c.target);
        fs::create_symlink(d / "out" / "secret.rek", d / c.target);
        continue;
      }
      if (!kind.text) {
        EXPECT_FALSE(result);
      }
      const std::string line = "Ścieżka poza katalogiem danych: " + at(refused);
      EXPECT_EQ(r.row(2), line);
      EXPECT_TRUE(row_coloured(r, 2, 0x0C, 1, 31));
      EXPECT_EQ(r.console().screens_shown(), 0);
      EXPECT_EQ(r.run().out.attr(), 0x07);
      EXPECT_FALSE(fs::exists(d / "18" / "a.rek"));
      EXPECT_FALSE(fs::exists(d / "17" / "b.rek"));
    }
  }
}

TEST(ListedFiles, RefusedNamesAndAnUnreadableFolderAreToldInRedWithoutAKeyWait) {
  TempDir d;
  for (auto n : {"..\\..\\x.cel", "ok.cel", "other.txt"}) write_file(d / "f" / n, std::string("x"));
  fs::create_directory(d / "f" / "sub.cel");
  ScriptedRun r;
  const auto files = transfer::listed_files(r.run().copier, path_of(d / "f"), "*.cel");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name, "ok.cel");
  EXPECT_EQ(r.row(1), "Niedozwolona nazwa pliku: ..\\..\\x.cel");
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 26));
  EXPECT_EQ(r.row(2), "");
  // A missing folder has no files and nothing to tell.
  EXPECT_TRUE(transfer::listed_files(r.run().copier, path_of(d / "f"), "_2018\\*.kst").empty());
  EXPECT_EQ(r.row(2), "");

  fs::permissions(d / "f", fs::perms::none);
  {
    UnprivilegedUser user(d / "f");
    if (!user.active()) GTEST_SKIP() << UnprivilegedUser::why_inactive();
    EXPECT_TRUE(transfer::listed_files(r.run().copier, d.str(), "f\\*.cel").empty());
  }
  EXPECT_EQ(r.row(2), "Błąd odczytu katalogu " + d.str() + "/f");
  EXPECT_TRUE(row_coloured(r, 2, 0x0C, 1, 22));
  EXPECT_EQ(r.console().screens_shown(), 0);
}

// A small disk of its own, where a copy really runs out of room.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& at) : at_(at) {
    fs::create_directories(at);
    mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }

 private:
  fs::path at_;
  bool mounted_ = false;
};

TEST(CopyFailures, AFullDiskShowsAtTheCloseAndLeavesThePreviousFile) {
  TempDir d;
  const SmallDisk disk(d / "disk");
  if (!disk.mounted()) GTEST_SKIP() << "no small disk can be mounted here";
  // 30 kB there before, 40 kB more to come: the disk takes 64 kB, the copy's
  // buffer all of it, so the first write to the disk is at the close.
  const Bytes previous(30000, 'p');
  std::string text;
  while (text.size() < 40000) text += source_text();
  write_file(d / "source", text);
  for (const auto& kind : {kKinds[0], kKinds[4]}) {
    SCOPED_TRACE(kind.name);
    write_file(d / "disk" / "target", previous);
    ScriptedRun r("x\n");
    r.run().transfer.overwrite_policy = -1;
    const std::string to = path_of(d / "disk" / "target");
    EXPECT_EQ(kind.copy(r.run().copier, path_of(d / "source"), to), kind.text);
    EXPECT_EQ(read_file(d / "disk" / "target"), previous);
    EXPECT_EQ(names_in(d / "disk"), std::vector<std::string>{"target"});
    const std::string line = (kind.text ? "Błąd zapisu do pliku " : "Błąd zamknięcia zbioru ") + to;
    EXPECT_GT(row_starting(r, line), 0) << line;
  }
}
#endif

}  // namespace
}  // namespace vx::test
