// The profile form's window: 21 answers about one person, Picture, Save, Help, Close.
#pragma once
#include <vector>

#include <QDialog>

#include "kismora/profile_form.h"
#include "kismora/window/kismora_window.h"
#include "shell/gui/data_exchange.h"

namespace kismora {

class ProfileDialog : public QDialog {
    Q_OBJECT
public:
    ProfileDialog(shell::Services& services, ProfileKind kind, const std::string& dateName = {},
                  QWidget* parent = nullptr);

    ProfileForm& form() { return form_; }

private:
    void buildLayout();
    void onSave();
    void onPicture();

    ProfileForm form_;
    std::vector<shell::Field> fields_;
};

}  // namespace kismora
