#include "shell/gui/data_exchange.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/files.h"
#include "shell/gui/limited_text_edit.h"
#include "shell/utf16_text.h"

namespace shell {

QWidget* control(const QWidget& window, int id)
{
    return window.findChild<QWidget*>(QString::number(id));
}

std::vector<int> missingControls(const QWidget& window, std::span<const Field> fields)
{
    std::vector<int> missing;
    for (const Field& field : fields)
        if (!control(window, field.id))
            missing.push_back(field.id);
    return missing;
}

void limitLength(QLineEdit& edit, int length)
{
    edit.setMaxLength(length);
    if (edit.property("mystorinWholeCharacters").toBool())
        return;
    edit.setProperty("mystorinWholeCharacters", true);
    // The edit keeps what fits of a paste or a text set, counting units, and so may keep
    // half of a character at the limit: that half goes.
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit](const QString& text) {
        const QString whole = withoutBrokenPairs(text);
        if (whole.size() == text.size())
            return;
        const int cursor = std::min<int>(edit.cursorPosition(), int(whole.size()));
        edit.setText(whole);
        edit.setCursorPosition(cursor);
    });
}

void applyLimits(const QWidget& window, std::span<const Field> fields)
{
    for (const Field& field : fields) {
        if (!std::holds_alternative<std::string*>(field.target))
            continue;
        QWidget* widget = control(window, field.id);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            limitLength(*edit, field.max);
        else if (auto* text = qobject_cast<LimitedTextEdit*>(widget))
            text->setMaxLength(field.max);
    }
}

std::string controlText(const QWidget& widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentIndex() < 0 ? std::string() : combo->currentText().toStdString();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(&widget))
        return text->toPlainText().toStdString();
    return {};
}

void setControlText(QWidget& widget, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        edit->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(&widget))
        combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly));
    else if (auto* limited = qobject_cast<LimitedTextEdit*>(&widget))
        limited->setLimitedText(value);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(&widget))
        plain->setPlainText(value);
}

static bool readNumber(QWidget& widget, const Field& field, Ui& ui, const std::string& caption)
{
    bool ok = false;
    const int value = QString::fromStdString(controlText(widget)).trimmed().toInt(&ok, 10);
    if (ok && value >= field.min && value <= field.max) {
        *std::get<int*>(field.target) = value;
        return true;
    }
    ui.warn(caption,
            "Please enter an integer between " + std::to_string(field.min) + " and " + std::to_string(field.max) + ".");
    widget.setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        edit->selectAll();
    return false;
}

bool readControls(const QWidget& window, std::span<const Field> fields, Ui& ui, const std::string& caption)
{
    for (const Field& field : fields) {
        QWidget* widget = control(window, field.id);
        Q_ASSERT_X(widget, "readControls", "a field names a control the window does not have");
        if (!widget)
            continue;
        if (std::holds_alternative<int*>(field.target)) {
            if (!readNumber(*widget, field, ui, caption))
                return false;
        } else {
            // A single-line control's value goes into a line-based file, a list or a file
            // name: a pasted line break ends it there.
            std::string text = controlText(*widget);
            if (!qobject_cast<QPlainTextEdit*>(widget))
                text = oneLine(text);
            *std::get<std::string*>(field.target) = cutToUnits(QString::fromStdString(text), field.max).toStdString();
        }
    }
    return true;
}

void writeControls(const QWidget& window, std::span<const Field> fields)
{
    for (const Field& field : fields) {
        QWidget* widget = control(window, field.id);
        if (!widget)
            continue;
        if (const auto* number = std::get_if<int*>(&field.target))
            setControlText(*widget, std::to_string(**number));
        else
            setControlText(*widget, *std::get<std::string*>(field.target));
    }
}

}  // namespace shell
