#include "kismora/window/profile_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kismora/kismora_files.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

using shell::Field;

namespace {

QStringList choices(std::span<const char* const> list)
{
    QStringList out;
    for (const char* item : list)
        out << item;
    return out;
}

// One row of the form: its label and the control (or controls) beside it.
void addRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* control, QWidget* extra = nullptr)
{
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid->addWidget(text, row, column);
    if (!extra) {
        grid->addWidget(control, row, column + 1);
        return;
    }
    auto* pair = new QHBoxLayout;
    pair->addWidget(control);
    pair->addWidget(extra);
    grid->addLayout(pair, row, column + 1);
}

}  // namespace

ProfileDialog::ProfileDialog(shell::Services& services, ProfileKind kind, const std::string& dateName,
                             QWidget* parent) :
    QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
    form_(services, kind, dateName)
{
    DateProfile& p = form_.record;
    // The order in which the controls are read: a refused number leaves the rest as is.
    fields_ = {
        Field::text(1000, p.name, kNameLength), Field::text(1015, p.gender, 15),
        Field::text(1025, p.drinking, 25),      Field::text(1026, p.education, 25),
        Field::text(1027, p.outdoors, 25),      Field::text(1028, p.travel, 25),
        Field::text(1029, p.sports, 25),        Field::text(1030, p.movies, 25),
        Field::text(1031, p.music, 25),         Field::text(1016, p.hair, 50),
        Field::text(1017, p.eyes, 50),          Field::text(1019, p.race, 30),
        Field::text(1020, p.religion, 30),      Field::text(1021, p.marital, 30),
        Field::text(1022, p.haveChildren, 5),   Field::text(1023, p.wantChildren, 5),
        Field::text(1024, p.smoking, 5),        Field::number(1014, p.feet, 0, 8),
        Field::number(1018, p.weight, 0, 300),  Field::text(1009, p.occupation, 50),
        Field::text(1010, p.residence, 50),     Field::number(1035, p.inches, 0, 12),
    };
    setWindowTitle(ProfileCaption(kind));
    buildLayout();
    shell::applyLimits(*this, fields_);
    shell::writeControls(*this, fields_);
}

void ProfileDialog::buildLayout()
{
    auto* grid = new QGridLayout;
    const auto list = [this](int id, const char* tip, std::span<const char* const> items) {
        return shell::makeDropDown(this, id, tip, choices(items));
    };
    const auto edit = [this](int id, const char* tip) { return shell::makeEdit(this, id, tip); };
    const auto small = [](QLineEdit* box) {
        box->setFixedWidth(box->fontMetrics().horizontalAdvance("00000000"));
        return box;
    };

    addRow(grid, 0, 0, " Name", edit(1000, "Enter Full Name"),
           shell::makeButton(this, kPictureId, "&Picture", "View Picture"));
    addRow(grid, 1, 0, " Gender", list(1015, "Select Gender", genders()));
    addRow(grid, 2, 0, " Hair Color", list(1016, "Select Hair Color", hairColors()));
    addRow(grid, 3, 0, " Eye Color", list(1017, "Select Eye Color", eyeColors()));
    auto* feet = small(edit(1014, "feet"));
    auto* inches = small(edit(1035, "inches"));
    addRow(grid, 4, 0, " Height", feet, inches);
    addRow(grid, 5, 0, " Weight", small(edit(1018, "Enter Weight")));
    addRow(grid, 6, 0, " Race", list(1019, "Select Race", races()));
    addRow(grid, 7, 0, " Religion", list(1020, "Select Religion", religions()));
    addRow(grid, 8, 0, " Marital Status", list(1021, "Select Marital Status", maritalStatuses()));
    addRow(grid, 9, 0, " Have Children", list(1022, "Have Children", yesNo()));
    addRow(grid, 10, 0, " Want Children", list(1023, "Want Children", yesNoMaybe()));

    addRow(grid, 0, 2, " Smoking", list(1024, "Select Smoking Status", yesNo()));
    addRow(grid, 1, 2, " Drinking", list(1025, "Select Drinking Status", drinkingHabits()));
    addRow(grid, 2, 2, " Education", list(1026, "Select Education Level", educationLevels()));
    addRow(grid, 3, 2, " Occupation", edit(1009, "Enter Occupation"));
    addRow(grid, 4, 2, " Residence", edit(1010, "Enter City or State"));
    addRow(grid, 5, 2, " Outdoors", list(1027, "Interests - Outdoors", importances()));
    addRow(grid, 6, 2, " Travel", list(1028, "Interests - Travel", importances()));
    addRow(grid, 7, 2, " Sports", list(1029, "Interests - Sports", importances()));
    addRow(grid, 8, 2, " Movies", list(1030, "Interests - Movies", importances()));
    addRow(grid, 9, 2, " Music", list(1031, "Interests - Music", importances()));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* save = shell::makeButton(this, kSaveId, "&Save", "Save Info");
    auto* help = shell::makeButton(this, kProfileHelpId, "&Help", "Help Wizard");
    auto* close = shell::makeButton(this, kCloseId, "&Close", "");
    save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {save, help, close})
        buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &ProfileDialog::onSave);
    connect(help, &QPushButton::clicked, this, [this] { form_.Help(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(qobject_cast<QPushButton*>(shell::control(*this, kPictureId)), &QPushButton::clicked, this,
            &ProfileDialog::onPicture);
    resize(560, 420);
}

void ProfileDialog::onSave()
{
    // A refused number has been prompted for; Save goes on with the record as it is.
    shell::readControls(*this, fields_, form_.services.ui, kCaption);
    form_.Save();
    shell::writeControls(*this, fields_);
}

void ProfileDialog::onPicture()
{
    shell::readControls(*this, fields_, form_.services.ui, kCaption);
    form_.Picture();
}

}  // namespace kismora
