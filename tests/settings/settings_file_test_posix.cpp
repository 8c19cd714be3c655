// The Linux settings file: values in their own units survive reopening; comments, unknown
// and malformed lines stay where they were, each reported once; a file that cannot be
// written changes nothing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "platform/shared_file.h"
#include "platform/stop_requests.h"
#include "settings/registry_values.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "glimmerjar-settings-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::remove(path.c_str());
        setenv("GLIMMERJAR_SETTINGS_FILE", path.c_str(), 1);
    }
    void TearDown() override {
        use(nullptr);
        unsetenv("GLIMMERJAR_SETTINGS_FILE");
        std::remove(path.c_str());
    }
    void writeFile(const std::string& text) { std::ofstream(path) << text; }
    std::string fileText() const {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Opens the file, collecting what it reports.
    void open() {
        reports.clear();
        use(new SettingsFile(path, [this](const std::string& line) { reports.push_back(line); }));
    }
    // Opens the store as the program does.
    void openPlatformStore() { use(openPlatformSettingsStore()); }
    void use(SettingsStore* next) {
        owned.reset(next);
        store = next;
    }
    std::unique_ptr<SettingsStore> owned;
    SettingsStore* store = nullptr;
    std::string path;
    std::vector<std::string> reports;
};

}  // namespace

TEST_F(SettingsFileTest, ValuesInTheirOwnUnitsSurviveReopening) {
    openPlatformStore();
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(writeDword(store, "speed", 250));
    EXPECT_TRUE(writeDword(store, "screenModeSwitchX", -1280));
    EXPECT_TRUE(writeFloatValue(store, "lavaHue", 0.33f));
    EXPECT_TRUE(writeBoolValue(store, "showParticles", true));
    EXPECT_TRUE(writeBoolValue(store, "startFullScreen", false));
    EXPECT_TRUE(writeString(store, "blob007", "1.5 2 -3 0.25"));
    for (const char* line : {"speed = 250\n", "screenModeSwitchX = -1280\n", "lavaHue = 0.33\n", "showParticles = true\n",
                             "startFullScreen = false\n"})
        EXPECT_NE(fileText().find(line), std::string::npos) << line;
    openPlatformStore();
    EXPECT_EQ(readDword(store, "speed", 0), 250);
    EXPECT_EQ(readDword(store, "screenModeSwitchX", 0), -1280);
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.33f);
    EXPECT_TRUE(readBoolValue(store, "showParticles", false));
    EXPECT_FALSE(readBoolValue(store, "startFullScreen", true));
    std::string record;
    EXPECT_TRUE(readString(store, "blob007", record));
    EXPECT_EQ(record, "1.5 2 -3 0.25");
    EXPECT_TRUE(store->deleteValue("speed"));
    openPlatformStore();
    EXPECT_EQ(readDword(store, "speed", 42), 42);
}

TEST_F(SettingsFileTest, APersonsEditsAreKeptAndBadLinesReportedOnce) {
    writeFile("# my lamp\n"
              "speed = 250   \n"
              "showPolygons = yes\n"
              "\n"
              "; the colour I like\n"
              "lavaHue=0.5\n"
              "viscosity = thick\n"
              "sparkle = 11\n"
              "just some words\n"
              "zoom = 2\n"
              "zoom = 3\n");
    open();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0], path + " line 7: \"thick\" is not a whole number for viscosity; the setting keeps its default");
    EXPECT_EQ(reports[1], path + " line 8: \"sparkle\" is no setting of Glimmerjar; ignored");
    EXPECT_EQ(reports[2], path + " line 9: not a setting (a setting reads \"key = value\"); ignored");
    EXPECT_EQ(readDword(store, "speed", 0), 250);
    EXPECT_TRUE(readBoolValue(store, "showPolygons", false));
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.5f);
    EXPECT_EQ(readDword(store, "viscosity", 100), 100);
    EXPECT_EQ(readDword(store, "sparkle", -1), -1);
    EXPECT_FLOAT_EQ(readFloatValue(store, "zoom", 0), 3.0f);  // the later line counts

    // Reading reports nothing more; writing replaces lines in place and keeps the rest.
    readDword(store, "viscosity", 1);
    EXPECT_TRUE(writeDword(store, "viscosity", 120));
    EXPECT_TRUE(writeDword(store, "speed", 90));
    EXPECT_TRUE(writeDword(store, "heatDiffusion", 80));
    EXPECT_EQ(reports.size(), 3u);
    EXPECT_EQ(fileText(),
              "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives\n"
              "# my lamp\n"
              "speed = 90\n"
              "showPolygons = yes\n"
              "\n"
              "; the colour I like\n"
              "lavaHue=0.5\n"
              "viscosity = 120\n"
              "sparkle = 11\n"
              "just some words\n"
              "zoom = 2\n"
              "zoom = 3\n"
              "heatDiffusion = 80\n");
}

