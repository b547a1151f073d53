#include "platform/filesystem.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"

namespace vx::platform {
namespace {

TEST(CaseInsensitivePaths, FindsAFileWhateverTheCaseOfEachComponent) {
  test::TempDir dir;
  test::write_file(dir / "WEX_2017" / "#BIN970" / "KOLORY.VX", std::string("abc"));
  const auto found = find_entry(dir.str() + "/wex_2017/#bin970/kolory.vx");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->size, 3u);
  EXPECT_TRUE(read_whole_file(dir.str() + "\\Wex_2017\\#Bin970\\Kolory.vx"));
}

TEST(CaseInsensitivePaths, CreatingOverAnotherCaseReplacesThatFile) {
  test::TempDir dir;
  test::write_file(dir / "DANE.REK", std::string("old"));
  ASSERT_TRUE(write_whole_file(dir.str() + "/dane.rek", "new!"));
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"DANE.REK"});
  EXPECT_EQ(test::read_file(dir / "DANE.REK"), test::as_bytes("new!"));
}

TEST(CaseInsensitivePaths, DrivePrefixAndBackslashes) {
  test::TempDir dir;
  test::write_file(dir / "a" / "b.txt", std::string("x"));
#ifdef _WIN32
  const std::string root = dir.str();  // a drive of its own already
#else
  const std::string root = "C:" + dir.str();
#endif
  EXPECT_TRUE(find_entry(root + "\\A\\B.TXT"));
  EXPECT_TRUE(find_entry(root + "/a\\b.TXT"));
}

TEST(Wildcards, MatchAsWindowsDoes) {
  EXPECT_TRUE(wildcard_match("*.cel", "TRASA.CEL"));
  EXPECT_TRUE(wildcard_match("cel*.rek", "Cel01.REK"));
  EXPECT_FALSE(wildcard_match("cel*.rek", "xcel.rek"));
  EXPECT_TRUE(wildcard_match("2018D4??.*", "2018D412.XML"));
  EXPECT_TRUE(wildcard_match("2018D4??.*", "2018D41.X"));   // ? may match nothing at the end
  EXPECT_TRUE(wildcard_match("2018D4??.*", "2018D412"));    // name.* takes no extension
  EXPECT_FALSE(wildcard_match("2018D4??.*", "2018D4123.X"));
  EXPECT_FALSE(wildcard_match("2018D4??.*", "2018D5AB.X"));
  EXPECT_TRUE(wildcard_match("km__*.rek", "KM__A.REK"));
  // '?' never takes the dot: it matches nothing in front of it.
  EXPECT_FALSE(wildcard_match("A?B", "A.B"));
  EXPECT_FALSE(wildcard_match("KM??.REK", "KM.A.REK"));
  EXPECT_TRUE(wildcard_match("2018D4??.*", "2018D4.X"));
  EXPECT_TRUE(wildcard_match("*.kst", "a.b.kst"));
}

TEST(Wildcards, QuestionMarkTakesOneCharacterButNeverTheDot) {
  EXPECT_TRUE(wildcard_match("a?c.rek", "ABC.REK"));
  EXPECT_FALSE(wildcard_match("a?c.rek", "AC.REK"));    // one character where one follows
  EXPECT_FALSE(wildcard_match("a?b", "A.B"));           // the dot is not a character of the name
  EXPECT_TRUE(wildcard_match("ab?.rek", "AB.REK"));     // none before the extension's dot
  EXPECT_FALSE(wildcard_match("a?c.rek", "AXYC.REK"));
  EXPECT_TRUE(wildcard_match("dane.r??", "DANE.R"));    // none at the end of the extension
  EXPECT_TRUE(wildcard_match("dane.r??", "dane.rek"));
  EXPECT_FALSE(wildcard_match("dane.r??", "DANE.REKS"));
  EXPECT_TRUE(wildcard_match("DANE.*", "dane"));
  EXPECT_TRUE(wildcard_match("*.*", "SPISFIRM"));
  EXPECT_FALSE(wildcard_match("*.kst", "A.KST.BAK"));
  // Polish letters ignore case too.
  EXPECT_TRUE(wildcard_match(test::cp852_bytes("ŁÓDŹ*.txt"), test::cp852_bytes("łódź1.TXT")));
}

