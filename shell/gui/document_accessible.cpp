#include "shell/gui/document_accessible.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "shell/gui/accessible_children.h"
#include "shell/gui/decoration.h"

namespace shell {

namespace {

constexpr const char* kDocumentProperty = "mystorinDocument";

// A heading or a link of the document, by its place in the text.
struct DocumentPart {
    QAccessible::Role role;
    QString text;
    int start, end;
};

std::vector<DocumentPart> partsOf(const QTextDocument& document)
{
    std::vector<DocumentPart> parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && !block.text().trimmed().isEmpty()) {
            parts.push_back({QAccessible::Heading, block.text().trimmed(), block.position(),
                             block.position() + block.length() - 1});
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (!piece.isValid() || !piece.charFormat().isAnchor() || piece.charFormat().anchorHref().isEmpty())
                continue;
            // A link cut into pieces by its formats is one link.
            if (!parts.empty() && parts.back().role == QAccessible::Link && parts.back().end == piece.position()) {
                parts.back().text += piece.text();
                parts.back().end += piece.length();
            } else {
                parts.push_back({QAccessible::Link, piece.text(), piece.position(), piece.position() + piece.length()});
            }
        }
    }
    return parts;
}

QTextCursor spanning(QTextDocument* document, int start, int end)
{
    QTextCursor cursor(document);
    const int last = document->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    return cursor;
}

// Where a stretch of the text lies on the screen.
QRect screenRect(QTextBrowser* browser, int start, int end)
{
    QTextCursor from = spanning(browser->document(), start, start), to = spanning(browser->document(), end, end);
    QRect area = browser->cursorRect(from).united(browser->cursorRect(to));
    if (area.width() < 2)
        area.setWidth(browser->fontMetrics().averageCharWidth());
    return area.translated(browser->viewport()->mapToGlobal(QPoint(0, 0)));
}

class DocumentPartAccessible : public AccessiblePart, public QAccessibleActionInterface {
public:
    DocumentPartAccessible(QTextBrowser* browser, int index) : AccessiblePart(browser, index) {}

    bool isValid() const override { return browser() && index() < int(partsOf(*browser()->document()).size()); }
    QAccessible::Role role() const override { return part().role; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? part().text : QString(); }
    QRect rect() const override
    {
        const DocumentPart p = part();
        return browser() ? screenRect(browser(), p.start, p.end) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = part().role == QAccessible::Link;
        state.linked = part().role == QAccessible::Link;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && part().role == QAccessible::Link
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    // A link is followed as the keyboard follows it: chosen with the cursor, then Enter.
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !browser())
            return;
        const DocumentPart p = part();
        browser()->setFocus();
        browser()->setTextCursor(spanning(browser()->document(), p.start, p.end));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(browser(), &enter);
    }

private:
    DocumentPart part() const
    {
        if (!browser())
            return {QAccessible::NoRole, {}, 0, 0};
        const auto parts = partsOf(*browser()->document());
        return index() < int(parts.size()) ? parts[index()] : DocumentPart{QAccessible::NoRole, {}, 0, 0};
    }

    QTextBrowser* browser() const { return static_cast<QTextBrowser*>(view()); }
};

class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextBrowser* browser) : QAccessibleWidget(browser, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = browser()->isReadOnly();
        state.multiLine = true;
        state.focusable = true;
        return state;
    }

    // The headings and links, in the order of the text.
    int childCount() const override { return int(partsOf(*browser()->document()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        return children_.at(index, childCount(), [this](int i) { return new DocumentPartAccessible(browser(), i); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return children_.indexOf(child, childCount());
    }
    QAccessibleInterface* childAt(int x, int y) const override { return childAtPoint(*this, x, y); }

    // The text, as any text view gives it.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && cursor.hasSelection()) {
            *startOffset = cursor.selectionStart();
            *endOffset = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.clearSelection();
        browser()->setTextCursor(cursor);
    }
    void setSelection(int, int startOffset, int endOffset) override
    {
        browser()->setTextCursor(spanning(browser()->document(), startOffset, endOffset));
    }
    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        browser()->setTextCursor(spanning(browser()->document(), position, position));
    }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    QString text(int startOffset, int endOffset) const override
    {
        return spanning(browser()->document(), startOffset, endOffset)
            .selectedText()
            .replace(QChar::ParagraphSeparator, '\n')
            .replace(QChar::LineSeparator, '\n');
    }
    int characterCount() const override { return browser()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override { return screenRect(browser(), offset, offset + 1); }
    int offsetAtPoint(const QPoint& point) const override
    {
        return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        browser()->setTextCursor(spanning(browser()->document(), startIndex, endIndex));
        browser()->ensureCursorVisible();
    }
    // The look of the text at `offset`, as text views report it: a heading is large and bold.
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        const QTextBlock block = browser()->document()->findBlock(offset);
        if (!block.isValid())
            return {};
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (offset < piece.position() || offset >= piece.position() + piece.length())
                continue;
            *startOffset = piece.position();
            *endOffset = piece.position() + piece.length();
            const QTextCharFormat format = piece.charFormat();
            const QFont font = format.font();
            QString attributes = QString("font-family:\"%1\";font-size:%2pt;font-weight:%3;font-style:%4;")
                                     .arg(font.family())
                                     .arg(font.pointSizeF() > 0 ? font.pointSizeF() : browser()->font().pointSizeF())
                                     .arg(font.bold() ? "bold" : "normal", font.italic() ? "italic" : "normal");
            if (const int level = block.blockFormat().headingLevel(); level > 0)
                attributes += QString("heading-level:%1;").arg(level);
            if (format.isAnchor())
                attributes += "link:" + format.anchorHref().replace(';', "%3B") + ";";
            return attributes;
        }
        return {};
    }

private:
    QTextBrowser* browser() const { return static_cast<QTextBrowser*>(widget()); }

    mutable AccessibleChildren children_;
};

QAccessibleInterface* documentFactory(const QString&, QObject* object)
{
    auto* browser = qobject_cast<QTextBrowser*>(object);
    return browser && browser->property(kDocumentProperty).toBool() ? new DocumentAccessible(browser) : nullptr;
}

}  // namespace

void exposeDocument(QTextBrowser* browser)
{
    static const bool installed = [] {
        QAccessible::installFactory(documentFactory);
        return true;
    }();
    (void)installed;
    browser->setProperty(kDocumentProperty, true);
    forgetAccessible(browser);
}

}  // namespace shell