TEST_F(SettingsFileTest, NumbersAndFlagsAreCheckedByKind) {
    writeFile("showParticles = 2\nspeed = 1.5\nspeed2 = 1\nlavaHue = 0.5x\nbgHue = 99999999999\n"
              "resumeFromLastPos = off\nlavaLuminance = nan\nlavaSaturation = 7\nlavaHueHot = -2.5\n");
    open();
    ASSERT_EQ(reports.size(), 6u);  // five lines by name, the other three counted
    EXPECT_EQ(reports[5], path + ": 3 more lines it cannot use, each ignored and left as it is");
    EXPECT_TRUE(readBoolValue(store, "showParticles", true));
    EXPECT_EQ(readDword(store, "speed", 7), 7);
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0.25f), 0.25f);
    EXPECT_EQ(readDword(store, "bgHue", 3), 100) << "a number too large is taken into the range";
    EXPECT_FALSE(readBoolValue(store, "resumeFromLastPos", true));
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaLuminance", 0.44f), 0.44f);
    // A fraction beyond either end of its range is taken to that end.
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaSaturation", 0.5f), 1.0f);
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHueHot", 0.5f), 0.0f);
}

TEST_F(SettingsFileTest, ValuesTheFileCannotHoldAreRefused) {
    open();
    EXPECT_FALSE(writeDword(store, "two words", 1));
    EXPECT_FALSE(writeDword(store, "", 1));
    EXPECT_FALSE(writeString(store, "blob001", "two\nlines"));
    EXPECT_FALSE(writeDword(store, "a=b", 1));
}

// Saving the lava writes hundreds of values: a batch writes the file once, at its end.
TEST_F(SettingsFileTest, ABatchReachesTheFileAtOnceOrNotAtAll) {
    writeFile("# Glimmerjar, mine\nspeed = 5\n");
    open();
    {
        SettingsBatch outer(store);
        {
            SettingsBatch inner(store);
            EXPECT_TRUE(writeDword(store, "speed", 6));
            EXPECT_TRUE(writeString(store, "blob000", "1 2 3"));
        }
        EXPECT_TRUE(store->deleteValue("blob000"));
        EXPECT_TRUE(writeDword(store, "zoom", 2));
        EXPECT_EQ(readDword(store, "speed", 0), 6);
        EXPECT_EQ(fileText(), "# Glimmerjar, mine\nspeed = 5\n");
    }
    EXPECT_EQ(fileText(), "# Glimmerjar, mine\nspeed = 6\nzoom = 2\n");
    // The lava is saved before the settings, but a new setting goes above its records.
    {
        SettingsBatch batch(store);
        EXPECT_TRUE(writeString(store, "blob000", "1 2 3"));
        EXPECT_TRUE(writeDword(store, "noBlobsSaved", 1));
        EXPECT_TRUE(writeDword(store, "bgHue", 50));
    }
    EXPECT_EQ(fileText(), "# Glimmerjar, mine\nspeed = 6\nzoom = 2\nbgHue = 50\nblob000 = 1 2 3\nnoBlobsSaved = 1\n");

    // A folder that is not there: nothing kept, said once.
    path = "/nonexistent-folder/settings";
    use(new SettingsFile(path, [this](const std::string& line) { reports.push_back(line); }));
    store->beginBatch();
    EXPECT_TRUE(writeDword(store, "speed", 1));
    EXPECT_FALSE(store->endBatch());
    EXPECT_FALSE(writeDword(store, "zoom", 1));
    EXPECT_EQ(readDword(store, "speed", 4), 4);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "cannot write /nonexistent-folder/settings (cannot lock: No such file or directory); not "
                          "kept: speed");
}

