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

// Files someone else wrote are read only when they are regular files, within their limit,
// and never waited for: a fifo without a writer, a device without end and a folder are
// refused at once.
TEST(PosixRegularFile, OnlyARegularFileWithinItsLimitIsRead) {
    const std::string folder = ::testing::TempDir() + "glimmerjar-regular";
    mkdir(folder.c_str(), 0755);
    const std::string file = folder + "/scene", fifo = folder + "/fifo";
    std::ofstream(file) << "twelve bytes";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string text, error;
    EXPECT_EQ(readRegularFile(file, 100, text, error), FileRead::Done);
    EXPECT_EQ(text, "twelve bytes");
    EXPECT_TRUE(isRegularFile(file));
    EXPECT_EQ(readRegularFile(file, 11, text, error), FileRead::TooLarge);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(readRegularFile(folder + "/none", 100, text, error), FileRead::Missing);
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder}) {
        error.clear();
        EXPECT_EQ(readRegularFile(path, 1u << 30, text, error), FileRead::Failed) << path;
        EXPECT_FALSE(error.empty()) << path;
        EXPECT_FALSE(isRegularFile(path)) << path;
    }
    std::remove(fifo.c_str());
    std::remove(file.c_str());
}
