// The "Numerology & Astrology Death Reading" dialog opened by the &DEF button.
#pragma once
#include <vector>

#include <QDialog>

#include "shell/gui/data_exchange.h"
#include "zendary/readings/death.h"

namespace zendary {

class DeathDialog : public QDialog {
public:
    // The birth years start as those of the main window's record.
    explicit DeathDialog(const Zendary& z, QWidget* parent = nullptr);

    const DeathRecord& record() const { return record_; }

private:
    void buildLayout();
    void onDeath();  // &DEATH, also the Enter key; the dialog stays open

    const Zendary& z_;
    DeathRecord record_;
    std::vector<shell::Field> fields_;
};

}  // namespace zendary
