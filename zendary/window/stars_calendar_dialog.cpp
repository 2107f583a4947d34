#include "zendary/window/stars_calendar_dialog.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "numerology/dates.h"
#include "shell/icalendar.h"
#include "shell/gui/picture_items.h"
#include "zendary/window/calendar_items.h"
#include "zendary/window/calendar_view.h"
#include "zendary/readings/stars.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

namespace {

constexpr const char* kCaption = "STARS CALENDAR";

QPushButton* addButton(QDialogButtonBox* box, const QString& caption, const QString& tooltip)
{
    QPushButton* button = box->addButton(caption, QDialogButtonBox::ActionRole);
    button->setToolTip(tooltip);
    return button;
}

}  // namespace

StarsCalendarDialog::StarsCalendarDialog(shell::Ui& ui, const numerology::StarNumbers& stars,
                                         const numerology::Date& selected, QWidget* parent) :
    PrintableDialog(ui, parent), stars_(stars), selected_(selected)
{
    setObjectName("starsCalendar");
    setWindowTitle("Stars Calendar");
    buildLayout();
    showMonth(selected.month, selected.year);
    resize(720, 440);
}

void StarsCalendarDialog::buildLayout()
{
    auto* buttons = new QDialogButtonBox(this);
    previous_ = addButton(buttons, "Pre&vious Month", "show the month before (Page Up)");
    connect(previous_, &QPushButton::clicked, this, [this] { moveMonth(-1); });
    next_ = addButton(buttons, "Ne&xt Month", "show the month after (Page Down)");
    connect(next_, &QPushButton::clicked, this, [this] { moveMonth(1); });
    QPushButton* good = addButton(buttons, "&Next Good Day", "show the first good day after the selected date");
    connect(good, &QPushButton::clicked, this, &StarsCalendarDialog::findNextGoodDay);
    addPrintButtons(buttons);
    QPushButton* exporting = addButton(buttons, "&Export to Calendar...",
                                       "put the good days into your calendar program (an iCalendar file)");
    connect(exporting, &QPushButton::clicked, this, &StarsCalendarDialog::askAndExport);
    QPushButton* close = buttons->addButton("&Close", QDialogButtonBox::RejectRole);
    close->setToolTip("close the calendar (Escape)");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The month's picture, made after the buttons so that Tab reaches its days last and
    // the dialog still opens on its first button. It lists its days for readers that
    // cannot see it (the "listedValues" property, "12 GOOD") and reads as a list of them.
    calendar_ = new CalendarView([this] { return calendarPage(sheet()); },
                                 [this] { return QRectF(calendarCell(month_, year_, focusedDay_)); },
                                 [this](int key) { moveDayFocus(key); }, this);
    shell::exposePictureItems(calendar_, [this] { return calendarItems(sheet(), focusedDay_); });
    calendar_->setObjectName("calendar");
    calendar_->setMinimumSize(420, 220);
    // Paging by keyboard as in most calendars; a disabled button ignores its key too.
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, previous_, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, next_, &QPushButton::click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_, 1);
    layout->addWidget(buttons);
}

CalendarSheet StarsCalendarDialog::sheet() const
{
    CalendarSheet sheet{month_, year_, StarsMonth(month_, year_, stars_)};
    const auto inShownMonth = [this](const numerology::Date& d) {
        return d.month == month_ && d.year == year_ && d.day <= MonthLength(month_, year_);
    };
    if (inShownMonth(selected_))
        sheet.selectedDay = selected_.day;
    if (marked_ && inShownMonth(*marked_))
        sheet.markedDay = marked_->day;
    return sheet;
}

void StarsCalendarDialog::showMonth(int month, int year)
{
    month_ = month;
    year_ = year;
    // The keyboard lands on the day found, else on the selected date, else where it was.
    const CalendarSheet shown = sheet();
    focusedDay_ = shown.markedDay     ? shown.markedDay
                  : shown.selectedDay ? shown.selectedDay
                                      : std::clamp(focusedDay_, 1, MonthLength(month, year));
    QStringList entries;
    for (const CalendarDay& day : StarsMonth(month, year, stars_))
        entries << QString::number(day.day) + " " + VerdictWord(day.rating);
    calendar_->setProperty("listedValues", entries);
    calendar_->setAccessibleName(calendarHeading(month, year));
    previous_->setEnabled(year > kFirstYear || month > 1);
    next_->setEnabled(year < kLastYear || month < 12);
    calendar_->update();
    shell::announcePictureChange(calendar_);
}

