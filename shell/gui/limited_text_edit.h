#pragma once
#include <QPlainTextEdit>

namespace shell {

// A multi-line edit that, like a single-line one, refuses text beyond its limit.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget* parent = nullptr);
    void setMaxLength(int length);
    int maxLength() const { return maxLength_; }
    // Replaces the text with what fits: a long text is cut before it is laid out, since
    // laying it out whole first takes seconds.
    void setLimitedText(const QString& text);

protected:
    // A paste (Ctrl+V, a drop) is cut to the room left before it is inserted.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void enforce();
    int maxLength_ = 0;  // 0: no limit
    bool enforcing_ = false;
};

}  // namespace shell