TEST_F(SettingsFileTest, TheConfigurationFolderIsMadeWithTheFoldersAboveIt) {
    const std::string home = ::testing::TempDir() + "glimmerjar-fresh-account";
    unsetenv("GLIMMERJAR_SETTINGS_FILE");
    setenv("XDG_CONFIG_HOME", (home + "/config/deeper").c_str(), 1);
    openPlatformStore();
    EXPECT_TRUE(writeDword(store, "speed", 7));
    std::ifstream in(home + "/config/deeper/glimmerjar/settings");
    EXPECT_TRUE(in.good());
    unsetenv("XDG_CONFIG_HOME");
    use(nullptr);
    std::remove((home + "/config/deeper/glimmerjar/settings").c_str());
}

// The file is the person's: what they write while the lamp runs survives the lamp's saves
// (which write only what the run itself changed), and the store hands back what changed
// for the lamp to take.
TEST_F(SettingsFileTest, EditsMadeWhileTheLampRunsSurviveItsSaves) {
    writeFile("# mine\nlavaHue = 0\nspeed = 100\n");
    open();
    auto* file = dynamic_cast<SettingsFile*>(store);
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->changedOnDisk());
    // The person's editor writes a new file: another colour, a comment, a value of its own.
    writeFile("# mine\nlavaHue = 0.6\n# I like blue\nspeed = 100\nzoom = 4\n");
    EXPECT_TRUE(file->changedOnDisk());
    {
        // The lamp's save: every value as it holds them, one of them changed in the run.
        SettingsBatch batch(store);
        EXPECT_TRUE(writeFloatValue(store, "lavaHue", 0));
        EXPECT_TRUE(writeDword(store, "speed", 100));
        EXPECT_TRUE(writeDword(store, "numParticles", 300));
    }
    EXPECT_EQ(fileText(), "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives\n"
                          "# mine\nlavaHue = 0.6\n# I like blue\nspeed = 100\nzoom = 4\nnumParticles = 300\n");
    // The lamp has not taken the person's values yet: the store still says the file changed,
    // and hands back just those.
    EXPECT_TRUE(file->changedOnDisk());
    EXPECT_EQ(file->reload(), (std::vector<std::string>{"lavaHue", "zoom"}));
    EXPECT_FALSE(file->changedOnDisk());
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.6f);
    // Its own save is no change to follow; writing what the file holds changes nothing.
    EXPECT_TRUE(writeDword(store, "numParticles", 200));
    EXPECT_FALSE(file->changedOnDisk());
    EXPECT_TRUE(writeString(store, "lavaHue", "0.600000"));
    EXPECT_EQ(file->reload(), (std::vector<std::string>{}));
    EXPECT_NE(fileText().find("lavaHue = 0.6\n"), std::string::npos);
}

