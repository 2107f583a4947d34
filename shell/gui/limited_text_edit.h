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

private:
    void enforce();
    int maxLength_ = 0;  // 0: no limit
    bool enforcing_ = false;
};

}  // namespace shell
