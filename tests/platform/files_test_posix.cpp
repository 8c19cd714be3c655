// Where pictures go on Linux: $XDG_PICTURES_DIR, else the desktop's user-dirs.dirs line
// (under $XDG_CONFIG_HOME, else ~/.config), else the home folder; a folder that is not
// there is passed over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/files.h"

TEST(PosixPictureFolder, FollowsTheDesktopsUserFolders) {
    const std::string home = ::testing::TempDir() + "glimmerjar-pictures-home";
    mkdir(home.c_str(), 0755);
    mkdir((home + "/.config").c_str(), 0755);
    mkdir((home + "/Bilder").c_str(), 0755);
    mkdir((home + "/elsewhere").c_str(), 0755);
    const std::string userDirs = home + "/.config/user-dirs.dirs";
    std::remove(userDirs.c_str());  // left by an earlier run
    const char* realHome = std::getenv("HOME");
    const std::string savedHome = realHome ? realHome : "";
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_PICTURES_DIR");
    FileSystem& files = platformFileSystem();
    EXPECT_EQ(files.pictureFolder(), home + "/");

    std::ofstream(userDirs) << "# written by xdg-user-dirs-update\n"
                                                    << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                    << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(files.pictureFolder(), home + "/Bilder/");
    // A configuration folder of its own holds its own user-dirs.dirs.
    setenv("XDG_CONFIG_HOME", (home + "/elsewhere").c_str(), 1);
    EXPECT_EQ(files.pictureFolder(), home + "/");
    setenv("XDG_PICTURES_DIR", (home + "/elsewhere").c_str(), 1);
    EXPECT_EQ(files.pictureFolder(), home + "/elsewhere/");
    // Named but missing: the next in line.
    setenv("XDG_PICTURES_DIR", (home + "/gone").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(files.pictureFolder(), home + "/Bilder/");
    unsetenv("XDG_PICTURES_DIR");
    setenv("HOME", savedHome.c_str(), 1);
    std::remove(userDirs.c_str());
}
