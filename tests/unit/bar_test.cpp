// The launcher's first run: the marker line, the menu entry and its quoting, and what
// the first run leaves on disk.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "bar/first_run.h"
#include "shell/files.h"

namespace {

struct CountingUi : shell::Ui {
    std::vector<std::string> captions;
    shell::Answer message(const std::string& caption, const std::string&, shell::Icon icon, shell::Buttons) override
    {
        EXPECT_EQ(icon, shell::Icon::Exclamation);
        captions.push_back(caption);
        return shell::Answer::Ok;
    }
    int exec(QDialog&) override { return 0; }
};
struct FixedClock : shell::Clock {
    shell::DateTime now() const override { return {2026, 12, 6, 9, 30, 0}; }
};
struct NoLauncher : shell::Launcher {
    void handOver(const std::string&) override {}
};
struct NoOpener : shell::Opener {
    void open(const std::string&) override {}
    void help(const std::string&) override {}
};
struct NoPacer : shell::Pacer {
    void pause(int) override {}
};
struct RootPaths : shell::Paths {
    std::string root;
    std::string dataDir() const override { return root + "/data"; }
    std::string docsDir() const override { return root + "/docs"; }
    std::string configDir() const override { return root + "/config"; }
    std::string applicationsDir() const override { return root + "/applications"; }
};

std::string read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

class BarFirstRun : public ::testing::Test {
protected:
    void SetUp() override { paths.root = dir.path().toStdString(); }
    std::string entryPath() const { return paths.applicationsDir() + "/mystorin-zendary.desktop"; }

    QTemporaryDir dir;
    CountingUi ui;
    FixedClock clock;
    NoLauncher launcher;
    NoOpener opener;
    NoPacer pacer;
    RootPaths paths;
    shell::Services services{ui, clock, launcher, opener, pacer, paths};
    const bar::Installation installation{"/opt/mystorin/bin/bar", "PNG-BYTES"};
};

}  // namespace

TEST(BarMarker, IsOneLineOf160AndTodaysMonthDayYear)
{
    EXPECT_EQ(bar::MarkerLine({2026, 12, 6}), "160 12 6 2026");
    EXPECT_EQ(bar::MarkerLine({2000, 1, 1}), "160 1 1 2000");
}

TEST(BarMenuEntry, StartsTheLauncherFromItsFolderWithItsIcon)
{
    EXPECT_EQ(bar::MenuEntry("/opt/mystorin/bin/bar", "/home/ann/.local/share/Mystorin/bar.png"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Zendary\n"
              "Comment=Numerology and astrology readings for entertainment\n"
              "Exec=\"/opt/mystorin/bin/bar\"\n"
              "Path=/opt/mystorin/bin\n"
              "Icon=/home/ann/.local/share/Mystorin/bar.png\n"
              "Terminal=false\n"
              "Categories=Game;Amusement;\n");
    const std::string withoutIcon = bar::MenuEntry("/opt/mystorin/bin/bar", "");
    EXPECT_EQ(withoutIcon.find("Icon="), std::string::npos);
}

TEST(BarMenuEntry, QuotesPathsSoTheDesktopStartsExactlyThatFile)
{
    EXPECT_EQ(bar::ExecArgument("/my apps/bar"), "\"/my apps/bar\"");
    // `$`, `"` and `\` get a backslash, `%` is doubled, then every backslash is doubled
    // again for the file's own string escapes.
    EXPECT_EQ(bar::ExecArgument("/a$b\"c\\d%e"), "\"/a\\\\$b\\\\\"c\\\\\\\\d%%e\"");
    EXPECT_EQ(bar::ExecArgument("/x`y"), "\"/x\\\\`y\"");
    // A line break in a folder name cannot end the key.
    const std::string entry = bar::MenuEntry("/odd\nname/bar", "");
    EXPECT_NE(entry.find("Path=/odd\\nname\n"), std::string::npos);
}

TEST_F(BarFirstRun, WritesMarkerIconAndEntryOnceAndShowsTheNoticeOnce)
{
    bar::FirstRunIfNeeded(services, installation);
    EXPECT_EQ(read(paths.data("zdr.ini")), "160 12 6 2026");
    EXPECT_EQ(read(paths.data("bar.png")), "PNG-BYTES");
    EXPECT_EQ(read(entryPath()), bar::MenuEntry("/opt/mystorin/bin/bar", paths.data("bar.png")));
    EXPECT_EQ(ui.captions, std::vector<std::string>{"ZENDARY"});

    QFile::remove(QString::fromStdString(entryPath()));
    bar::FirstRunIfNeeded(services, installation);
    EXPECT_EQ(ui.captions.size(), 1u);
    EXPECT_EQ(read(entryPath()), "<missing>");
}

TEST_F(BarFirstRun, ReplacesAnOlderEntry)
{
    shell::makeFolder(paths.applicationsDir());
    ASSERT_TRUE(shell::writeFileAtomically(entryPath(), "[Desktop Entry]\nExec=/old/bar\n"));
    bar::FirstRunIfNeeded(services, installation);
    EXPECT_EQ(read(entryPath()).find("/old/bar"), std::string::npos);
}
