// "Compare With": the second person's name and birthday for the biorhythm chart, read
// and checked as the main window reads and checks its own.
#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "pulsara/biorhythm.h"
#include "shell/gui/data_exchange.h"

namespace pulsara {

class PartnerDialog : public QDialog {
    Q_OBJECT
public:
    PartnerDialog(shell::Ui& ui, QWidget* parent = nullptr);

    const std::string& name() const { return name_; }
    const Date& birth() const { return birth_; }

    // OK: the fields are read and checked; a refusal keeps the dialog open.
    void accept() override;

private:
    shell::Ui& ui_;
    std::string name_;
    Date birth_;
    std::vector<shell::Field> fields_;
};

}  // namespace pulsara
