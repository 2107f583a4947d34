#include "shell/gui/limited_text_edit.h"

#include <QMimeData>
#include <QTextCursor>

#include "shell/utf16_text.h"

namespace shell {

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::enforce);
}

void LimitedTextEdit::setMaxLength(int length)
{
    maxLength_ = length;
    enforce();
}

void LimitedTextEdit::setLimitedText(const QString& text)
{
    setPlainText(maxLength_ > 0 ? cutToUnits(text, maxLength_) : text);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (maxLength_ <= 0 || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QTextCursor cursor = textCursor();
    const int kept = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    QMimeData cut;
    cut.setText(cutToUnits(source->text(), std::max(0, maxLength_ - kept)));
    QPlainTextEdit::insertFromMimeData(&cut);
}

void LimitedTextEdit::enforce()
{
    if (enforcing_ || maxLength_ <= 0)
        return;
    const QString text = toPlainText();
    if (text.size() <= maxLength_)
        return;
    enforcing_ = true;
    // Keep what fits, as an edit does when typing or pasting runs past its limit.
    QTextCursor cursor = textCursor();
    const QString kept = cutToUnits(text, maxLength_);
    const int position = std::min<int>(cursor.position(), int(kept.size()));
    setPlainText(kept);
    cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    enforcing_ = false;
}

}  // namespace shell
