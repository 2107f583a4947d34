#include "quorvex/window/quorvex_window.h"

#include <QFocusEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace quorvex {

using shell::Field;

QuorvexWindow::QuorvexWindow(shell::Services& services) :
    RecordWindow(services,
                 {QString("&About ") + kProgramTitle, kProgramTitle, QString(kProgramTitle) + "\n" + kCopyrightLine},
                 kCaption)
{
    PortfolioItem& i = core_.item;
    setWindowTitle(kProgramTitle);
    setMaximiseGeometry({100, 100, 519, 386});
    buildLayout();
    addPrintReportEntry();
    // The order in which a button reads the fields.
    setFields({
        Field::text(kSecurityId, i.security, kNameLength),
        Field::text(kTypeId, i.type, kChoiceLength),
        Field::text(kExchangeId, i.exchange, kChoiceLength),
        Field::number(kPriceId, i.price, kLowestPrice, kHighestPrice),
        Field::number(kSharesId, i.shares, kFewestShares, kMostShares),
        Field::text(kInvestorId, i.investor, kNameLength),
        Field::number(kBirthMonthId, i.birthday.month, 1, 12),
        Field::number(kBirthDayId, i.birthday.day, 1, 31),
        Field::number(kBirthYearId, i.birthday.year, kFirstYear, kLastYear),
        Field::text(kStatusId, i.status, kChoiceLength),
        Field::text(kAccountId, i.account, kChoiceLength),
        Field::text(kBrokerId, i.broker, kNameLength),
        Field::text(kActionId, i.action, kActionLength),
        Field::number(kSelectedMonthId, i.selected.month, 1, 12),
        Field::number(kSelectedDayId, i.selected.day, 1, 31),
        Field::number(kSelectedYearId, i.selected.year, kFirstYear, kLastYear),
    });
    writeFields();
    showNames();
}

void QuorvexWindow::runOnList(bool (Quorvex::*button)())
{
    // The list is shown afresh only when the button changed it: a refusal or a No keeps
    // the entry the user chose.
    const PortfolioNames before = core_.names;
    run(button);
    if (core_.names != before)
        showNames();
}

void QuorvexWindow::odds()
{
    // The reading changes no field: showing the item again would replace what was typed
    // after a refused number.
    readFields();
    core_.Odds();
}

void QuorvexWindow::clear()
{
    readFields();
    core_.Clear();
    writeFields();
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
    return RecordWindow::eventFilter(watched, event);
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
