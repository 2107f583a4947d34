#include "shell/shown_document.h"

#include <QStringList>

#include "shell/bounded_read.h"

namespace shell {

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

bool isBreak(QChar c)
{
    return c.isSpace() || c == kZeroWidthSpace;
}

// The shape of a page's markup as Qt nests it, as far as the bounds need to know.
struct Shape {
    int depth = 0, tableDepth = 0, cells = 0;
    // Where a tag, comment, script or style starts that the page ends inside, else -1: a
    // note after a cut there would be part of it.
    qsizetype unfinishedAt = -1;
    bool tooLarge() const { return depth > kDeepestMarkup || tableDepth > kDeepestTables || cells > kMostTableCells; }
};

bool isVoid(const QString& tag)
{
    static const QStringList kVoid = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                      "input", "link", "meta", "param", "source", "track", "wbr"};
    return kVoid.contains(tag);
}

// The open elements that a new `tag` ends without their end tags, as HTML does.
bool endsImplicitly(const QString& tag, const QString& open)
{
    static const QStringList kClosesParagraph = {"p",          "div", "table", "ul", "ol", "dl", "pre",
                                                 "blockquote", "hr",  "h1",    "h2", "h3", "h4", "h5",
                                                 "h6",         "li",  "dt",    "dd", "tr", "td", "th"};
    if (open == "p")
        return kClosesParagraph.contains(tag);
    if (tag == "li")
        return open == "li";
    if (tag == "dt" || tag == "dd")
        return open == "dt" || open == "dd";
    if (tag == "tr")
        return open == "tr" || open == "td" || open == "th";
    if (tag == "td" || tag == "th")
        return open == "td" || open == "th";
    return tag == "option" && open == "option";
}

// The end of the tag that starts at `from` (one past its '>'), or -1 when the page ends first.
qsizetype tagEnd(const QString& html, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull())
            quote = c == quote ? QChar() : quote;
        else if (c == u'"' || c == u'\'')
            quote = c;
        else if (c == u'>')
            return i + 1;
    }
    return -1;
}

// Every tag a page opens, counted in its text alone, with no regard to comments, quotes
// or nesting: at least as many as any parser can make of it, so that a page that fools
// the walk below (a '<' inside a tag, say) is still bounded. Qt takes "< table" for a tag.
struct TagCounts {
    int tags = 0, tables = 0, cells = 0;
};

TagCounts countTags(const QString& html)
{
    TagCounts counts;
    for (qsizetype i = html.indexOf(u'<'); i >= 0; i = html.indexOf(u'<', i + 1)) {
        qsizetype start = i + 1;
        while (start < html.size() && html[start].isSpace())
            ++start;
        qsizetype end = start;
        while (end < html.size() && end - start < 6 && html[end].isLetter() && html[end].unicode() < 128)
            ++end;
        if (end == start)
            continue;
        const QString name = html.mid(start, end - start).toLower();
        ++counts.tags;
        counts.tables += name == "table" ? 1 : 0;
        counts.cells += name == "td" || name == "th" ? 1 : 0;
    }
    return counts;
}

// Walks the page's tags with a stack of open elements; stops as soon as a bound is passed.
Shape shapeOf(const QString& html)
{
    Shape shape;
    QStringList stack;
    int tables = 0;
    const auto pop = [&] {
        tables -= stack.last() == "table" ? 1 : 0;
        stack.removeLast();
    };
    qsizetype i = 0;
    while (i < html.size() && !shape.tooLarge()) {
        i = html.indexOf(u'<', i);
        if (i < 0)
            break;
        if (html.mid(i, 4) == "<!--") {
            const qsizetype end = html.indexOf("-->", i + 4);
            if (end < 0) {
                shape.unfinishedAt = i;
                break;
            }
            i = end + 3;
            continue;
        }
        const bool closing = html.mid(i + 1, 1) == "/";
        qsizetype nameEnd = i + (closing ? 2 : 1);
        while (nameEnd < html.size() && html[nameEnd].isLetterOrNumber() && html[nameEnd].unicode() < 128)
            ++nameEnd;
        const QString tag = html.mid(i + (closing ? 2 : 1), nameEnd - i - (closing ? 2 : 1)).toLower();
        const bool declaration = !closing && (html.mid(i + 1, 1) == "!" || html.mid(i + 1, 1) == "?");
        if (tag.isEmpty() && !declaration) {
            ++i;  // a '<' of the text
            continue;
        }
        const qsizetype end = tagEnd(html, nameEnd);
        if (end < 0) {
            shape.unfinishedAt = i;
            break;
        }
        const qsizetype start = i;
        i = end;
        if (declaration)
            continue;
        if (closing) {
            const qsizetype at = stack.lastIndexOf(tag);
            while (at >= 0 && stack.size() > at)
                pop();
            continue;
        }
        if (tag == "script" || tag == "style") {
            const qsizetype close = html.indexOf("</" + tag, i, Qt::CaseInsensitive);
            if (close < 0) {
                shape.unfinishedAt = start;
                break;
            }
            i = close;
            continue;
        }
        if (isVoid(tag) || html[end - 2] == u'/')
            continue;
        while (!stack.isEmpty() && endsImplicitly(tag, stack.last()))
            pop();
        stack.append(tag);
        tables += tag == "table" ? 1 : 0;
        shape.cells += tag == "td" || tag == "th" ? 1 : 0;
        shape.depth = std::max(shape.depth, int(stack.size()));
        shape.tableDepth = std::max(shape.tableDepth, tables);
    }
    return shape;
}

}  // namespace

