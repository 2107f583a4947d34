// The biorhythm chart: the three traditional curves over the days around the selected
// date, on the screen, on paper, in a PDF or a PNG picture.
#pragma once
#include <string>
#include <vector>

#include "pulsara/biorhythm_chart.h"
#include "shell/gui/printable_dialog.h"

namespace pulsara {

class ChartDialog : public shell::PrintableDialog {
    Q_OBJECT
public:
    ChartDialog(shell::Ui& ui, const std::string& name, const Date& birth, const Date& selected,
                QWidget* parent = nullptr);

    bool saveAsPng(const QString& file);

protected:
    void printOn(QPagedPaintDevice& device) override;
    QString suggestedName() const override;

private:
    shell::PaintedPage page() const;
    void askAndSavePng();

    QString name_;
    Date birth_, selected_;
    std::vector<ChartDay> days_;
};

}  // namespace pulsara