void StarsCalendarDialog::moveDayFocus(int key)
{
    const int length = MonthLength(month_, year_);
    int day = key == Qt::Key_Left    ? focusedDay_ - 1
              : key == Qt::Key_Right ? focusedDay_ + 1
              : key == Qt::Key_Up    ? focusedDay_ - 7
              : key == Qt::Key_Down  ? focusedDay_ + 7
              : key == Qt::Key_Home  ? 1
                                     : length;
    // Past either end of the month the calendar turns the page, within the years it shows.
    if (day < 1 && (year_ > kFirstYear || month_ > 1)) {
        moveMonth(-1);
        day += MonthLength(month_, year_);
    } else if (day > length && (year_ < kLastYear || month_ < 12)) {
        moveMonth(1);
        day -= length;
    }
    focusedDay_ = std::clamp(day, 1, MonthLength(month_, year_));
    calendar_->update();
    shell::announcePictureFocus(calendar_, focusedDay_ - 1);
}

void StarsCalendarDialog::moveMonth(int step)
{
    const int index = year_ * 12 + month_ - 1 + step;
    if (index >= kFirstYear * 12 && index <= kLastYear * 12 + 11)
        showMonth(index % 12 + 1, index / 12);
}

void StarsCalendarDialog::findNextGoodDay()
{
    const auto found = NextGoodDay(selected_, stars_);
    if (!found) {
        ui_.info(kCaption,
                 "No good day comes after " + numerology::DateText(selected_.month, selected_.day, selected_.year) +
                     " up to December 31 " + std::to_string(kLastYear) + ", the last day the calendar shows.");
        return;
    }
    marked_ = found;
    showMonth(found->month, found->year);
}

void StarsCalendarDialog::printOn(QPagedPaintDevice& device)
{
    shell::paintScaled(device, calendarPage(sheet()));
}

QString StarsCalendarDialog::suggestedName() const
{
    return QString("Stars Calendar %1-%2").arg(year_).arg(month_, 2, 10, QChar('0'));
}

void StarsCalendarDialog::askAndExport()
{
    const auto choice = shell::askExportChoice(ui_, this);
    if (!choice)
        return;
    const QString file = askSaveFile("Save iCalendar File", "ics", "iCalendar files (*.ics)");
    if (!file.isEmpty())
        exportCalendar(file, *choice);
}

bool StarsCalendarDialog::exportCalendar(const QString& file, const shell::ExportChoice& choice)
{
    // Only the verdicts go into the file: nothing of the birthdays they come from.
    shell::CalendarFile calendar{"Zendary 2000", "Zendary Stars calendar", shell::exportStamp(clock_), {}};
    int month = month_, year = year_;
    for (int shown = 0; shown < (choice.twelveMonths ? 12 : 1) && year <= kLastYear; ++shown) {
        for (const CalendarDay& day : StarsMonth(month, year, stars_)) {
            const QDate date(year, month, day.day);
            if (day.rating == numerology::Rating::Good)
                calendar.events.push_back({date, "Good day: Stars reading", ""});
            else if (day.rating == numerology::Rating::Bad && choice.badDays)
                calendar.events.push_back({date, "Bad day: Stars reading", ""});
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return saveBytes(file, QByteArray::fromStdString(shell::iCalendarText(calendar)));
}

void openStarsCalendar(ZendaryWindow& window)
{
    window.run([&window](Zendary& z) {
        if (!z.starsGate(kStarsCaption, kStarsLeadIn))
            return false;
        StarsCalendarDialog dialog(z.ui, z.stars, z.data.selected, &window);
        dialog.setClock(window.services().clock);
        z.ui.exec(dialog);
        return true;
    });
}

}  // namespace zendary
