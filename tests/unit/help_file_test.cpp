#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include <filesystem>
#include <fstream>

#include "shell/help_file.h"

namespace help_file_test {

namespace fs = std::filesystem;

fs::path helpFolder()
{
    const fs::path dir = test_support::tempPath("mystorin_help_file");
    fs::remove_all(dir);
    fs::create_directories(dir / "help");
    return dir;
}

TEST(HelpFile, ALongWordGetsBreaksButTagsAndEntitiesStayWhole)
{
    const fs::path dir = helpFolder();
    const std::string word(450, 'x'), tag = "<IMG SRC=\"" + std::string(300, 'a') + ".png\">";
    std::ofstream(dir / "help/Zdr.hlp") << tag << word << " " << std::string(199, 'y') << "&amp;"
                                        << " ok";
    const auto html = shell::readHelpFile(QString::fromStdString((dir / "help/Zdr.hlp").string()));
    ASSERT_TRUE(html);
    const QString zwsp(QChar(0x200B));
    EXPECT_TRUE(html->startsWith(QString::fromStdString(tag + std::string(200, 'x')) + zwsp));
    EXPECT_EQ(html->count(zwsp), 3);  // after 200 and 400 x, and after the entity in which the y word reaches 200
    EXPECT_TRUE(html->contains("&amp;" + zwsp + " ok"));
    EXPECT_FALSE(shell::readHelpFile(QString::fromStdString((dir / "help/missing.hlp").string())));
}

TEST(HelpFile, ResourcesComeOnlyFromTheHelpFolder)
{
    const fs::path dir = helpFolder();
    const QString folder = QString::fromStdString((dir / "help").string());
    std::ofstream(dir / "help/a.png") << "png";
    std::ofstream(dir / "outside.png") << "out";
    fs::create_symlink("/dev/zero", dir / "help/zero.png");
    fs::create_symlink("../outside.png", dir / "help/link.png");
    EXPECT_EQ(shell::helpResource(folder, QUrl("a.png")), QByteArray("png"));
    EXPECT_EQ(shell::helpResource(folder, QUrl::fromLocalFile(folder + "/a.png")), QByteArray("png"));
    for (const char* name : {"../outside.png", "zero.png", "link.png", "/dev/zero", "file:///dev/zero",
                             "http://example.com/a.png", "qrc:/a.png", "missing.png"})
        EXPECT_FALSE(shell::helpResource(folder, QUrl(name))) << name;
}

}  // namespace help_file_test
