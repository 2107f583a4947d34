// The launcher's first run: the marker line, the menu entry and its quoting, and what
// the first run leaves on disk.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "bar/first_run.h"
#include "tests/support/fake_services.h"
#include "shell/files.h"

namespace bar_test {

std::string read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

class BarFirstRun : public ::testing::Test, public FakeServices {
protected:
    void SetUp() override
    {
        paths.root = dir.path().toStdString();
        clock.time = {2026, 12, 6, 9, 30, 0};
    }
    // The first run's only box is a notice with the exclamation icon.
    void TearDown() override
    {
        for (const RecordedBox& box : ui.boxes)
            EXPECT_EQ(box.icon, shell::Icon::Exclamation);
    }
    std::string entryPath() const { return paths.applicationsDir() + "/mystorin-zendary.desktop"; }

    QTemporaryDir dir;
    const bar::Installation installation{"/opt/mystorin/bin/bar", "PNG-BYTES"};
};

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
              "TryExec=/opt/mystorin/bin/bar\n"
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
    EXPECT_EQ(ui.captions(), std::vector<std::string>{"ZENDARY"});

    QFile::remove(QString::fromStdString(entryPath()));
    bar::FirstRunIfNeeded(services, installation);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(read(entryPath()), "<missing>");
}

TEST_F(BarFirstRun, ReplacesAnOlderEntry)
{
    shell::makeFolder(paths.applicationsDir());
    ASSERT_TRUE(shell::writeFileAtomically(entryPath(), "[Desktop Entry]\nExec=/old/bar\n"));
    bar::FirstRunIfNeeded(services, installation);
    EXPECT_EQ(read(entryPath()).find("/old/bar"), std::string::npos);
}

TEST_F(BarFirstRun, AddsNoSecondEntryWhereTheSuitesOwnIsInstalled)
{
    bar::Installation installed = installation;
    installed.menuEntryInstalled = true;
    bar::FirstRunIfNeeded(services, installed);
    EXPECT_EQ(read(paths.data("zdr.ini")), "160 12 6 2026");
    EXPECT_EQ(ui.captions(), std::vector<std::string>{"ZENDARY"});
    EXPECT_EQ(read(entryPath()), "<missing>");
    EXPECT_EQ(read(paths.data("bar.png")), "<missing>");
}

TEST_F(BarFirstRun, TheNoticeNamesBothFoldersAndOnlyTheEntryThisRunAdded)
{
    bar::FirstRunIfNeeded(services, installation);
    ASSERT_EQ(ui.boxes.size(), 1u);
    const std::string& notice = ui.boxes[0].text;
    EXPECT_NE(notice.find("in the folder " + paths.dataDir() + " and each program's settings in the folder " +
                          paths.configDir() + ". This first run also added the menu entry " + entryPath() + "."),
              std::string::npos);
    EXPECT_NE(notice.find("To uninstall, delete both folders and the menu entry, then"), std::string::npos);

    // Installed: no entry is added, and the notice names none.
    QFile::remove(QString::fromStdString(paths.data("zdr.ini")));
    bar::Installation installed = installation;
    installed.menuEntryInstalled = true;
    bar::FirstRunIfNeeded(services, installed);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text.find("menu entry"), std::string::npos);
    EXPECT_NE(ui.boxes[1].text.find("To uninstall, delete both folders, then"), std::string::npos);
}

TEST_F(BarFirstRun, AnEntryFromABuildFolderSaysSoAndGoesOnceTheSuiteIsInstalled)
{
    bar::Installation fromBuild = installation;
    fromBuild.buildFolder = true;
    bar::FirstRunIfNeeded(services, fromBuild);
    EXPECT_NE(read(entryPath()).find("\nName=Mystorin (build folder)\n"), std::string::npos);

    // Later the suite is installed too: any start of the launcher (no first run now)
    // takes the added entry away, so the menu shows the installed one alone.
    bar::Installation installed = installation;
    installed.menuEntryInstalled = true;
    bar::FirstRunIfNeeded(services, installed);
    EXPECT_EQ(read(entryPath()), "<missing>");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

}  // namespace bar_test
