// The biorhythm chart: the three traditional curves over the days around the selected
// date, on the screen, on paper, in a PDF or a PNG picture.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "pulsara/biorhythm_chart.h"
#include "pulsara/window/partner_painting.h"
#include "shell/gui/calendar_export.h"
#include "shell/gui/printable_dialog.h"

namespace pulsara {

class ChartDialog : public shell::PrintableDialog, public shell::CalendarExporting {
    Q_OBJECT
public:
    ChartDialog(shell::Ui& ui, const std::string& name, const Date& birth, const Date& selected,
                QWidget* parent = nullptr);

    bool saveAsPng(const QString& file);

    // The second person's curves beside the first, and the compatibility of the two.
    void compareWith(const std::string& name, const Date& birth);

    // The export's DTSTAMP comes from this clock.
    void setClock(const shell::Clock& clock) { clock_ = &clock; }
    // The critical days of kCriticalDaysSpan days from the selected date as an iCalendar
    // file; the choice of span and bad days is the stars calendar's and plays no part.
    bool exportCalendar(const QString& file, const shell::ExportChoice& choice) override;
    const char* exportKind() const override { return "critical"; }

protected:
    void printOn(QPagedPaintDevice& device) override;
    QString suggestedName() const override;

private:
    shell::PaintedPage page() const;
    void askAndSavePng();
    void askAndCompare();
    void askAndExport();
    void listValues();

    QString name_;
    Date birth_, selected_;
    std::vector<ChartDay> days_;
    std::optional<ChartPartner> partner_;
    QWidget* view_ = nullptr;
    const shell::Clock* clock_ = nullptr;
};

}  // namespace pulsara
