#include "kismora/window/profile_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kismora/window/dialog_button.h"
#include "kismora/kismora_files.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

using shell::Field;

namespace {

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
        Field::text(kNameId, p.name, kNameLength),
        Field::text(kGenderId, p.gender, 15),
        Field::text(kDrinkingId, p.drinking, 25),
        Field::text(kEducationId, p.education, 25),
        Field::text(kOutdoorsId, p.outdoors, 25),
        Field::text(kTravelId, p.travel, 25),
        Field::text(kSportsId, p.sports, 25),
        Field::text(kMoviesId, p.movies, 25),
        Field::text(kMusicId, p.music, 25),
        Field::text(kHairId, p.hair, 50),
        Field::text(kEyesId, p.eyes, 50),
        Field::text(kRaceId, p.race, 30),
        Field::text(kReligionId, p.religion, 30),
        Field::text(kMaritalId, p.marital, 30),
        Field::text(kHaveChildrenId, p.haveChildren, 5),
        Field::text(kWantChildrenId, p.wantChildren, 5),
        Field::text(kSmokingId, p.smoking, 5),
        Field::number(kFeetId, p.feet, 0, 8),
        Field::number(kWeightId, p.weight, 0, 300),
        Field::text(kOccupationId, p.occupation, 50),
        Field::text(kResidenceId, p.residence, 50),
        Field::number(kInchesId, p.inches, 0, 12),
    };
    setWindowTitle(ProfileCaption(kind));
    buildLayout();
    shell::applyLimits(*this, fields_);
    shell::writeControls(*this, fields_);
}

void ProfileDialog::buildLayout()
{
    auto* grid = new QGridLayout;
    const auto list = [this](ControlId id, const char* tip, const char* name, std::span<const char* const> items) {
        return shell::makeDropDown(this, id, tip, name, shell::listItems(items));
    };
    const auto edit = [this](ControlId id, const char* tip, const char* name) {
        return shell::makeEdit(this, id, tip, name);
    };
    const auto small = [](QLineEdit* box) {
        shell::setWidthForDigits(box, 8, 0);
        return box;
    };

    QLineEdit* name = edit(kNameId, "Enter Full Name", "Full name");
    QPushButton* picture = dialogButton(this, kPictureId, "&Picture", "View Picture");
    connect(picture, &QPushButton::clicked, this, &ProfileDialog::onPicture);
    addRow(grid, 0, 0, " Name", name, picture);
    addRow(grid, 1, 0, " Gender", list(kGenderId, "Select Gender", "Gender", genders()));
    addRow(grid, 2, 0, " Hair Color", list(kHairId, "Select Hair Color", "Hair color", hairColors()));
    addRow(grid, 3, 0, " Eye Color", list(kEyesId, "Select Eye Color", "Eye color", eyeColors()));
    auto* feet = small(edit(kFeetId, "feet", "Height in feet"));
    auto* inches = small(edit(kInchesId, "inches", "Height in inches"));
    addRow(grid, 4, 0, " Height", feet, inches);
    addRow(grid, 5, 0, " Weight", small(edit(kWeightId, "Enter Weight", "Weight")));
    addRow(grid, 6, 0, " Race", list(kRaceId, "Select Race", "Race", races()));
    addRow(grid, 7, 0, " Religion", list(kReligionId, "Select Religion", "Religion", religions()));
    addRow(grid, 8, 0, " Marital Status",
           list(kMaritalId, "Select Marital Status", "Marital status", maritalStatuses()));
    addRow(grid, 9, 0, " Have Children", list(kHaveChildrenId, "Have Children", "Has children", yesNo()));
    addRow(grid, 10, 0, " Want Children", list(kWantChildrenId, "Want Children", "Wants children", yesNoMaybe()));

    addRow(grid, 0, 2, " Smoking", list(kSmokingId, "Select Smoking Status", "Smoking", yesNo()));
    addRow(grid, 1, 2, " Drinking", list(kDrinkingId, "Select Drinking Status", "Drinking", drinkingHabits()));
    addRow(grid, 2, 2, " Education", list(kEducationId, "Select Education Level", "Education", educationLevels()));
    addRow(grid, 3, 2, " Occupation", edit(kOccupationId, "Enter Occupation", "Occupation"));
    addRow(grid, 4, 2, " Residence", edit(kResidenceId, "Enter City or State", "Residence: city or state"));
    addRow(grid, 5, 2, " Outdoors",
           list(kOutdoorsId, "Interests - Outdoors", "Interest in the outdoors", importances()));
    addRow(grid, 6, 2, " Travel", list(kTravelId, "Interests - Travel", "Interest in travel", importances()));
    addRow(grid, 7, 2, " Sports", list(kSportsId, "Interests - Sports", "Interest in sports", importances()));
    addRow(grid, 8, 2, " Movies", list(kMoviesId, "Interests - Movies", "Interest in movies", importances()));
    addRow(grid, 9, 2, " Music", list(kMusicId, "Interests - Music", "Interest in music", importances()));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* save = dialogButton(this, kSaveId, "&Save", "Save Info", "Save info");
    auto* help = dialogButton(this, kProfileHelpId, "&Help", "Help Wizard", "Help");
    auto* close = dialogButton(this, kCloseId, "&Close", "");
    save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {save, help, close})
        buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    // The dialog starts on Name, its first field, and Tab goes on in reading order.
    name->setFocus();

    connect(save, &QPushButton::clicked, this, &ProfileDialog::onSave);
    connect(help, &QPushButton::clicked, this, [this] { form_.Help(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 420);
}

void ProfileDialog::onSave()
{
    // A refused number has been prompted for; Save goes on with the record as it is.
    // Only a record that was written is shown again: after a refusal every field keeps
    // what the user typed.
    shell::readControls(*this, fields_, form_.services.ui, kCaption);
    if (form_.Save())
        shell::writeControls(*this, fields_);
}

void ProfileDialog::onPicture()
{
    shell::readControls(*this, fields_, form_.services.ui, kCaption);
    form_.Picture();
}

}  // namespace kismora
