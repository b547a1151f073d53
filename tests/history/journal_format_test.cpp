#include "history/journal_format.hpp"

#include <gtest/gtest.h>

namespace vx::history {
namespace {

// An entry comes back as written, whatever its paths hold; anything else
// is no entry at all, and the undo refuses the journal for it.
TEST(JournalFormat, EntriesComeBackAsWrittenAndAnythingElseIsNoEntry) {
  const std::string odd = "/d/a\tb%c\r\nd";
  std::string text;
  append_journal_line(text, 'R', {odd, "/d/x~"});
  EXPECT_EQ(text, "R\t/d/a%09b%25c%0D%0Ad\t/d/x~\n");
  const auto e = parse_journal_line(std::string_view(text).substr(0, text.size() - 1));
  ASSERT_TRUE(e);
  EXPECT_EQ(e->kind, 'R');
  EXPECT_EQ(e->fields, (std::vector<std::string>{odd, "/d/x~"}));

  for (const char* bad : {"", "U", "U\t", "U/d/a", "X\t/d/a", "U\t/d/a\t/d/b", "R\t/d/a", "G\t/d/a\t12",
                          "G\t/d/a\t12\tx", "G\t/d/a\t99999999999999999999999\t1", "G\t/d/a\t-1\t1",
                          "U\t/d/a%2", "U\t/d/a%41", "Z\t\t/d/a"})
    EXPECT_FALSE(parse_journal_line(bad)) << bad;
  for (const char* good : {"U\t/d/a", "K\t/d", "Z\t/d/a", "G\t/d/a\t12\t-3"})
    EXPECT_TRUE(parse_journal_line(good)) << good;
  const auto written = parse_journal_line("G\t/d/a\t12\t-3");
  EXPECT_EQ(written->stamp, (platform::FileStamp{12, -3}));
}

// Paths of a journal stay in their tree: ".." as a name leads out of it,
// inside a name it is only a name.
TEST(JournalFormat, APathIsInsideItsRootOnlyWithoutGoingBackUp) {
  const struct {
    const char* path;
    bool inside;
  } cases[] = {
      {"/r/18/FIRMA/a.rek", true}, {"/r/18/FIRMA/a..b.rek", true}, {"/r/18/..", false},
      {"/r/18/x/../../etc", false}, {"/r/18/x\\..\\y", false},   {"/r/18/", false},
      {"/r/180/a", false},         {"/r/1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(inside_root(c.path, "/r/18/"), c.inside) << c.path;
}

}  // namespace
}  // namespace vx::history
