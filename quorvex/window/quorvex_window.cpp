#include "quorvex/window/quorvex_window.h"

#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace quorvex {

using shell::Field;

QuorvexWindow::QuorvexWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Quorvex 2000", "Quorvex 2000",
                             "Quorvex 2000\nCopyright (C) 2000-2026 Mystorin. For entertainment purposes only."}),
    core_(services)
{
    PortfolioItem& i = core_.item;
    fields_ = {
        Field::text(1005, i.security, kNameLength),       Field::text(1006, i.type, kChoiceLength),
        Field::text(1007, i.exchange, kChoiceLength),     Field::number(1008, i.price, 1, 300),
        Field::number(1009, i.shares, 1, 5000),           Field::text(1010, i.investor, kNameLength),
        Field::number(1013, i.birthday.month, 1, 12),     Field::number(1014, i.birthday.day, 1, 31),
        Field::number(1015, i.birthday.year, 1900, 2099), Field::text(1011, i.status, kChoiceLength),
        Field::text(1012, i.account, kChoiceLength),      Field::text(1016, i.broker, kNameLength),
        Field::text(1017, i.action, kActionLength),       Field::number(1018, i.selected.month, 1, 12),
        Field::number(1019, i.selected.day, 1, 31),       Field::number(1020, i.selected.year, 1900, 2099),
    };

    setWindowTitle("Quorvex 2000");
    setWindowIcon(shell::programIcon('Q', QColor(30, 110, 60)));
    setMaximiseGeometry({100, 100, 519, 386});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();

    list_ = qobject_cast<QListWidget*>(shell::control(*this, kListId));
    list_->installEventFilter(this);
    // A choice of the user's is a change of selection: moving to the list only makes its
    // first entry current, which opens nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = list_->selectedItems();
        if (!chosen.isEmpty())
            openEntry(list_->row(chosen.first()));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openEntry(list_->row(item)); });
    showNames();
    for (int id : {kHelpId, kAddId, kDeleteId, kSaveId, kOddsId, kClearId}) {
        auto* button = qobject_cast<QPushButton*>(shell::control(*this, id));
        connect(button, &QPushButton::clicked, this, [this, id] { onButton(id); });
    }
}

void QuorvexWindow::readFields()
{
    // A bad number has been prompted for; the button goes on with the record as it is.
    shell::readControls(*this, fields_, core_.ui, kCaption);
}

void QuorvexWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void QuorvexWindow::onButton(int id)
{
    if (id == kHelpId)
        return helpRequested();
    readFields();
    bool refresh = false;
    switch (id) {
    case kAddId: refresh = core_.Add(); break;
    case kSaveId: refresh = core_.Save(); break;
    case kDeleteId: refresh = core_.Delete(); break;
    case kOddsId: refresh = core_.Odds(); break;
    case kClearId:
        core_.Clear();
        refresh = true;
        break;
    }
    if (refresh)
        writeFields();
    if (id == kAddId || id == kDeleteId)
        showNames();
}

void QuorvexWindow::showNames()
{
    // Refilling is not a choice of the user's: it opens no item.
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const std::string& name : core_.names)
        list_->addItem(QString::fromStdString(name));
}

void QuorvexWindow::openEntry(int row)
{
    if (row < 0 || list_->count() == 0)
        return;
    if (core_.Open(list_->item(row)->text().toStdString()))
        writeFields();
}

bool QuorvexWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The list shows Portfolio.ini afresh whenever the user moves to it; coming back
    // from a message box or a menu is not such a move and keeps the selection.
    if (watched == list_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            core_.ReloadNames();
            showNames();
        }
    }
    return ProgramDialog::eventFilter(watched, event);
}

void QuorvexWindow::accept()
{
    helpRequested();
}

void QuorvexWindow::helpRequested()
{
    core_.Help();
}

}  // namespace quorvex
