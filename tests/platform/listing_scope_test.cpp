#include <gtest/gtest.h>

#include <filesystem>

#include "platform/buffer_pool.hpp"
#include "platform/filesystem.hpp"
#include "support/fixture.hpp"

namespace vx::platform {
namespace {

TEST(KeptListings, NamesThisProgramMakesAreFoundInAnyCase) {
  test::TempDir dir;
  const std::string root = dir.str();
  const ListingScope listings;
  int error = kOk;
  EXPECT_FALSE(find_entry(root + "/DANE.REK", &error));  // the folder is read here
  EXPECT_EQ(error, kFileNotFound);

  ASSERT_TRUE(write_whole_file(root + "/Dane.rek", "abc"));
  const auto found = find_entry(root + "/DANE.REK");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->size, 3u);
#ifndef _WIN32
  // Windows takes the name in any case itself; here it is found as stored.
  EXPECT_EQ(last_component(native_path(root + "/dane.REK")), "Dane.rek");
#endif

  // A folder made here is known empty, and what goes into it is kept too,
  // however the path was written.
  ASSERT_TRUE(make_directory(root + "/Firma"));
  ASSERT_TRUE(write_whole_file(root + "/FIRMA/a.txt", "x"));
  EXPECT_TRUE(test::file_exists(dir / "Firma" / "a.txt"));
#ifndef _WIN32
  EXPECT_FALSE(std::filesystem::exists(dir / "FIRMA"));
#endif
  EXPECT_TRUE(find_entry(root + "//firma//A.TXT"));
  EXPECT_FALSE(find_entry(root + "/firma/b.txt", &error));
  EXPECT_EQ(error, kFileNotFound);
}

TEST(KeptListings, RenamesAndRemovalsAreSeenAtOnce) {
  test::TempDir dir;
  const std::string root = dir.str();
  test::write_file(dir / "Old.txt", std::string("o"));
  test::write_file(dir / "Firma" / "X.REK", std::string("x"));
  const ListingScope listings;
  EXPECT_FALSE(find_entry(root + "/missing"));
  EXPECT_FALSE(find_entry(root + "/Firma/missing"));

  ASSERT_TRUE(rename_entry(root + "/OLD.TXT", root + "/New.txt"));
  EXPECT_FALSE(find_entry(root + "/old.txt"));
  EXPECT_TRUE(find_entry(root + "/NEW.TXT"));

  // A renamed folder takes what was read of it along.
  ASSERT_TRUE(rename_entry(root + "/firma", root + "/Firma~"));
  EXPECT_TRUE(find_entry(root + "/FIRMA~/x.rek"));
  EXPECT_FALSE(find_entry(root + "/Firma/X.REK"));

  ASSERT_TRUE(remove_file(root + "/new.TXT"));
  EXPECT_FALSE(find_entry(root + "/New.txt"));
  ASSERT_TRUE(write_whole_file(root + "/NEW.TXT", "n"));
  EXPECT_TRUE(test::file_exists(dir / "NEW.TXT"));
}

#ifndef _WIN32
TEST(KeptListings, TwoNamesAlikeButForCaseAreEachTheirOwnFile) {
  test::TempDir dir;
  const std::string root = dir.str();
  test::write_file(dir / "A.TXT", std::string("1"));
  test::write_file(dir / "a.txt", std::string("2"));
  const ListingScope listings;
  EXPECT_FALSE(find_entry(root + "/missing"));  // the folder is read here
  // Each name given as stored is that file, not its twin.
  EXPECT_EQ(test::as_bytes(*read_whole_file(root + "/A.TXT")), test::as_bytes("1"));
  EXPECT_EQ(test::as_bytes(*read_whole_file(root + "/a.txt")), test::as_bytes("2"));
  const std::string first = native_path(root + "/A.tXt");
  ASSERT_TRUE(remove_file(first));
  const std::string second = native_path(root + "/A.tXt");
  EXPECT_NE(second, first);
  EXPECT_TRUE(find_entry(second));
}
#endif

TEST(KeptListings, FilesWrittenByOthersAreSeenAfterAKeyWaitOrOutsideTheScope) {
  test::TempDir dir;
  const std::string root = dir.str();
  {
    const ListingScope listings;
    EXPECT_FALSE(find_entry(root + "/late.txt"));
    test::write_file(dir / "LATE.TXT", std::string("l"));
    forget_listings();
    EXPECT_TRUE(find_entry(root + "/late.txt"));
    EXPECT_FALSE(find_entry(root + "/later.txt"));
  }
  test::write_file(dir / "LATER.TXT", std::string("l"));
  EXPECT_TRUE(find_entry(root + "/later.txt"));
}

TEST(PooledBuffers, AGivenBackBufferServesTheNextRequestItCanHold) {
  std::uint8_t* first = nullptr;
  std::size_t first_size = 0;
  {
    const PooledBuffer a(1000);
    first = a.data();
    first_size = a.size();
    EXPECT_GE(first_size, 1000u);
  }
  const PooledBuffer b(800);
  EXPECT_EQ(b.data(), first);
  EXPECT_EQ(b.size(), first_size);
  // Held by b, so never handed out twice.
  const PooledBuffer c(800);
  EXPECT_NE(c.data(), first);
  const PooledBuffer big(first_size + 1);
  EXPECT_GE(big.size(), first_size + 1);
}

}  // namespace
}  // namespace vx::platform