QString cutNote()
{
    return "[The rest of this document is not shown: it is longer than this window shows.]";
}

QString flattenedNote()
{
    return "[This document is shown as plain text: its markup is nested deeper or its tables are larger than this "
           "window lays out.]";
}

QString withBreakableWords(const QString& html)
{
    QString out;
    out.reserve(html.size() + html.size() / kLongestWord);
    bool inTag = false, inEntity = false;
    int word = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        out += c;
        if (inTag) {
            inTag = c != u'>';
            continue;
        }
        if (c == u'<') {
            inTag = true;
            word = 0;
            continue;
        }
        inEntity = inEntity ? c != u';' : c == u'&';
        word = isBreak(c) ? 0 : word + 1;
        const bool breakFollows = i + 1 < html.size() && html[i + 1] == kZeroWidthSpace;
        if (word >= kLongestWord && !inEntity && !c.isHighSurrogate() && !breakFollows) {
            out += kZeroWidthSpace;
            word = 0;
        }
    }
    return out;
}

ShownDocument shownPlainText(QString text, bool cut)
{
    if (text.size() > kShownCharacters) {
        text.truncate(kShownCharacters);
        cut = true;
    }
    QString out;
    out.reserve(text.size() + text.size() / kLongestWord + 2);
    int word = 0, line = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                continue;
            c = u'\n';
        }
        if (c == u'\n') {
            out += c;
            word = line = 0;
            continue;
        }
        out += c;
        word = isBreak(c) ? 0 : word + 1;
        ++line;
        if (c.isHighSurrogate())
            continue;
        if (line >= kLongestLine) {
            out += u'\n';
            word = line = 0;
        } else if (word >= kLongestWord) {
            out += kZeroWidthSpace;
            word = 0;
        }
    }
    if (cut)
        out += "\n\n" + cutNote();
    return {out, false};
}

ShownDocument shownHtml(const QString& html, bool cut)
{
    QString page = html.size() > kShownCharacters ? html.left(kShownCharacters) : html;
    cut = cut || html.size() > kShownCharacters;
    const Shape shape = shapeOf(page);
    const TagCounts counts = countTags(page);
    if (shape.tooLarge() || counts.tables > kMostTables || counts.cells > kMostTableCells || counts.tags > kMostTags) {
        ShownDocument plain = shownPlainText(page, cut);
        plain.text.prepend(flattenedNote() + "\n\n");
        return plain;
    }
    if (cut && shape.unfinishedAt >= 0)
        page.truncate(shape.unfinishedAt);
    page = withBreakableWords(page);
    if (cut)
        page += "<hr><p><i>" + cutNote().toHtmlEscaped() + "</i></p>";
    return {page, true};
}

std::optional<ShownDocument> readShownDocument(const QString& file, bool html, qsizetype maxBytes)
{
    // One byte more than is shown tells whether the file goes on.
    const auto bytes = readFileHead(file.toStdString(), std::size_t(maxBytes) + 1);
    if (!bytes)
        return std::nullopt;
    const bool cut = qsizetype(bytes->size()) > maxBytes;
    const QString text = QString::fromUtf8(bytes->data(), std::min(qsizetype(bytes->size()), maxBytes));
    return html ? shownHtml(text, cut) : shownPlainText(text, cut);
}

}  // namespace shell
