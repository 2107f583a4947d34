#include "bar/window/bar_window.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "bar/launcher_actions.h"
#include "bar/window/launcher_table.h"
#include "bar/window/pictures.h"

namespace bar {

BarWindow::BarWindow(shell::Services& services) : ProgramDialog(services, {})
{
    setWindowTitle("  Discover all the secrets to your past, present and future today...");
    setMaximiseGeometry({150, 150, 422, 202});
    buildLayout();
}

void BarWindow::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 6);
    outer->setSpacing(6);
    outer->addWidget(new SkyPicture(7, true, this));

    auto* columns = new QGridLayout;
    columns->setContentsMargins(8, 0, 8, 0);
    columns->setHorizontalSpacing(8);
    columns->setVerticalSpacing(3);
    const auto table = LauncherButtonTable();
    const int perColumn = int(table.size() + 1) / 2;
    for (int i = 0; i < int(table.size()); ++i) {
        const LauncherButton& row = table[i];
        QPushButton* button = shell::makeButton(this, row.id, row.caption, row.tooltip, "");
        // As in any dialog, Enter presses the focused button, else the main program's.
        button->setAutoDefault(true);
        button->setDefault(row.isDefault);
        const std::string program = row.program;
        connect(button, &QPushButton::clicked, this, [this, program] { StartProgram(services(), program); });
        columns->addWidget(button, i % perColumn, i < perColumn ? 0 : 2);
    }
    columns->addWidget(new CrystalBallPicture(this), 0, 1, perColumn, 1);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(2, 1);
    outer->addLayout(columns);

    auto* below = new QHBoxLayout;
    below->setContentsMargins(8, 0, 8, 0);
    QPushButton* updates = shell::makeButton(this, kUpdatesId, "&Updates", "check our web site for updates", "");
    QPushButton* support = shell::makeButton(this, kSupportId, "&Support", "software support", "");
    // Enter on a focused Updates or Support presses it, not the main program's button.
    updates->setAutoDefault(true);
    support->setAutoDefault(true);
    connect(updates, &QPushButton::clicked, this, [this] { Updates(services()); });
    connect(support, &QPushButton::clicked, this, [this] { Support(services()); });
    below->addWidget(updates);
    below->addStretch();
    below->addWidget(support);
    outer->addLayout(below);
    outer->addWidget(new SkyPicture(23, false, this));
}

void BarWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Only a click on the window's own surface (pictures included) asks; a button keeps
    // its right-click to itself.
    if (event->reason() == QContextMenuEvent::Mouse && qobject_cast<QAbstractButton*>(childAt(event->pos()))) {
        event->ignore();
        return;
    }
    LearnMore(services().ui);
    ProgramDialog::contextMenuEvent(event);
}

}  // namespace bar
