// Whole files: a target changes only by a clean close, never through a link,
// and a killed run's temporaries are found by their mask.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/filesystem.hpp"
#include "platform/staged_folder.hpp"
#include "support/fixture.hpp"
#include "support/platform_seams.hpp"
#include "support/unprivileged_user.hpp"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vx::platform {
namespace {

namespace fs = std::filesystem;
using testing::Fault;

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

enum class End { kClose, kDiscard, kDestroy };

struct WholeCase {
  const char* what;
  File::Mode mode;
  bool existed;                  // "old" in the target's place before
  std::optional<Fault> fault;    // the first of its kind fails
  End end;
  std::optional<std::string> after;  // the target's bytes, or no target
};

TEST(WholeFiles, TheTargetChangesOnlyByACleanClose) {
  using M = File::Mode;
  const WholeCase cases[] = {
      {"replaced", M::kReplace, true, {}, End::kClose, "new"},
      {"extended", M::kExtend, true, {}, End::kClose, "oldnew"},
      {"made", M::kReplace, false, {}, End::kClose, "new"},
      {"made by extending", M::kExtend, false, {}, End::kClose, "new"},
      {"write fails", M::kReplace, true, Fault::kWrite, End::kClose, "old"},
      {"write fails, extending", M::kExtend, true, Fault::kWrite, End::kClose, "old"},
      {"write fails, nothing before", M::kReplace, false, Fault::kWrite, End::kClose, std::nullopt},
      {"close fails", M::kReplace, true, Fault::kClose, End::kClose, "old"},
      {"close fails, extending", M::kExtend, true, Fault::kClose, End::kClose, "old"},
      {"rename fails", M::kReplace, true, Fault::kRename, End::kClose, "old"},
      {"rename fails, nothing before", M::kExtend, false, Fault::kRename, End::kClose, std::nullopt},
      {"discarded", M::kExtend, true, {}, End::kDiscard, "old"},
      {"dropped open", M::kReplace, true, {}, End::kDestroy, "old"},
      {"dropped open, nothing before", M::kReplace, false, {}, End::kDestroy, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string root = dir.str();
    if (c.existed) test::write_file(dir / "DANE.REK", std::string("old"));
    // Kept listings must follow the temporary and the rename.
    const ListingScope listings;
    EXPECT_EQ(find_entry(root + "/dane.rek").has_value(), c.existed);
    {
      std::optional<test::ArmedFault> fault;
      if (c.fault) fault.emplace(*c.fault, 1);
      File f;
      ASSERT_TRUE(f.open(root + "/dane.rek", c.mode));
      EXPECT_EQ(list_directory(root, kWholeFileTempMask).entries.size(), 1u);
      EXPECT_EQ(f.write("new", 3), c.fault == Fault::kWrite ? 0u : 3u);
      if (c.end == End::kClose) {
        EXPECT_EQ(f.close(), !c.fault);
        if (c.fault) {
          EXPECT_EQ(f.error(), kDiskFull);
        }
      } else if (c.end == End::kDiscard) {
        f.discard();
      }
    }
    const std::string stored = c.existed ? "DANE.REK" : "dane.rek";
    EXPECT_EQ(names_in(dir.path()), c.after ? std::vector<std::string>{stored} : std::vector<std::string>{});
    const auto found = find_entry(root + "/Dane.Rek");
    ASSERT_EQ(found.has_value(), c.after.has_value());
    if (!c.after) continue;
    EXPECT_EQ(test::read_file(dir / stored), test::as_bytes(*c.after));
    EXPECT_EQ(found->size, c.after->size());
  }
}

// In a company's staging folder a new file needs no temporary of its own
// (the folder is one): written under its name, removed when its copy fails,
// and a rename that would fail is never asked for.
TEST(WholeFiles, ANewFileInStagingIsWrittenInPlaceAndGoneWhenItFails) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows writes every whole file under a temporary of its own";
#endif
  test::TempDir dir;
  fs::create_directories(dir / "~stage");
  const std::string final_folder = (dir / "FIRMA").string();
  const StagedFolder staged(final_folder, (dir / "~stage").string());
  const std::string target = final_folder + kSeparator + "DANE.REK";
  {
    test::ArmedFault rename(Fault::kRename, 1);
    File f;
    ASSERT_TRUE(f.open(target, File::Mode::kReplace));
    EXPECT_EQ(names_in(dir / "~stage"), std::vector<std::string>{"DANE.REK"});
    ASSERT_EQ(f.write("data", 4), 4u);
    EXPECT_TRUE(f.close());
  }
  EXPECT_EQ(test::read_file(dir / "~stage" / "DANE.REK"), test::as_bytes("data"));
  const std::string second = final_folder + kSeparator + "INNE.REK";
  {
    test::ArmedFault write(Fault::kWrite, 1);
    File f;
    ASSERT_TRUE(f.open(second, File::Mode::kReplace));
    f.write("x", 1);
    EXPECT_FALSE(f.close());
  }
  EXPECT_EQ(names_in(dir / "~stage"), std::vector<std::string>{"DANE.REK"});
  EXPECT_FALSE(fs::exists(dir / "FIRMA"));
}

TEST(WholeFiles, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  test::TempDir dir;
  for (auto n : {"~vx1718.0badf00d.tmp", "~VX1718.1.TMP", "~vx1718.tmp", "~vx1718.x.tmp.bak", "dane.rek"})
    test::write_file(dir / n, std::string("x"));
  fs::create_directory(dir / "~vx1718.d.tmp");
  {
    // The temporary of a file being written is one of them.
    File open;
    ASSERT_TRUE(open.open(dir.str() + "/dane.rek", File::Mode::kReplace));
    EXPECT_EQ(list_directory(dir.str(), kWholeFileTempMask).entries.size(), 3u + 1);
  }
  EXPECT_TRUE(remove_whole_file_leftovers(dir.str()));
  EXPECT_EQ(names_in(dir.path()),
            (std::vector<std::string>{"dane.rek", "~vx1718.d.tmp", "~vx1718.tmp", "~vx1718.x.tmp.bak"}));
  EXPECT_EQ(test::read_file(dir / "dane.rek"), test::as_bytes("x"));
}

TEST(Files, OnlyRegularFilesAreReadOrWritten) {
  test::TempDir dir;
  fs::create_directory(dir / "folder");
#ifdef _WIN32
  const std::vector<std::string> refused = {dir.str() + "\\folder"};
  File device;
  EXPECT_FALSE(device.open("NUL", File::Mode::kRead));
  EXPECT_EQ(device.error(), kAccessDenied);
#else
  // A pipe named like a data file would hang a blocking open.
  ASSERT_EQ(::mkfifo((dir / "DANE.REK").c_str(), 0666), 0);
  const std::vector<std::string> refused = {dir.str() + "/folder", dir.str() + "/DANE.REK", "/dev/null"};
#endif
  for (const auto& path : refused) {
    for (auto mode : {File::Mode::kRead, File::Mode::kReadWrite, File::Mode::kReplace}) {
      File f;
      EXPECT_FALSE(f.open(path, mode)) << path;
      EXPECT_EQ(f.error(), kAccessDenied) << path;
    }
  }
#ifndef _WIN32
  EXPECT_TRUE(fs::is_fifo(dir / "DANE.REK"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
#endif
}

#ifndef _WIN32
TEST(WholeFiles, ALinkInTheTargetsPlaceIsReplacedNeverWrittenThrough) {
  test::TempDir dir;
  test::write_file(dir / "out" / "secret.rek", std::string("secret"));
  const auto link = dir / "18" / "dane.rek";
  fs::create_directories(link.parent_path());
  // Written in place, the link is refused whatever the mode.
  fs::create_symlink(dir / "out" / "secret.rek", link);
  for (auto mode : {File::Mode::kCreate, File::Mode::kReadWrite, File::Mode::kAppend}) {
    File f;
    EXPECT_FALSE(f.open(link.string(), mode));
  }
  // As a whole file the link itself gives way, and so does a plain file,
  // whose permissions its successor keeps.
  for (auto mode : {File::Mode::kReplace, File::Mode::kExtend}) {
    if (!fs::is_symlink(link)) {
      fs::remove(link);
      fs::create_symlink(dir / "out" / "secret.rek", link);
    }
    File f;
    ASSERT_TRUE(f.open(link.string(), mode));
    f.write("new", 3);
    ASSERT_TRUE(f.close());
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(test::read_file(link), test::as_bytes(mode == File::Mode::kReplace ? "new" : "secretnew"));
  }
  fs::permissions(link, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(write_whole_file(link.string(), "again"));
  EXPECT_EQ(fs::status(link).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(test::read_file(dir / "out" / "secret.rek"), test::as_bytes("secret"));
}

// Each operation on a fresh pair of trees, 17 read and renamed in, 18
// written, confined the way a run confines them.
struct TreeCase {
  const char* what;
  enum Op { kRead, kReplace, kExtend, kMakeDir, kRemove, kRename } op;
  const char* path;
  const char* to;  // of a rename
  bool allowed;
};

bool run_op(const TreeCase& c, const std::string& top, int* error) {
  const std::string path = top + "/" + c.path;
  File f;
  switch (c.op) {
    case TreeCase::kRead: {
      const bool ok = f.open(path, File::Mode::kRead);
      *error = f.error();
      return ok;
    }
    case TreeCase::kReplace:
    case TreeCase::kExtend: {
      const bool ok = f.open(path, c.op == TreeCase::kReplace ? File::Mode::kReplace : File::Mode::kExtend) &&
                      f.write("new", 3) == 3 && f.close();
      *error = f.error();
      return ok;
    }
    case TreeCase::kMakeDir: return make_directory(path);
    case TreeCase::kRemove: return remove_file(path);
    case TreeCase::kRename: return rename_entry(path, top + "/" + c.to);
  }
  return false;
}

TEST(Confinement, EveryPathIsJudgedWhereItReallyLies) {
  const TreeCase cases[] = {
      {"a 2017 file", TreeCase::kRead, "17/a.rek", "", true},
      {"a 2017 link to a 2017 file", TreeCase::kRead, "17/inner.rek", "", true},
      {"a 2018 file", TreeCase::kRead, "18/b.rek", "", true},
      {"a 2017 link to a file outside", TreeCase::kRead, "17/out.rek", "", false},
      {"a file in a linked folder outside", TreeCase::kRead, "17/outdir/secret.rek", "", false},
      {"a climbing path", TreeCase::kRead, "17/../out/secret.rek", "", false},
      {"a new 2018 file", TreeCase::kReplace, "18/new.rek", "", true},
      {"a 2018 file extended", TreeCase::kExtend, "18/b.rek", "", true},
      {"a 2018 link to a file outside, extended", TreeCase::kExtend, "18/out.rek", "", false},
      {"a file in the temporary folder", TreeCase::kReplace, "tmp/x.tmp", "", true},
      {"a 2017 file written", TreeCase::kReplace, "17/a.rek", "", false},
      {"a file in a 2018 folder linked outside", TreeCase::kReplace, "18/outdir/x.rek", "", false},
      {"a 2018 folder", TreeCase::kMakeDir, "18/FIRMA", "", true},
      {"a 2017 folder", TreeCase::kMakeDir, "17/FIRMA", "", false},
      {"a folder in a 2018 folder linked outside", TreeCase::kMakeDir, "18/outdir/FIRMA", "", false},
      {"a 2018 file removed", TreeCase::kRemove, "18/b.rek", "", true},
      {"a 2017 file removed", TreeCase::kRemove, "17/a.rek", "", false},
      {"a 2017 file hidden", TreeCase::kRename, "17/a.rek", "17/a.rek~", true},
      {"a 2018 file renamed", TreeCase::kRename, "18/b.rek", "18/c.rek", true},
      {"a 2017 file moved to 2018", TreeCase::kRename, "17/a.rek", "18/a.rek", false},
      {"a 2018 file moved outside", TreeCase::kRename, "18/b.rek", "18/outdir/b.rek", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string top = dir.str();
    test::write_file(dir / "17" / "a.rek", std::string("a"));
    test::write_file(dir / "18" / "b.rek", std::string("b"));
    test::write_file(dir / "out" / "secret.rek", std::string("secret"));
    fs::create_directory(dir / "tmp");
    fs::create_symlink("a.rek", dir / "17" / "inner.rek");
    fs::create_symlink(dir / "out" / "secret.rek", dir / "17" / "out.rek");
    fs::create_symlink(dir / "out" / "secret.rek", dir / "18" / "out.rek");
    fs::create_directory_symlink(dir / "out", dir / "17" / "outdir");
    fs::create_directory_symlink(dir / "out", dir / "18" / "outdir");
    const auto before = test::snapshot_tree(dir / "out");
    const auto before_17 = test::snapshot_tree(dir / "17");
    int error = kOk;
    {
      const test::ConfinedTrees trees({top + "/17", top + "/18/", top + "/tmp"}, {top + "/18", top + "/tmp"},
                                      {top + "/17"});
      ASSERT_TRUE(trees.all_roots());
      EXPECT_EQ(run_op(c, top, &error), c.allowed);
    }
    if (!c.allowed && (c.op == TreeCase::kRead || c.op == TreeCase::kReplace || c.op == TreeCase::kExtend)) {
      EXPECT_EQ(error, kOutsideTree);
    }
    EXPECT_EQ(test::snapshot_tree(dir / "out"), before);
    if (c.op != TreeCase::kRename || !c.allowed) {
      EXPECT_EQ(test::snapshot_tree(dir / "17"), before_17);
    }
    // Unconfined, everything is allowed again.
    EXPECT_TRUE(read_whole_file(top + "/out/secret.rek"));
  }
  EXPECT_FALSE(confine_to_trees({"/no/such/root"}, {}));
  end_confinement();
}

TEST(ListedNames, NamesLeavingTheirFolderAreRefusedAndAnUnreadableFolderIsTold) {
  test::TempDir dir;
  for (auto n : {"..\\..\\x.cel", "a\\b.cel", "ok.cel", "other.txt", "..\\skip.txt"})
    test::write_file(dir / "f" / n, std::string("x"));
  fs::create_directory(dir / "f" / "sub.cel");
  const auto listing = list_directory(dir.str() + "/f", "*.cel");
  EXPECT_EQ(listing.error, kOk);
  ASSERT_EQ(listing.entries.size(), 2u);
  EXPECT_EQ(listing.entries[0].name, "ok.cel");
  EXPECT_EQ(listing.entries[1].name, "sub.cel");
  EXPECT_EQ(listing.refused, (std::vector<std::string>{"..\\..\\x.cel", "a\\b.cel"}));

  const auto missing = list_directory(dir.str() + "/none", "*.cel");
  EXPECT_TRUE(missing.missing());
  EXPECT_FALSE(missing.unreadable());
  fs::create_directory(dir / "empty");
  EXPECT_EQ(list_directory(dir.str() + "/empty", "*.cel").error, kOk);

  fs::permissions(dir / "f", fs::perms::none);
  Listing shut;
  {
    test::UnprivilegedUser user(dir / "f");
    if (!user.active()) GTEST_SKIP() << test::UnprivilegedUser::why_inactive();
    shut = list_directory(dir.str() + "/f", "*.cel");
  }
  EXPECT_TRUE(shut.unreadable());
  EXPECT_TRUE(shut.entries.empty());
}
#endif

}  // namespace
}  // namespace vx::platform
