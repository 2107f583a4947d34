// Readings into the user's own calendar: the small dialog that asks what to export, and
// what a window that exports offers the scenario runner.
#pragma once
#include <QString>
#include <optional>

#include "shell/seams.h"

class QWidget;

namespace shell {

struct ExportChoice {
    bool twelveMonths = false;  // else the month shown
    bool badDays = false;       // the bad days as well as the good ones
};

// "Export to Calendar": the span and whether the bad days go too, asked through
// Ui::exec; none when the user cancels.
std::optional<ExportChoice> askExportChoice(Ui& ui, QWidget* parent);

// The time an export is stamped with: the clock's local time in UTC; the system's time
// where a window was given no clock.
DateTime exportStamp(const Clock* clock);

// A window whose readings go into a calendar file.
class CalendarExporting {
public:
    virtual ~CalendarExporting() = default;
    // Writes the file whole (replacing it), or tells the user it could not and leaves any
    // old file as it was; false then.
    virtual bool exportCalendar(const QString& file, const ExportChoice& choice) = 0;
    // "calendar" (good and bad days) or "critical" (critical days).
    virtual const char* exportKind() const = 0;
};

}  // namespace shell
