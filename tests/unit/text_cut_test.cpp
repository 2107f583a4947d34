#include <gtest/gtest.h>

#include "shell/utf16_text.h"
#include "shell/utf8_text.h"
#include "pair/pair_html.h"
#include "zendary/readings/report_html.h"

namespace text_cut_test {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units
const std::string kEuro = "\xE2\x82\xAC";                      // three UTF-8 bytes

TEST(Utf16Cut, NeverKeepsHalfAPair)
{
    const QString text = "abc" + kEmoji;
    EXPECT_EQ(shell::cutToUnits(text, 5), text);
    EXPECT_EQ(shell::cutToUnits(text, 4), "abc");  // the emoji would be halved
    EXPECT_EQ(shell::cutToUnits(text, 3), "abc");
    EXPECT_EQ(shell::cutToUnits(kEmoji + kEmoji, 3), kEmoji);
    EXPECT_EQ(shell::withoutBrokenPairs("ab" + kEmoji.left(1) + "c" + kEmoji.right(1) + kEmoji), "abc" + kEmoji);
}

TEST(Utf8Cut, PiecesAndCutsEndBetweenCharacters)
{
    const std::string text = "ab" + kEuro + "c";
    EXPECT_EQ(shell::cutToBytes(text, 4), "ab");
    EXPECT_EQ(shell::cutToBytes(text, 5), "ab" + kEuro);
    EXPECT_EQ(shell::pieceEnd(text, 0, 3), 2u);
    EXPECT_EQ(shell::pieceEnd(text, 2, 3), 5u);
    EXPECT_EQ(shell::afterCharacters(text, 0, 3), 5u);
    EXPECT_EQ(shell::afterCharacters(text, 1, 10), text.size());
    EXPECT_EQ(shell::cutToCharacters(text, 3), "ab" + kEuro);
}

TEST(DailyReportHtml, PiecesOf398CharactersKeepEveryCharacterWhole)
{
    std::string line(397, 'a');
    line += kEuro + "tail";
    const std::string html = zendary::reportHtml(line + "\n");
    EXPECT_NE(html.find(std::string(397, 'a') + kEuro + "<P>tail<P>"), std::string::npos);
}

TEST(PairReportHtml, AnOverlongFormOrASurrogateIsNoCharacter)
{
    const std::string replacement = "&#65533;";
    const std::string html = pairing::HtmlReport("a\xE0\x80\x8A"
                                                 "b\xED\xA0\x80");
    EXPECT_NE(html.find("<P>a" + replacement + replacement + replacement + "b" + replacement + replacement +
                        replacement + "<P>"),
              std::string::npos);
    EXPECT_NE(pairing::HtmlReport("\xE2\x82\xAC").find("<P>&#8364;<P>"), std::string::npos);
}

}  // namespace text_cut_test
