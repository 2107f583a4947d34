// What the viewer and the help window lay out: line ends, long words and lines, the cut
// and its note, and markup too deep or too large flattened to plain text.
#include <gtest/gtest.h>

#include "shell/shown_document.h"

namespace shown_document_test {

using namespace shell;

const QChar kZwsp(0x200B);

QString repeated(const QString& piece, int times)
{
    return piece.repeated(times);
}

QString nested(const QString& open, const QString& close, int depth)
{
    return "<html><body>" + repeated(open, depth) + "x" + repeated(close, depth) + "</body></html>";
}

TEST(ShownPlainText, LineEndsOfEveryKindAreLineFeeds)
{
    EXPECT_EQ(shownPlainText("a\rb\r\nc\nd\r").text, "a\nb\nc\nd\n");
    EXPECT_EQ(shownPlainText("\r\r\n\n").text, "\n\n\n");
    const ShownDocument ours = shownPlainText("Ballora Report For: anna lee\n\tLUCKY 1 2 3\n");
    EXPECT_EQ(ours.text, "Ballora Report For: anna lee\n\tLUCKY 1 2 3\n");
    EXPECT_FALSE(ours.html);
}

TEST(ShownPlainText, LongWordsAndLinesAreBroken)
{
    const QString word = shownPlainText(QString(450, u'x')).text;
    EXPECT_EQ(word, QString(200, u'x') + kZwsp + QString(200, u'x') + kZwsp + QString(50, u'x'));
    // A line of short words gets a line break after kLongestLine characters.
    const QString line = shownPlainText(repeated("ab ", 3000)).text;
    EXPECT_EQ(line.indexOf(u'\n'), kLongestLine);
    EXPECT_EQ(line.count(u'\n'), 2);
    EXPECT_EQ(QString(line).remove(u'\n'), repeated("ab ", 3000));
    // A character beyond the first 65536 is never split.
    const QString pairs = shownPlainText(repeated(QString::fromUtf8("\U0001F600"), 150)).text;
    for (qsizetype i = 0; i < pairs.size(); ++i)
        if (pairs[i] == kZwsp) {
            EXPECT_FALSE(pairs[i - 1].isHighSurrogate());
        }
}

TEST(ShownPlainText, ALongTextIsCutWithANote)
{
    const ShownDocument cut = shownPlainText(repeated("line\n", 100000));
    EXPECT_TRUE(cut.text.endsWith("\n\n" + cutNote()));
    EXPECT_EQ(cut.text.size(), kShownCharacters + 2 + cutNote().size());
    EXPECT_TRUE(shownPlainText("short", true).text.endsWith(cutNote()));
    EXPECT_FALSE(shownPlainText("short").text.contains(cutNote()));
}

TEST(ShownHtml, PagesLikeOursPassUnchanged)
{
    const QString page =
        "<HTML><HEAD><TITLE>Help</TITLE></HEAD><BODY><H1>Zendary</H1><P>Text<P>More<BR><IMG SRC=\"a.png\">"
        "<TABLE><TR><TD>1<TD>2<TR><TD>3</TABLE><UL><LI>one<LI>two</UL><!-- a <b> comment -->"
        "<SCRIPT>if (a < b) x();</SCRIPT></BODY></HTML>";
    const ShownDocument shown = shownHtml(page);
    EXPECT_TRUE(shown.html);
    EXPECT_EQ(shown.text, page);
    // Unclosed paragraphs, items and cells end one another, as HTML has it.
    EXPECT_TRUE(shownHtml(nested("<p>x", "", 5000)).html);
    EXPECT_TRUE(shownHtml(nested("<li>x", "", 5000)).html);
    EXPECT_TRUE(shownHtml(repeated("<tr><td>1<td>2", 900)).html);
}

TEST(ShownHtml, DeepOrLargeMarkupIsPlainTextUnderANote)
{
    const struct {
        QString page;
        bool flattened;
    } cases[] = {
        {nested("<table><tr><td>", "</td></tr></table>", kDeepestTables), false},
        {nested("<table><tr><td>", "</td></tr></table>", kDeepestTables + 1), true},
        {nested("<table><tr><td>", "", 5000), true},
        {nested("<div>", "</div>", 40), false},
        {nested("<div>", "</div>", 100000), true},
        {nested("<ul><li>", "</li></ul>", 50000), true},
        {nested("<b><i>", "</i></b>", 50000), true},
        {"<table>" + repeated("<tr>" + repeated("<td>1</td>", 40) + "</tr>", 50) + "</table>", false},
        {"<table>" + repeated("<tr>" + repeated("<td>1</td>", 300) + "</tr>", 300) + "</table>", true},
        // However the tags are hidden from the walk, the count of all of them still holds.
        {repeated("<table></table>", kMostTables), false},
        {repeated("<table></table>", kMostTables + 1), true},
        {repeated("<img src=\"a\"< table><tr><td>", 20), true},
        {repeated("<td>", kMostTableCells + 1), true},
        {repeated("<p>x", kMostTags + 1), true},
    };
    for (const auto& c : cases) {
        const ShownDocument shown = shownHtml(c.page);
        EXPECT_EQ(!shown.html, c.flattened) << c.page.left(60).toStdString();
        if (c.flattened) {
            EXPECT_TRUE(shown.text.startsWith(flattenedNote() + "\n\n"));
        }
    }
}

TEST(ShownHtml, ALongPageIsCutWithANoteOutsideAnyTagOrComment)
{
    const QString words = repeated("word ", int(kShownCharacters / 5) + 10);
    const QString note = "<hr><p><i>" + cutNote().toHtmlEscaped() + "</i></p>";
    EXPECT_TRUE(shownHtml("<p>" + words).text.endsWith(words.left(kShownCharacters - 3) + note));
    // Cut inside a comment, a tag or a style: the unfinished piece is left out.
    for (const char* unfinished : {"<!-- ", "<img alt=\"", "<style>"})
        EXPECT_EQ(shownHtml("<p>" + words.left(100) + unfinished + words).text, "<p>" + words.left(100) + note);
    EXPECT_TRUE(shownHtml("<p>ok</p>", true).text.endsWith(note));
}

TEST(ShownHtml, LongWordsBreakOutsideTagsAndEntities)
{
    const QString tag = "<IMG SRC=\"" + QString(300, u'a') + ".png\">";
    const QString shown = shownHtml(tag + QString(450, u'x') + " ok").text;
    EXPECT_TRUE(shown.startsWith(tag + QString(200, u'x') + kZwsp));
    EXPECT_EQ(shown.count(kZwsp), 2);
    // Breaking twice adds nothing: a break already there counts.
    EXPECT_EQ(withBreakableWords(shown), shown);
}

}  // namespace shown_document_test
