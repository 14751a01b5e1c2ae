#include "data/user_preferences.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/temp_work_dir.h"

namespace qv {
namespace {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserPreferencesTest, FoldersFollowXdgAndIgnoreRelativeValues) {
  ScopedEnv home("HOME", "/home/reader");
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/etc/xdg-user");
    ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(UserConfigDirectory(), "/etc/xdg-user/quarvelin");
    EXPECT_EQ(UserDataDirectory(), "/srv/data/quarvelin");
    EXPECT_EQ(UserPreferencesFile(), "/etc/xdg-user/quarvelin/preferences.ini");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", "relative/config");
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserConfigDirectory(), "/home/reader/.config/quarvelin");
    EXPECT_EQ(UserDataDirectory(), "/home/reader/.local/share/quarvelin");
  }
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv no_home("HOME", "");
  EXPECT_TRUE(UserConfigDirectory().empty());
  EXPECT_FALSE(UserPreferences().Save(UserPreferencesFile()));
}

TEST(UserPreferencesTest, HandEditedTextNeverStopsReading) {
  const auto preferences = UserPreferences::Parse(
      "# comment\n"
      "window.width = 1280\r\n"
      "no equals sign here\n"
      " = value without key\n"
      "read_aloud=yes\n"
      "window.width=1300\n"
      "scale = 1.5x\n");
  EXPECT_EQ(preferences.GetNumber("window.width"), 1300);  // the last line wins
  EXPECT_TRUE(preferences.GetFlag("read_aloud"));
  EXPECT_EQ(preferences.GetNumber("scale"), std::nullopt);
  EXPECT_EQ(preferences.Get("scale"), "1.5x");
  EXPECT_FALSE(preferences.GetFlag("scale", false));
  EXPECT_TRUE(preferences.GetFlag("missing", true));
  EXPECT_EQ(preferences.Get("no equals sign here"), std::nullopt);
}

TEST(UserPreferencesTest, KeysThatWouldNotReadBackAreRefused) {
  UserPreferences preferences;
  EXPECT_FALSE(preferences.Set("a\nb", "1"));
  EXPECT_FALSE(preferences.Set("a=b", "1"));
  EXPECT_FALSE(preferences.Set("#a", "1"));
  EXPECT_FALSE(preferences.Set("  ", "1"));
  EXPECT_FALSE(preferences.Set("a", "1\n2"));
  EXPECT_TRUE(preferences.Empty());
  EXPECT_TRUE(preferences.Set(" history ", " on "));
  EXPECT_EQ(preferences.Get("history"), "on");
  preferences.Erase("history");
  EXPECT_TRUE(preferences.Empty());
}

TEST(UserPreferencesTest, SaveRoundTripsAndReplacesALinkInsteadOfWritingThroughIt) {
  TempWorkDir dir;
  const auto file = dir.path() / "config" / "quarvelin" / "preferences.ini";
  UserPreferences preferences;
  ASSERT_TRUE(preferences.Set("window.x", "-40"));
  ASSERT_TRUE(preferences.Set("quick_save", "1"));
  ASSERT_TRUE(preferences.Save(file));  // makes the folders
  EXPECT_EQ(ReadAll(file),
            "# Quarvelin: the player's own preferences\nquick_save = 1\nwindow.x = -40\n");
  EXPECT_EQ(UserPreferences::Load(file).GetNumber("window.x"), -40);

  const auto victim = dir.path() / "victim.txt";
  std::ofstream(victim) << "keep";
  std::filesystem::remove(file);
  std::filesystem::create_symlink(victim, file);
  EXPECT_TRUE(preferences.Save(file));
  EXPECT_EQ(ReadAll(victim), "keep");
  EXPECT_FALSE(std::filesystem::is_symlink(file));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
}

TEST(UserPreferencesTest, MissingOrForeignFilesReadAsEmpty) {
  TempWorkDir dir;
  EXPECT_TRUE(UserPreferences::Load(dir.path() / "absent.ini").Empty());
  EXPECT_TRUE(UserPreferences::Load(dir.path()).Empty());  // a folder
  std::ofstream(dir.path() / "big.ini") << std::string(2 * 1024 * 1024, 'x');
  EXPECT_TRUE(UserPreferences::Load(dir.path() / "big.ini").Empty());
}

}  // namespace
}  // namespace qv
