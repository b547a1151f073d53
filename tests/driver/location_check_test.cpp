#include "driver/location_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/filesystem.hpp"
#include "roots_fixture.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"
#include "ui/screen_capture.hpp"

namespace vx::driver {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedRun;
using test::TempDir;

// Records what the check asked of the page.
struct FakeFields final : RootFields {
  std::vector<RootField> redrawn, focused;
  void Redraw(RootField f) override { redrawn.push_back(f); }
  void Focus(RootField f) override { focused.push_back(f); }
};

// The standard error box: columns 20-59, rows 8-17, text from column 21.
constexpr int kBoxTop = 8;
std::string box_line(const test::Snapshot& s, int n) { return s.text(kBoxTop + n, 21, 58); }
std::string padded(std::string text, std::size_t width = 38) {
  // Display width counts characters, not UTF-8 bytes.
  std::size_t chars = 0;
  for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
  return text + std::string(width - chars, ' ');
}

// The roots without their final separator.
struct Installations : test::Roots {
  Installations() {
    source.pop_back();
    target.pop_back();
  }
};

TEST(LocationCheck, AppendsTheSeparatorAndPasses) {
  Installations inst;
  ScriptedRun sr;
  auto& run = sr.run();
  run.loc.source_root = inst.source;
  run.loc.target_root = inst.target;
  FakeFields fields;
  EXPECT_TRUE(check_locations(run, fields));
  EXPECT_EQ(run.loc.source_root, inst.source + platform::kSeparator);
  EXPECT_EQ(run.loc.target_root, inst.target + platform::kSeparator);
  EXPECT_EQ(fields.redrawn, (std::vector{RootField::kSource, RootField::kTarget}));
  EXPECT_TRUE(fields.focused.empty());
  EXPECT_EQ(sr.console().screens_shown(), 0);  // no box
}

TEST(LocationCheck, EitherSeparatorEndsARootAndNothingIsAdded) {
  Installations inst;
  for (const std::string end : {"\\", "/", "//"}) {
    ScriptedRun sr;
    auto& run = sr.run();
    run.loc.source_root = inst.source + end;
    run.loc.target_root = inst.target + end;
    FakeFields fields;
    EXPECT_TRUE(check_locations(run, fields)) << end;
    EXPECT_EQ(run.loc.source_root, inst.source + end);
    EXPECT_EQ(run.loc.target_root, inst.target + end);
    EXPECT_TRUE(fields.redrawn.empty());
  }
}

TEST(LocationCheck, SourceWithoutTheRegisterIsRefused) {
  Installations inst;
  ScriptedRun sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  run.loc.source_root = inst.target + "/";  // exists, holds no register
  run.loc.target_root = inst.target + "-missing";
  FakeFields fields;
  EXPECT_FALSE(check_locations(run, fields));
  EXPECT_EQ(fields.focused, std::vector{RootField::kSource});
  // Stops at the first fault: the target is left as it was.
  EXPECT_EQ(run.loc.target_root, inst.target + "-missing");
  ASSERT_EQ(capture.shots().size(), 1u);
  const auto& s = capture.before_event(1);
  EXPECT_NE(s.text(kBoxTop, 20, 59).find(" Błąd "), std::string::npos);
  EXPECT_EQ(box_line(s, 1), padded("Brak pliku SPISFIRM.DAT"));
  EXPECT_EQ(box_line(s, 2), padded("Musisz wskazać katalog"));
  EXPECT_EQ(box_line(s, 3), padded("głównym programu WEX_VX"));
}

TEST(LocationCheck, EmptySourceBecomesASeparatorAndIsRefused) {
  ScriptedRun sr(keys({"Enter"}));
  auto& run = sr.run();
  run.loc.source_root = "";
  FakeFields fields;
  EXPECT_FALSE(check_locations(run, fields));
  EXPECT_EQ(run.loc.source_root, std::string(1, platform::kSeparator));
  EXPECT_EQ(fields.redrawn, std::vector{RootField::kSource});
}

TEST(LocationCheck, LooksForTheRegisterNamedAtStart) {
  Installations inst;
  test::write_file(inst.dir / "wex17" / "FIRMY.DAT", std::string(103, 'x'));
  std::filesystem::remove(inst.dir / "wex17" / "SPISFIRM.DAT");
  {
    ScriptedRun sr;
    auto& run = sr.run();
    run.env.register_file_name = "FIRMY.DAT";
    run.loc.source_root = inst.source + "/";
    run.loc.target_root = inst.target + "/";
    FakeFields fields;
    EXPECT_TRUE(check_locations(run, fields));
  }
  {
    // An empty register counts as missing; the box names the register.
    test::write_file(inst.dir / "wex17" / "FIRMY.DAT", std::string());
    ScriptedRun sr(keys({"Enter"}));
    ScreenCapture capture(sr);
    auto& run = sr.run();
    run.env.register_file_name = "FIRMY.DAT";
    run.loc.source_root = inst.source + "/";
    run.loc.target_root = inst.target + "/";
    FakeFields fields;
    EXPECT_FALSE(check_locations(run, fields));
    EXPECT_EQ(box_line(capture.before_event(1), 1), padded("Brak pliku FIRMY.DAT"));
  }
}

TEST(LocationCheck, MissingTargetDirectoryIsRefusedWithoutMovingTheFocus) {
  Installations inst;
  ScriptedRun sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  run.loc.source_root = inst.source + "/";
  run.loc.target_root = inst.target + "x";
  FakeFields fields;
  EXPECT_FALSE(check_locations(run, fields));
  EXPECT_EQ(run.loc.target_root, inst.target + "x" + platform::kSeparator);
  EXPECT_EQ(fields.redrawn, std::vector{RootField::kTarget});
  EXPECT_TRUE(fields.focused.empty());
  const auto& s = capture.before_event(1);
  // Centred in the 38 columns inside the box.
  const std::string missing = "Brak katalogu";
  EXPECT_EQ(box_line(s, 1), std::string(12, ' ') + missing + std::string(13, ' '));
  const std::string shown = run.loc.target_root.substr(0, 38);
  const std::size_t left = (38 - shown.size()) / 2;
  EXPECT_EQ(box_line(s, 2), std::string(left, ' ') + shown + std::string(38 - left - shown.size(), ' '));
}

TEST(LocationCheck, ShortOrEmptyTargetSkipsTheDirectoryTest) {
  Installations inst;
  for (const std::string target : {"", "/q", "/q/", "Q:\\"}) {
    ScriptedRun sr;
    auto& run = sr.run();
    run.loc.source_root = inst.source + "/";
    run.loc.target_root = target;
    FakeFields fields;
    EXPECT_TRUE(check_locations(run, fields)) << target;
    EXPECT_EQ(sr.console().screens_shown(), 0) << target;
  }
  // Four characters are looked up.
  ScriptedRun sr(keys({"Enter"}));
  auto& run = sr.run();
  run.loc.source_root = inst.source + "/";
  run.loc.target_root = "/qq/";
  FakeFields fields;
  EXPECT_FALSE(check_locations(run, fields));
}

TEST(LocationCheck, SameLocationInAnotherCaseIsRefused) {
  TempDir dir;
  test::write_file(dir.path() / std::filesystem::path(u8"żółw_ęć") / "SPISFIRM.DAT", std::string(103, 'x'));
  ScriptedRun sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  run.loc.source_root = test::cp852_bytes(dir.str() + "/żółw_ęć/");
  run.loc.target_root = test::cp852_bytes(dir.str() + "/ŻÓŁW_ĘĆ/");
  FakeFields fields;
  EXPECT_FALSE(check_locations(run, fields));
  EXPECT_EQ(fields.focused, std::vector{RootField::kTarget});
  EXPECT_EQ(box_line(capture.before_event(1), 1),
            "  Katalogi nię mogą być identyczne !  ");
}

}  // namespace
}  // namespace vx::driver