TEST(Wildcards, DirectoryListingIsInUpperCasedNameOrder) {
  test::TempDir dir;
  for (auto n : {"b.kst", "A.KST", "c.txt", "C.kst"}) test::write_file(dir / "_2018" / n, std::string("1"));
  const auto list = list_directory(dir.str(), "_2018\\*.kst").entries;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, "A.KST");
  EXPECT_EQ(list[1].name, "b.kst");
  EXPECT_EQ(list[2].name, "C.kst");
}

TEST(Files, ShortReadsAndChecks) {
  test::TempDir dir;
  test::write_file(dir / "f", std::string(10, 'z'));
  File f;
  ASSERT_TRUE(f.open((dir / "f").string(), File::Mode::kRead));
  char buf[8];
  EXPECT_EQ(f.read(buf, 8), 8u);
  EXPECT_EQ(f.read(buf, 8), 2u);
  EXPECT_FALSE(f.failed());
  EXPECT_TRUE(f.close());
  File missing;
  EXPECT_FALSE(missing.open((dir / "none").string(), File::Mode::kRead));
  EXPECT_EQ(missing.error(), kFileNotFound);
  File d;
  EXPECT_FALSE(d.open(dir.str(), File::Mode::kRead));
  File nowhere;
  EXPECT_FALSE(nowhere.open((dir / "no" / "f").string(), File::Mode::kCreate));
}

TEST(Files, NameTheSystemCannotTakeIsToldFromAMissingOne) {
  test::TempDir dir;
  int error = kOk;
  EXPECT_FALSE(find_entry(dir.str() + "/none.dat", &error));
  EXPECT_EQ(error, kFileNotFound);
#ifdef _WIN32
  const std::vector<std::string> refused = {"a|b.dat", "a<b", "a>b", "a\"b", "a?b", "a*b", "a\x01b"};
#else
  const std::vector<std::string> refused = {std::string(300, 'n')};
#endif
  for (const auto& name : refused) {
    error = kOk;
    EXPECT_FALSE(find_entry(dir.str() + "/" + name, &error)) << name;
    EXPECT_EQ(error, kBadFormat) << name;
  }
}

// A file locked whole is locked again, and within, by the same station as
// the record-file layer does it (open exclusive, then whole-file and marker
// locks); on Windows, where locks do not stack, another handle is refused.
TEST(Locks, SameFileLocksAgainWithinItsOwnLock) {
  test::TempDir dir;
  test::write_file(dir / "r.dat", std::string(64, 'x'));
  File f;
  ASSERT_TRUE(f.open(dir.str() + "/r.dat", File::Mode::kReadWrite));
  ASSERT_TRUE(f.lock(0, 2147483647));
  EXPECT_TRUE(f.lock(0, 2147483647));
  EXPECT_TRUE(f.lock(0, 1));
  EXPECT_TRUE(f.unlock(0, 1));
  char byte = 0;
  EXPECT_EQ(f.read(&byte, 1), 1u);  // the holder still reads its locked bytes
  EXPECT_EQ(byte, 'x');
#ifdef _WIN32
  File other;
  ASSERT_TRUE(other.open(dir.str() + "/r.dat", File::Mode::kReadWrite));
  EXPECT_FALSE(other.lock(8, 8));
  EXPECT_EQ(other.error(), kLockViolation);
  EXPECT_TRUE(f.unlock(0, 2147483647));
  EXPECT_TRUE(other.lock(8, 8));
#else
  EXPECT_TRUE(f.unlock(0, 2147483647));
#endif
}

}  // namespace
}  // namespace vx::platform
