// The "Stars Calendar" window opened from Zendary's context menu: a month of days, each
// rated as the Stars reading rates it, which prints and saves as PDF.
#pragma once
#include <optional>

#include "numerology/numerology.h"
#include "shell/gui/calendar_export.h"
#include "shell/gui/printable_dialog.h"
#include "zendary/window/stars_calendar_page.h"

class QPushButton;

namespace zendary {

class ZendaryWindow;

class StarsCalendarDialog : public shell::PrintableDialog, public shell::CalendarExporting {
    Q_OBJECT
public:
    // Opens on the selected date's month with that date framed.
    StarsCalendarDialog(shell::Ui& ui, const numerology::StarNumbers& stars, const numerology::Date& selected,
                        QWidget* parent = nullptr);

    // The month shown and the days marked, as they are drawn.
    CalendarSheet sheet() const;

    // The export's DTSTAMP comes from this clock.
    void setClock(const shell::Clock& clock) { clock_ = &clock; }
    // The good days (and the bad ones, when chosen) of the month shown, or of the twelve
    // months from it up to the calendar's last month, as an iCalendar file.
    bool exportCalendar(const QString& file, const shell::ExportChoice& choice) override;
    const char* exportKind() const override { return "calendar"; }

protected:
    void printOn(QPagedPaintDevice& device) override;
    QString suggestedName() const override;

private:
    void buildLayout();
    void showMonth(int month, int year);
    void moveMonth(int step);
    void findNextGoodDay();
    void askAndExport();
    // Moves the keyboard's day by an arrow key, Home or End.
    void moveDayFocus(int key);

    numerology::StarNumbers stars_;
    numerology::Date selected_;
    std::optional<numerology::Date> marked_;
    int month_ = 1;
    int year_ = 1900;
    int focusedDay_ = 1;
    QWidget* calendar_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    const shell::Clock* clock_ = nullptr;
};

// "Stars &Calendar...": reads the window's fields, runs the Stars reading's checks and
// confirmation, then shows the calendar; a refused check or a No opens nothing.
void openStarsCalendar(ZendaryWindow& window);

}  // namespace zendary
