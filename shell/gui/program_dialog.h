// The base of every program's main window: the About entry, the maximise rule, F1 as a
// help request, the program icon, and small builders for controls known by numeric id.
#pragma once
#include <QDialog>
#include <QRect>
#include <QStringList>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shell/seams.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace shell {

struct AboutSpec {
    QString menuEntry;  // "&About Zendary 2000"
    QString caption;    // "COPYRIGHT"
    QString text;       // "Zendary 2000\n" and the copyright line
};

class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    ProgramDialog(Services& services, AboutSpec about, QWidget* parent = nullptr);

    Services& services() const { return services_; }
    void showAbout();

    // Where a maximised window goes instead of filling the screen; each program has its own.
    void setMaximiseGeometry(const QRect& geometry) { maximiseGeometry_ = geometry; }

    // Adds an entry below About to the window's context menu.
    void addMenuEntry(const QString& text, std::function<void()> action);
    // "&Print Report...": shows this run's last report in the viewer that prints it.
    void addPrintReportEntry();
    // The texts of the context menu's entries, About first; empty when the window has none.
    QStringList menuEntryTexts() const;
    // The context menu at `globalPos`. A control's own menu (`own`, taken over) keeps its
    // entries and gets the window's below them.
    void showContextMenu(const QPoint& globalPos, QMenu* own = nullptr);

protected:
    // F1 and the help key land here; the default does nothing.
    virtual void helpRequested() {}

    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Services& services_;
    AboutSpec about_;
    struct MenuEntry {
        QString text;
        std::function<void()> action;
    };
    std::vector<MenuEntry> menuEntries_;
    QRect maximiseGeometry_{100, 100, 523, 501};
};

// Builders: each control gets its numeric id as object name, its tooltip (read as its
// description) and the name a screen reader reads for it, which says what the control holds
// or does without the picture around it ("Mother's birthday: year", "Lucky numbers"). A
// button, check or radio whose caption already says that passes an empty name.
QPushButton* makeButton(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name);
QLineEdit* makeEdit(QWidget* parent, int id, const QString& tooltip, const QString& name, int maxLength = 0);
QComboBox* makeDropDown(QWidget* parent, int id, const QString& tooltip, const QString& name,
                        const QStringList& items = {});
QCheckBox* makeCheck(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name);
QRadioButton* makeRadio(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name);

// Gives a control built elsewhere the name a screen reader reads.
void nameControl(QWidget* widget, const QString& name);

// Sizes a number field to hold `digits` digits of its own font, plus `margin` pixels for its
// frame, so that it keeps its proportions at any font size and scale.
void setWidthForDigits(QWidget* field, int digits, int margin);

// A label whose mnemonic moves the focus to `buddy`.
QLabel* makeLabel(QWidget* parent, const QString& text, QWidget* buddy);

// The items of a drop-down list from a table of texts.
QStringList listItems(std::span<const char* const> texts);
QStringList listItems(const std::vector<std::string>& texts);

// The suite's program icon, drawn at every size so that it stays sharp.
QIcon programIcon(QChar letter, QColor colour);

// The font of the suite's windows (Liberation Serif, the metric twin of Times New Roman).
QFont windowFont(int pointSize = 9);

}  // namespace shell