// A settings file kept elsewhere (a dotfiles repository) stays a link, its target gets the
// save and keeps its mode.
TEST_F(SettingsFileTest, ALinkStaysALinkAndTheTargetKeepsItsMode) {
    const std::string target = path + "-target";
    std::ofstream(target) << "# kept in git\nspeed = 5\n";
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
    open();
    EXPECT_EQ(readDword(store, "speed", 0), 5);
    EXPECT_TRUE(writeDword(store, "speed", 6));
    struct stat link {}, saved {};
    ASSERT_EQ(lstat(path.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ASSERT_EQ(stat(target.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0600u);
    EXPECT_NE(fileText().find("speed = 6\n"), std::string::npos);
    std::remove(target.c_str());

    // A link to a file not made yet (its folder there, relative to the link's): the save
    // makes the file the link names, with a new file's mode, and the link stays a link.
    std::remove(path.c_str());
    const std::string name = target.substr(target.rfind('/') + 1);
    ASSERT_EQ(symlink(name.c_str(), path.c_str()), 0);
    open();
    EXPECT_TRUE(writeDword(store, "speed", 7));
    ASSERT_EQ(lstat(path.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ASSERT_EQ(stat(target.c_str(), &saved), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(saved.st_mode & 07777, 0666u & ~mask);
    EXPECT_NE(fileText().find("speed = 7\n"), std::string::npos);
    std::remove(target.c_str());
}

// A file its owner made read-only is not replaced, though its folder would let a new file
// take its place: its bytes stay, and the lamp says once what it did not keep.
TEST_F(SettingsFileTest, AReadOnlyFileKeepsItsBytes) {
    writeFile("# mine, do not touch\nspeed = 5\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    open();
    EXPECT_EQ(readDword(store, "speed", 0), 5);
    {
        SettingsBatch batch(store);
        writeDword(store, "speed", 6);
        writeString(store, "blob000", "1 2 3");
    }
    EXPECT_FALSE(writeDword(store, "zoom", 2));
    EXPECT_EQ(fileText(), "# mine, do not touch\nspeed = 5\n");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "cannot write " + path + " (it is read-only); not kept: speed and the lava");
    chmod(path.c_str(), 0644);
}

// A byte-order mark (as some Windows editors write one) is read past and kept; a file of
// CR LF lines keeps them, new lines taking the file's ending; a line of its own ending
// keeps it.
TEST_F(SettingsFileTest, AByteOrderMarkAndTheLineEndingsStay) {
    writeFile("\xEF\xBB\xBFspeed = 5\r\n# mine\r\nzoom = 2\n");
    open();
    EXPECT_TRUE(reports.empty()) << reports[0];
    EXPECT_EQ(readDword(store, "speed", 0), 5);
    EXPECT_TRUE(writeDword(store, "speed", 6));
    EXPECT_TRUE(writeDword(store, "zoom", 3));
    EXPECT_TRUE(writeDword(store, "bgHue", 40));
    EXPECT_EQ(fileText(), "\xEF\xBB\xBF# Glimmerjar settings: key = value, one a line, in the units man glimmerjar "
                          "gives\r\nspeed = 6\r\n# mine\r\nzoom = 3\nbgHue = 40\r\n");
    open();
    EXPECT_EQ(readDword(store, "speed", 0), 6);
    EXPECT_EQ(readDword(store, "bgHue", 0), 40);
}

// A file of the largest size read (a megabyte) of lines the program does not know: the
// first few named and the rest counted; a larger one is not read and never replaced.
TEST_F(SettingsFileTest, AHugeFileIsReportedShortly) {
    std::string text = "speed = 5\n";
    while (text.size() + 16 < SharedFile::maxBytes) text += "sparkle" + std::to_string(text.size() % 997) + " = 1\n";
    writeFile(text);
    open();
    EXPECT_EQ(readDword(store, "speed", 0), 5);
    EXPECT_TRUE(writeDword(store, "speed", 6));
    ASSERT_EQ(reports.size(), 6u);
    EXPECT_NE(reports[5].find(" more lines it cannot use, each ignored and left as it is"), std::string::npos)
        << reports[5];
    writeFile(text + text);
    open();
    EXPECT_EQ(readDword(store, "speed", 7), 7);
    EXPECT_FALSE(writeDword(store, "speed", 8));
    EXPECT_EQ(fileText(), text + text);
}

// Another program holds the lock (a lamp stopped in its save, a hung network home): a save
// waits for it a while, then keeps nothing, replaces nothing and says what it did not
// keep; a process told twice to end waits no more.
TEST_F(SettingsFileTest, ALockHeldElsewhereIsWaitedForAWhileOnly) {
    writeFile("speed = 5\n");
    open();
    const int holder = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(holder, 0);
    const pid_t child = fork();
    if (child == 0) {
        flock(holder, LOCK_EX);
        sleep(30);
        _exit(0);
    }
    usleep(200000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(writeDword(store, "speed", 6));
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(waited, 1.5);
    EXPECT_LT(waited, 3.0);
    EXPECT_EQ(fileText(), "speed = 5\n");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "cannot write " + path + " (another program holds " +
                              path.substr(path.rfind('/') + 1) + ".lock); not kept: speed");
    stopRequests = 2;
    const auto again = std::chrono::steady_clock::now();
    EXPECT_FALSE(writeDword(store, "speed", 7));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - again).count(), 0.2);
    stopRequests = 0;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(holder);
    std::remove((path + ".lock").c_str());
}

// A program that saves again and again (each save slow, as on a busy disk) takes the lock
// back the moment it lets it go; one that waits still has its turn between two of them.
TEST_F(SettingsFileTest, ALampSavingAgainAndAgainLetsAWaitingOneIn) {
    writeFile("speed = 5\n");
    open();
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        SharedFile file(path);
        FileStamp stamp;
        std::string error;
        for (int save = 0; save < 20; ++save) file.update([](std::string&) { usleep(200000); }, stamp, error);
        _exit(0);
    }
    usleep(300000);
    EXPECT_TRUE(writeDword(store, "speed", 6));
    EXPECT_TRUE(reports.empty()) << reports[0];
    EXPECT_NE(fileText().find("\nspeed = 6\n"), std::string::npos) << fileText();
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    std::remove((path + ".lock").c_str());
}

// One rule for a number that does not fit: taken into its setting's range and reported
// once; text that is no number reported and the default kept. Nothing wraps.
TEST_F(SettingsFileTest, HostileNumbersEndInRangeOrAtTheDefault) {
    const std::pair<const char*, int> cases[] = {{"5000", 400},       {"2147483648", 400}, {"3000000000", 400},
                                                 {"4294967295", 400}, {"4294967296", 400}, {"-1", 0},
                                                 {"1e9", 400},        {"12abc", 175},      {"99999999999999999999", 400},
                                                 {"0x10", 175},       {"2.5", 175}};
    for (const auto& [text, expected] : cases) {
        writeFile(std::string("numParticles = ") + text + "\n");
        open();
        EXPECT_EQ(readDword(store, "numParticles", 175), expected) << text;
        EXPECT_EQ(reports.size(), 1u) << text;
        readDword(store, "numParticles", 175);
        EXPECT_EQ(reports.size(), 1u) << text << ": reported once";
    }
}

// Two lamps saving at once while a third reads: every read sees a whole file, no save
// fails, and neither writer loses the other's values.
TEST_F(SettingsFileTest, TwoWritersAndAReaderNeverSeeATornFile) {
    std::string initial = "# Glimmerjar settings\n";
    for (int n = 0; n < 40; ++n) initial += "blob" + std::string(n < 10 ? "00" : "0") + std::to_string(n) + " = 0 0\n";
    writeFile(initial);
    constexpr int saves = 1000;
    const auto writer = [&](int first, const char* own, int range) {
        use(new SettingsFile(path, [](const std::string& line) { std::fprintf(stderr, "writer: %s\n", line.c_str()); }));
        bool ok = true;
        for (int i = 1; i <= saves && ok; ++i) {
            store->beginBatch();
            ok = writeDword(store, own, i % range);
            for (int n = first; n < first + 20; ++n) {
                char name[16], record[32];
                std::snprintf(name, sizeof name, "blob%03d", n);
                std::snprintf(record, sizeof record, "%d %d", n, i);
                ok = ok && writeString(store, name, record);
            }
            ok = store->endBatch() && ok;
        }
        _exit(ok ? 0 : 1);
    };
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) writer(w * 20, w == 0 ? "speed" : "viscosity", w == 0 ? 1000 : 300);
    }
    // Read while they write: each read is one version of the file, whole.
    // A writer is reaped once, here or after the reads, and its status kept either way.
    int reads = 0, torn = 0, status[2] = {0, 0};
    bool ended[2] = {false, false};
    while (!ended[0] && !ended[1]) {
        std::vector<std::string> problems;
        SettingsFile reader(path, [&](const std::string& line) { problems.push_back(line); });
        std::string records = fileText();
        size_t count = 0;
        for (size_t at = records.find("\nblob"); at != std::string::npos; at = records.find("\nblob", at + 1)) ++count;
        const bool whole = problems.empty() && count == 40 && !records.empty() && records.back() == '\n';
        if (!whole && torn == 0)
            ADD_FAILURE() << "a torn read: " << (problems.empty() ? "" : problems[0]) << " " << count << " records\n"
                          << records;
        torn += !whole;
        ++reads;
        for (int w = 0; w < 2; ++w)
            ended[w] = waitpid(writers[w], &status[w], WNOHANG) == writers[w];
    }
    int failed = 0;
    for (int w = 0; w < 2; ++w) {
        if (!ended[w]) {
            ASSERT_EQ(waitpid(writers[w], &status[w], 0), writers[w]);
        }
        failed += !(WIFEXITED(status[w]) && WEXITSTATUS(status[w]) == 0);
    }
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(failed, 0) << "writers whose saves failed";
    EXPECT_GT(reads, 10);
    open();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(readDword(store, "speed", -1), 0);  // 1000 % 1000
    EXPECT_EQ(readDword(store, "viscosity", -1), 100);
    std::string record;
    for (const char* name : {"blob000", "blob019", "blob020", "blob039"}) {
        EXPECT_TRUE(readString(store, name, record)) << name;
        EXPECT_EQ(record.substr(record.find(' ')), " 1000") << name;
    }
}

// A file the 1.1.0 release wrote reads as it did (its frame rate an index, its priority a
// number, its drift switches under their old names); the first save says it all in
// today's words, and keeps everything else.
TEST_F(SettingsFileTest, AFileOfTheFirstReleaseReadsAsBeforeAndIsSavedInTodaysUnits) {
    writeFile("# Glimmerjar settings: name = value, one a line (see man glimmerjar)\n"
              "frameRate = 4   # slow, please\n"
              "priority = 1\n"
              "shiftLeftRightSS = false\n"
              "lavaHue = 0.6\n");
    open();
    EXPECT_TRUE(reports.empty()) << reports[0];
    EXPECT_EQ(readDword(store, "frameRate", 9), 4);  // 10 frames a second, as 1.1.0 read it
    EXPECT_EQ(readDword(store, "priority", 0), 1);
    EXPECT_FALSE(readBoolValue(store, "shiftLeftRightSS", true));
    EXPECT_TRUE(writeDword(store, "frameRate", 4));  // the same value: no change
    EXPECT_TRUE(writeBoolValue(store, "shiftLeftRightSS", true));
    EXPECT_EQ(fileText(),
              "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives\n"
              "frameRate = 10   # slow, please\n"
              "priority = 1\n"
              "shiftLeftRightSaver = true\n"
              "lavaHue = 0.6\n");
    open();
    EXPECT_EQ(readDword(store, "frameRate", 9), 4);
    EXPECT_TRUE(readBoolValue(store, "shiftLeftRightSS", false));
    // Today's file: frames a second, the priority by name, a rate it lacks taken as the
    // nearest and said once.
    writeFile("frameRate = 30\npriority = High\n");
    open();
    EXPECT_EQ(readDword(store, "frameRate", 9), 10);
    EXPECT_EQ(readDword(store, "priority", 0), 2);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], path + " line 1: frameRate = 30 is no rate the lamp has (1, 2, 5, 7, 10, 12, 15, 17, 20, 25, "
                                 "33 or 50); taken as 33");
    EXPECT_TRUE(writeDword(store, "priority", 0));
    EXPECT_TRUE(writeDword(store, "frameRate", 9));
    EXPECT_EQ(fileText(), "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives\n"
                          "frameRate = 25\npriority = low\n");
}

