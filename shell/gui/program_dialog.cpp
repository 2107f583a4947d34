#include "shell/gui/program_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "shell/gui/data_exchange.h"
#include "shell/gui/document_viewer.h"
#include "shell/gui/menu_keys.h"

namespace shell {

ProgramDialog::ProgramDialog(Services& services, AboutSpec about, QWidget* parent) :
    QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint),
    services_(services),
    about_(std::move(about))
{
    setFont(windowFont());
    installMenuKeys();
}

void ProgramDialog::showAbout()
{
    services_.ui.info(about_.caption.toStdString(), about_.text.toStdString());
}

void ProgramDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Maximising does not fill the screen: the window goes to a fixed place and size.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            setGeometry(maximiseGeometry_);
        });
    }
}

void ProgramDialog::addMenuEntry(const QString& text, std::function<void()> action)
{
    menuEntries_.push_back({text, std::move(action)});
}

void ProgramDialog::addPrintReportEntry()
{
    addMenuEntry("&Print Report...", [this] { showLastReport(services_, this); });
}

QStringList ProgramDialog::menuEntryTexts() const
{
    QStringList texts;
    if (!about_.menuEntry.isEmpty())
        texts << about_.menuEntry;
    for (const MenuEntry& entry : menuEntries_)
        texts << entry.text;
    return texts;
}

void ProgramDialog::showContextMenu(const QPoint& globalPos, QMenu* own)
{
    std::unique_ptr<QMenu> menu(own ? own : new QMenu(this));
    if (own && !menuEntryTexts().isEmpty())
        menu->addSeparator();
    std::vector<std::pair<QAction*, std::function<void()>>> choices;
    if (!about_.menuEntry.isEmpty())
        choices.emplace_back(menu->addAction(about_.menuEntry), [this] { showAbout(); });
    for (const MenuEntry& entry : menuEntries_)
        choices.emplace_back(menu->addAction(entry.text), entry.action);
    // The chosen entry runs once the menu has closed, not inside its event loop.
    QAction* chosen = menu->exec(globalPos);
    std::function<void()> run;
    for (const auto& [action, entryRun] : choices)
        if (action == chosen)
            run = entryRun;
    menu.reset();
    if (run)
        run();
}

void ProgramDialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (menuEntryTexts().isEmpty())
        return QDialog::contextMenuEvent(event);
    showContextMenu(event->globalPos());
}

void ProgramDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Help) {
        helpRequested();
        return;
    }
    // Enter presses the focused button, as in any dialog; only elsewhere does it run the
    // window's default action (the default button, or accept()).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void setWidthForDigits(QWidget* field, int digits, int margin)
{
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(digits, '0')) + margin);
}

void nameControl(QWidget* widget, const QString& name)
{
    // The tooltip stays what it is: Qt reads it as the control's description.
    if (!name.isEmpty())
        widget->setAccessibleName(name);
}

static void identify(QWidget* widget, int id, const QString& tooltip, const QString& name)
{
    widget->setObjectName(QString::number(id));
    if (!tooltip.isEmpty())
        widget->setToolTip(tooltip);
    nameControl(widget, name);
}

QPushButton* makeButton(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name)
{
    auto* button = new QPushButton(caption, parent);
    identify(button, id, tooltip, name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeEdit(QWidget* parent, int id, const QString& tooltip, const QString& name, int maxLength)
{
    Q_ASSERT_X(!name.isEmpty(), "makeEdit", "an edit has no caption of its own to be read by");
    auto* edit = new QLineEdit(parent);
    identify(edit, id, tooltip, name);
    if (maxLength > 0)
        limitLength(*edit, maxLength);
    return edit;
}

QComboBox* makeDropDown(QWidget* parent, int id, const QString& tooltip, const QString& name, const QStringList& items)
{
    Q_ASSERT_X(!name.isEmpty(), "makeDropDown", "a drop-down list has no caption of its own to be read by");
    auto* combo = new QComboBox(parent);
    identify(combo, id, tooltip, name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QCheckBox* makeCheck(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name)
{
    auto* check = new QCheckBox(caption, parent);
    identify(check, id, tooltip, name);
    return check;
}

QRadioButton* makeRadio(QWidget* parent, int id, const QString& caption, const QString& tooltip, const QString& name)
{
    auto* radio = new QRadioButton(caption, parent);
    identify(radio, id, tooltip, name);
    return radio;
}

QLabel* makeLabel(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QStringList listItems(std::span<const char* const> texts)
{
    QStringList items;
    for (const char* text : texts)
        items << QString::fromUtf8(text);
    return items;
}

QStringList listItems(const std::vector<std::string>& texts)
{
    QStringList items;
    for (const std::string& text : texts)
        items << QString::fromStdString(text);
    return items;
}

namespace {

class StarIconEngine : public QIconEngine {
public:
    StarIconEngine(QChar letter, QColor colour) : letter_(letter), colour_(colour) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect).adjusted(1, 1, -1, -1);
        QRadialGradient glow(r.center(), r.width() / 2);
        glow.setColorAt(0, colour_.lighter(160));
        glow.setColorAt(1, colour_.darker(140));
        painter->setBrush(glow);
        painter->setPen(QPen(colour_.darker(200), std::max(1.0, r.width() / 32)));
        painter->drawEllipse(r);
        QFont font("Liberation Serif");
        font.setBold(true);
        font.setPixelSize(std::max(6, int(r.height() * 0.62)));
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(r, Qt::AlignCenter, QString(letter_));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new StarIconEngine(letter_, colour_); }

private:
    QChar letter_;
    QColor colour_;
};

}  // namespace

QIcon programIcon(QChar letter, QColor colour)
{
    return QIcon(new StarIconEngine(letter, colour));
}

QFont windowFont(int pointSize)
{
    QFont font("Liberation Serif", pointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace shell
