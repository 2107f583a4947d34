// Zendary's main window: binds the controls to the record and runs the readings.
#pragma once
#include <initializer_list>

#include "shell/gui/record_window.h"
#include "shell/help.h"
#include "zendary/zendary.h"

class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace zendary {

extern const shell::HelpSpec kZendaryHelp;

// The main window's control ids.
enum ControlId {
    kStarsId = 1,  // STS, the OK action
    kLuckyId = 3,
    kUnluckyId = 4,
    kLifePowerId = 5,
    kPersonalLuckId = 6,
    kBusinessLuckId = 7,
    kSpiritPowerId = 8,
    kHelpId = 9,  // HLP, the default button: Enter outside a button runs it
    kOccupationId = 1002,
    kColorId = 1006,
    kShapeId = 1007,
    kClueId = 1014,
    kSuperstitionId = 1020,
    kOwnMonthId = 1024,
    kOwnDayId = 1025,
    kOwnYearId = 1026,
    kMotherMonthId = 1027,
    kMotherDayId = 1029,
    kMotherYearId = 1030,
    kFatherMonthId = 1031,
    kFatherDayId = 1032,
    kFatherYearId = 1033,
    kSelectedMonthId = 1034,
    kSelectedDayId = 1035,
    kSelectedYearId = 1036,
    kFirstMonthId = 1038,
    kAquariusId = 1050,
    kAriesId = 1051,
    kCancerId = 1052,
    kCapricornId = 1054,
    kGeminiId = 1055,
    kLibraId = 1056,
    kSagittariusId = 1057,
    kLeoId = 1058,
    kPiscesId = 1059,
    kScorpioId = 1061,
    kTaurusId = 1062,
    kVirgoId = 1063,
    kLoveId = 1064,
    kBodyId = 1065,
    kWealthId = 1066,
    kLinksId = 1067,
    kTraitsId = 1068,
    kCouplesId = 1069,
    kCareersId = 1070,
    kDreamId = 1071,
    kDreamReadingId = 1072,
    kPastLifeReadingId = 1075,
    kPastYearId = 1076,
    kAdId = 1077,
    kBcId = 1078,
    kPastAgeId = 1079,
    kYourSoulNumbersId = 1080,
    kMotherSoulNumberId = 1081,
    kFatherSoulNumberId = 1082,
    kSuperstitionReadingId = 1083,
    kGemsId = 1084,
    kEvilEyeId = 1085,
    kFateId = 1089,
    kBloodTypeId = 1091,
    kDailyReportId = 1092,
    kPalmId = 1093,
    kMessageId = 1094,
    kCopyId = 1095,
    kPasteId = 1096,
    kDecodeId = 1097,
    kNumbersExerciseId = 1098,
    kColorsExerciseId = 1099,
    kShapesExerciseId = 1100,
    kDevelopId = 1101,
    kFineTuneId = 1102,
    kIntuitionId = 1103,
    kNumberId = 1104,
    kFirstDayId = 1105,
    kFirstYearId = 1106,
    kSecondMonthId = 1107,
    kSecondDayId = 1108,
    kSecondYearId = 1109,
    kFirstNameId = 1110,
    kSecondNameId = 1111,
    kSoulmateCheckId = 1114,
    kSoulmateReportId = 1115,
    kNameYearNameId = 1116,
    kNameYearId = 1117,
    kPetNameId = 1118,
    kPetsId = 1119,
    kSpellNameId = 1120,
    kLoveSpellsId = 1121,
    kTeam1Id = 1122,
    kTeam2Id = 1123,
    kSportsId = 1124,
    kDeathReadingId = 1125,       // &DEF: opens the death reading dialog
    kFirstZodiacPictureId = 146,  // the twelve zodiac pictures, left to right up to 157
};

// The control ids of the death reading dialog, which reuses some of the main window's numbers.
enum DeathDialogId {
    kDeathOkId = 1,  // &DEATH, the OK action
    kDeathExitId = 2,
    kDeathGenderId = 1002,
    kDeathNumberId = 1014,
    kDeathColorId = 1020,
    kDeathYearId = 1024,
    kDeathMotherNameId = 1025,
    kDeathMotherYearId = 1026,
    kDeathFatherNameId = 1027,
    kDeathFatherYearId = 1029,
    kDeathDaysId = 1030,
    kDeathNameId = 1094,
};

class ZendaryWindow : public shell::RecordWindow<Zendary> {
    Q_OBJECT
public:
    explicit ZendaryWindow(shell::Services& services);

protected:
    void helpRequested() override;
    // The exit path checks the four dates and remembers the three birthdays.
    bool keepsSavedInputs() const override { return true; }
    bool inputsFitToKeep() override { return core_.DatesValid(); }
    void saveInputs() override;

private:
    // A reading of the record: true when it ended normally and the record is shown again.
    using Reading = bool (*)(Zendary&);
    struct ReadingButton {
        ControlId id;
        const char* caption;
        const char* tooltip;
        const char* name;  // what a screen reader reads: the reading, not the code
        Reading reading;
    };

    void buildLayout();
    void compact();
    QPushButton* readingButton(QWidget* parent, const ReadingButton& button);
    QHBoxLayout* readingRow(std::initializer_list<ReadingButton> buttons);
    QGroupBox* datesGroup();
    QGroupBox* pastLivesGroup();
    QGroupBox* dreamsGroup();
    QGroupBox* soulmateGroup();
    QGroupBox* reportsGroup();
    QGroupBox* mentalGroup();
    QGroupBox* sportsGroup();
    QGroupBox* messageGroup();
    void loadBirthdays();

    // The button handlers: each reads the controls first.
    void chooseEra(Era era);
    void openDeathReading();

    QWidget* message_ = nullptr;  // the message box, which CPY copies as shown
};

}  // namespace zendary