// A comment after a value is the person's: it is not part of the value, and it stays with
// its line when the program writes a new value there.
TEST_F(SettingsFileTest, ACommentAfterAValueIsKept) {
    writeFile("lavaHue = 0.6  # blue\nspeed = 120\t# quicker\nbgHue = 5#6\n");
    open();
    ASSERT_EQ(reports.size(), 1u);  // "5#6" is no number: a '#' inside a word is the value's
    EXPECT_NE(reports[0].find("\"5#6\" is not a whole number for bgHue"), std::string::npos) << reports[0];
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.6f);
    EXPECT_EQ(readDword(store, "speed", 0), 120);
    EXPECT_TRUE(writeFloatValue(store, "lavaHue", 0.7f));
    EXPECT_TRUE(writeDword(store, "speed", 120));
    EXPECT_EQ(fileText(), "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives\n"
                          "lavaHue = 0.7  # blue\nspeed = 120\t# quicker\nbgHue = 5#6\n");
}

TEST(TidyDecimal, ShortensOnlyTrailingZeros) {
    EXPECT_EQ(tidyDecimal("0.440000"), "0.44");
    EXPECT_EQ(tidyDecimal("100.000000"), "100");
    EXPECT_EQ(tidyDecimal("-0.000000"), "0");
    EXPECT_EQ(tidyDecimal("1000"), "1000");
    EXPECT_EQ(tidyDecimal("1e+10"), "1e+10");
}
