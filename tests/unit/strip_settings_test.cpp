#include "strip/strip_settings.h"

#include <gtest/gtest.h>

#include "strip/strip_settings_file.h"
#include "test_support.h"

#include "strip/strip_menu_items.h"
#include "strip/strip_reach.h"
#include "strip/strip_restore.h"

namespace tavlin {
namespace {

// Everything the file can hold, as a player dragged and chose it.
StripSettings Chosen() {
  StripSettings s;
  s.left = -1200, s.top = 40;
  s.monitor = "\\\\.\\DISPLAY2";
  s.monitor_area = Rect{-1280, 0, 0, 1024};
  s.alpha_item = kN601Alpha60;
  s.colour_item = kYellow1;
  s.quiz_panel = false;
  s.sound_on = true;
  s.hold_full_screen = true;
  s.strip_hidden = true;
  s.popup_monitor_item = kPopupsOnStripMonitor;
  return s;
}

constexpr char kChosenKeys[] =
    "position=-1200,40\r\nmonitor=\\\\.\\DISPLAY2\r\nmonitor_area=-1280,0,0,1024\r\n"
    "transparency=60\r\ncolour=Yellow\r\nquiz=off\r\nsound=on\r\nfullscreen_hold=on\r\n"
    "strip=hidden\r\npopups=strip\r\n";

TEST(StripSettingsTest, FilesReadKeyByKeyAndWrittenBackWithThePlayersLines) {
  const StripSettings none;
  StripSettings only_colour;
  only_colour.colour_item = kBlue1;
  StripSettings colour_and_sound = only_colour;
  colour_and_sound.sound_on = false;

  struct Case {
    const char* what;
    std::string file;
    StripSettings read;
    std::string written;  // the file after writing Chosen() into it
  } cases[] = {
      {"the empty file the player opts in with", "", none,
       std::string("[tavlin]\r\n") + kChosenKeys},
      {"BOM, LF ends, spaces and any case; notes and other sections kept",
       "\xEF\xBB\xBF; my clock\n[Other]\ncolour=Red\n[ TAVLIN ]\n  Colour = blue \nx=1\n\n[b]\n",
       only_colour,
       "\xEF\xBB\xBF; my clock\n[Other]\ncolour=Red\n[ TAVLIN ]\ncolour=Yellow\nx=1\n"
       "position=-1200,40\nmonitor=\\\\.\\DISPLAY2\nmonitor_area=-1280,0,0,1024\n"
       "transparency=60\nquiz=off\nsound=on\nfullscreen_hold=on\nstrip=hidden\npopups=strip\n\n[b]"
       "\n"},
      {"malformed values ignored one by one, the first line of a key counts",
       "[tavlin]\rposition=0x10,5\rmonitor_area=5,5,1,1\rtransparency=50\rcolour=Blue\r"
       "colour=Lime\rquiz=yes\rsound=off\rposition=1,2,3",
       colour_and_sound,
       "[tavlin]\rposition=-1200,40\rmonitor_area=-1280,0,0,1024\rtransparency=60\r"
       "colour=Yellow\rcolour=Lime\rquiz=off\rsound=on\rposition=1,2,3\r"
       "monitor=\\\\.\\DISPLAY2\rfullscreen_hold=on\rstrip=hidden\rpopups=strip\r"},
      {"binary bytes are lines like any other", std::string("\0\xFF[tavlin\x01\n\x80=\x81", 14),
       none,
       std::string("\0\xFF[tavlin\x01\n\x80=\x81", 14) + "\n[tavlin]\n" +
           "position=-1200,40\nmonitor=\\\\.\\DISPLAY2\nmonitor_area=-1280,0,0,1024\n"
           "transparency=60\ncolour=Yellow\nquiz=off\nsound=on\nfullscreen_hold=on\nstrip=hidden\n"
           "popups=strip\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadStripSettings(c.file), c.read);
    const std::string written = WriteStripSettings(c.file, Chosen());
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(ReadStripSettings(written), Chosen());
    // Writing what the file already says changes nothing, so nothing is written.
    EXPECT_EQ(WriteStripSettings(written, Chosen()), written);
  }
  // Values tavlin has no record of leave their lines alone.
  EXPECT_EQ(WriteStripSettings("[tavlin]\nquiz=maybe\n", StripSettings{}),
            "[tavlin]\nquiz=maybe\n");
}

// The file through a run of saves: a scanner holding it for a moment costs nothing, a lasting
// failure is told once, a new kind of failure again, and after a save that worked, again.
TEST(StripSettingsTest, TheFileSavesThroughHeldMomentsAndTellsEachNewFailureOnce) {
  constexpr char kPath[] = "/games/tavlin/tavlin.ini";
  fakes::MemoryFileSystem files;
  files.files[kPath] = "; mine\r\n[tavlin]\r\ncolour=Blue\r\n";
  int waits = 0;
  StripSettingsFile file(files, kPath, [&](int) { ++waits; });
  EXPECT_EQ(file.Load().colour_item, kBlue1);
  const WriteFailure held{true, "held"}, full{false, "disk full"};
  StripSettings s;
  const struct {
    const char* what;
    std::vector<WriteFailure> failures;
    int tries;
    bool saved;
    std::string told;  // the reason in the report, or "" for none
  } steps[] = {
      {"held four times, then saved", {held, held, held, held}, 5, true, ""},
      {"held for longer", std::vector<WriteFailure>(9, held), 5, false, "held"},
      {"held for longer still: not told again", std::vector<WriteFailure>(9, held), 5, false, ""},
      {"a disk-full failure is new, and not tried again", {full}, 1, false, "disk full"},
      {"the same again", {full}, 1, false, ""},
      {"held again: new once more", std::vector<WriteFailure>(5, held), 5, false, "held"},
      {"saved", {}, 1, true, ""},
      {"after a save that worked, a failure is told again", {full}, 1, false, "disk full"},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(steps[i].what);
    s.left = static_cast<int>(i), s.top = 0;  // every save changes the file
    files.replace_failures.assign(steps[i].failures.begin(), steps[i].failures.end());
    files.replaces = 0;
    const std::string before = files.files[kPath];
    const auto report = file.Save(s);
    EXPECT_EQ(files.replaces, steps[i].tries);
    EXPECT_EQ(files.files[kPath] != before, steps[i].saved);
    ASSERT_EQ(report.has_value(), !steps[i].told.empty());
    if (report) {
      EXPECT_NE(report->find(std::string(kPath) + "\n" + steps[i].told + "\n"), std::string::npos);
    }
  }
  EXPECT_EQ(file.Load().left, 6);  // "saved" was the last that got through

  // Refused without a try at a write: a file over the cap, one the player removed (not made
  // again); and one marked read-only is told as the disk says.
  files.files[kPath] = "[tavlin]\r\ncolour=Blue\r\n" + std::string(kSettingsFileCap, ';');
  EXPECT_NE(file.Save(s).value_or("").find("64 KB"), std::string::npos);
  files.files.erase(kPath);
  EXPECT_EQ(file.Save(s), std::nullopt);
  EXPECT_FALSE(files.Exists(kPath));
  files.files[kPath] = "";
  files.read_only.insert(kPath);
  EXPECT_NE(file.Save(s).value_or("").find("Access is denied"), std::string::npos);
  EXPECT_EQ(files.files[kPath], "");
}

TEST(StripSettingsTest, ARememberedPlaceCountsOnlyOnItsMonitorAndWithinReach) {
  const std::vector<MonitorPlace> monitors{
      {"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
      {"\\\\.\\DISPLAY2", {1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}};
  const auto at = [](int left, int top, const char* monitor, std::optional<Rect> area) {
    StripSettings s;
    s.left = left, s.top = top, s.monitor = monitor, s.monitor_area = area;
    return s;
  };
  struct Case {
    const char* what;
    StripSettings settings;
    std::optional<Rect> want;
  } cases[] = {
      {"on its monitor: there", at(2500, 30, "\\\\.\\DISPLAY2", Rect{1920, 0, 3200, 1024}),
       Rect{2500, 30, 2825, 80}},
      {"its monitor moved to the left of the first: moves with it",
       at(-700, 30, "\\\\.\\DISPLAY2", Rect{-1280, 0, 0, 1024}), Rect{2500, 30, 2825, 80}},
      {"a monitor that is gone: centred", at(100, 100, "\\\\.\\DISPLAY3", std::nullopt),
       std::nullopt},
      {"no monitor named: centred", at(100, 100, "", std::nullopt), std::nullopt},
      {"far off every screen: centred", at(-50000, 90000, "\\\\.\\DISPLAY1", std::nullopt),
       std::nullopt},
      {"half over the task bar: into the work area", at(800, 1030, "\\\\.\\DISPLAY1", std::nullopt),
       Rect{800, 990, 1125, 1040}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RestoredStripRect(c.settings, Size{325, 50}, 26, Size{48, 16}, monitors), c.want);
  }
}

// Device names are numbered anew after a restart or when a screen sleeps; the rectangle a monitor
// has on the virtual screen is what identifies it. The strip is measured at that monitor's DPI.
TEST(StripSettingsTest, TheRememberedMonitorIsFoundByItsRectangleFirst) {
  const Rect left_area{0, 0, 1920, 1080}, right_area{1920, 0, 3200, 1024};
  const auto place = [](const char* device, Rect area, int dpi) {
    return MonitorPlace{device, area, area, dpi};
  };
  StripSettings on_right;
  on_right.left = 2500, on_right.top = 30, on_right.monitor = "\\\\.\\DISPLAY2";
  on_right.monitor_area = right_area;
  struct Case {
    const char* what;
    std::vector<MonitorPlace> monitors;
    const char* want_device;  // nullptr: no monitor, centred
    std::optional<Rect> want;
  } cases[] = {
      {"renamed devices: by its rectangle",
       {place("\\\\.\\DISPLAY4", left_area, 96), place("\\\\.\\DISPLAY5", right_area, 96)},
       "\\\\.\\DISPLAY5",
       Rect{2500, 30, 2825, 80}},
      {"swapped devices: the one with its rectangle, not its old name",
       {place("\\\\.\\DISPLAY2", left_area, 96), place("\\\\.\\DISPLAY1", right_area, 96)},
       "\\\\.\\DISPLAY1",
       Rect{2500, 30, 2825, 80}},
      {"the monitor gone, its name given to another: moves with the name",
       {place("\\\\.\\DISPLAY1", left_area, 96), place("\\\\.\\DISPLAY2", {-1280, 0, 0, 1024}, 96)},
       "\\\\.\\DISPLAY2",
       Rect{-700, 30, -375, 80}},
      {"the monitor gone, neither rectangle nor name left: centred",
       {place("\\\\.\\DISPLAY1", left_area, 96)},
       nullptr,
       std::nullopt},
      {"a different DPI: the strip at that monitor's size",
       {place("\\\\.\\DISPLAY1", left_area, 96), place("\\\\.\\DISPLAY3", right_area, 144)},
       "\\\\.\\DISPLAY3",
       Rect{2500, 30, 2988, 105}},
      {"a different DPI near the edge: kept in reach as that DPI asks",
       {MonitorPlace{"\\\\.\\DISPLAY3", right_area, {1920, 0, 2560, 1024}, 144}},
       "\\\\.\\DISPLAY3",
       Rect{2072, 30, 2560, 105}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<MonitorPlace> monitor = RememberedMonitor(on_right, c.monitors);
    ASSERT_EQ(monitor.has_value(), c.want_device != nullptr);
    const int dpi = RestoredStripDpi(on_right, c.monitors).value_or(96);
    if (monitor) {
      EXPECT_EQ(monitor->device, c.want_device);
    }
    const Size size{ScaleToDpi(325, dpi), ScaleToDpi(50, dpi)};
    EXPECT_EQ(RestoredStripRect(on_right, size, GripRowAt(dpi), GrabbableAt(dpi), c.monitors),
              c.want);
  }
}

}  // namespace
}  // namespace tavlin
