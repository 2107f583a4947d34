// What the report viewer and the help window lay out: any document, cut down to what a
// window lays out in well under a second. Our own reports and help pages pass unchanged;
// a document far larger or deeper than they ever are is cut, broken or flattened, with a
// note saying so. Qt Core only.
#pragma once
#include <optional>

#include <QString>

namespace shell {

// The most characters laid out; a report is a few KB.
inline constexpr qsizetype kShownCharacters = qsizetype{256} * 1024;
// A word gets a chance to break (an invisible zero-width space) after this many
// characters, a line a line break: laying out a word grows with the square of its length.
inline constexpr int kLongestWord = 200;
inline constexpr int kLongestLine = 4000;
// Markup nested deeper, tables nested deeper or holding more cells than this is not laid
// out as markup: the layout grows with the depth (twice the time per table level) and
// with the cells. Our own pages stay far below.
inline constexpr int kDeepestMarkup = 48;
inline constexpr int kDeepestTables = 6;
inline constexpr int kMostTableCells = 2000;
// However a page nests them, it may not open more tables or tags than this in all.
inline constexpr int kMostTables = 12;
inline constexpr int kMostTags = 20000;

struct ShownDocument {
    QString text;
    bool html = false;
};

// The note at the end of a document that was cut.
QString cutNote();
// The note above a page whose markup is shown as plain text.
QString flattenedNote();

// An HTML page with a zero-width space after every kLongestWord characters of a word;
// tags and entities stay whole. A zero-width space already there counts as a break.
QString withBreakableWords(const QString& html);

// A plain text: CR LF and lone CR read as line ends, long words and lines broken, at most
// kShownCharacters; `cut` (or a longer text) adds cutNote() at the end.
ShownDocument shownPlainText(QString text, bool cut = false);

// An HTML page: long words broken, at most kShownCharacters, with cutNote() where it was
// cut; markup deeper or tables larger than the bounds above make it plain text instead,
// under flattenedNote().
ShownDocument shownHtml(const QString& html, bool cut = false);

// A regular file read as a window shows it (at most `maxBytes` of it); none when it is no
// regular file or cannot be read.
std::optional<ShownDocument> readShownDocument(const QString& file, bool html, qsizetype maxBytes);

}  // namespace shell
