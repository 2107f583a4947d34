// Duovell's main window: binds the controls to the pair record and runs the buttons.
#pragma once
#include <QCheckBox>

#include "duovell/duovell.h"
#include "shell/gui/record_window.h"
#include "shell/help.h"

namespace duovell {

extern const shell::HelpSpec kDuovellHelp;

// The window's control ids.
enum ControlId {
    kReadingId = 1,  // the OK action: Enter runs it
    kExitId = 2,
    kSelectedMonthId = 1000,
    kSelectedDayId = 1001,
    kSelectedYearId = 1002,
    kHelpId = 1003,
    kFirstName1Id = 1005,
    kLastName1Id = 1006,
    kBirthMonth1Id = 1007,
    kBirthDay1Id = 1008,
    kBirthYear1Id = 1009,
    kPets1Id = 1012,
    kHair1Id = 1013,
    kEyes1Id = 1014,
    kFirstName2Id = 1015,
    kLastName2Id = 1016,
    kBirthMonth2Id = 1017,
    kBirthDay2Id = 1018,
    kBirthYear2Id = 1019,
    kSingle1Id = 1020,
    kMale1Id = 1021,
    kPets2Id = 1022,
    kHair2Id = 1023,
    kEyes2Id = 1024,
    kActivityId = 1025,
    kSingle2Id = 1026,
    kMale2Id = 1027,
    kReportId = 1028,
    kLoveId = 1029,
    kFateId = 1030,
    kBusinessId = 1031,
    kFriendshipId = 1032,
    kLoyaltyId = 1033,
    kTrustId = 1034,
    kFortuneId = 1035,
    kRegretsId = 1036,
};

class DuovellWindow : public shell::RecordWindow<Duovell> {
    Q_OBJECT
public:
    explicit DuovellWindow(shell::Services& services);

    void accept() override;  // Enter: the Reading button

protected:
    void helpRequested() override;
    void writeExtras() override;
    bool keepsSavedInputs() const override { return true; }
    bool inputsFitToKeep() override { return core_.DatesValid(); }
    void saveInputs() override;

private:
    // A check box and the record flag it drives.
    struct FlagBox {
        QCheckBox* box;
        bool* flag;
    };
    struct PersonIds {
        ControlId first, last, month, day, year, hair, eyes, male, single, pets;
    };

    void buildLayout();
    QWidget* personGroup(const QString& title, const PersonIds& ids, pairing::Individual& person);
    QWidget* optionsGroup();
    void addFlag(QCheckBox* box, bool& flag);

    // Each button reads the controls, runs its reading, and shows the record again.
    void reading() { run(&Duovell::Reading); }
    void report() { run(&Duovell::Report); }
    void pairReading(pairing::PairKind kind);

    std::vector<FlagBox> flags_;
};

}  // namespace duovell
