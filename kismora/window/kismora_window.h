// Kismora's main window: Personal Info, Selection Criteria, Date Book and Help.
#pragma once
#include "kismora/profile_form.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

// The control ids of all of Kismora's windows, window by window.
enum ControlId {
    // Main window; Personal Info is the OK action.
    kPersonalInfoId = 1,
    kSelectionCriteriaId = 1003,
    kDateBookId = 1005,
    kMainHelpId = 1013,

    // Profile form; Save is the OK action.
    kSaveId = 1,
    kCloseId = 2,
    kNameId = 1000,
    kProfileHelpId = 1003,
    kPictureId = 1004,
    kOccupationId = 1009,
    kResidenceId = 1010,
    kFeetId = 1014,
    kGenderId = 1015,
    kHairId = 1016,
    kEyesId = 1017,
    kWeightId = 1018,
    kRaceId = 1019,
    kReligionId = 1020,
    kMaritalId = 1021,
    kHaveChildrenId = 1022,
    kWantChildrenId = 1023,
    kSmokingId = 1024,
    kDrinkingId = 1025,
    kEducationId = 1026,
    kOutdoorsId = 1027,
    kTravelId = 1028,
    kSportsId = 1029,
    kMoviesId = 1030,
    kMusicId = 1031,
    kInchesId = 1035,

    // Date book; Analyze Date is the OK action.
    kAnalyzeDateId = 1,
    kBookHelpId = 1003,
    kNewDateId = 1004,
    kDeleteDateId = 1005,
    kDateListId = 1033,
    kEditDateId = 1034,

    // Analysis window; Analyze is the OK action.
    kAnalyzeId = 1,
    kAnalysisCloseId = 2,
    kTitleId = 1000,
    kReportId = 1003,
    kTipsId = 1004,
    kAnalysisHelpId = 1005,
    kCriteriaId = 1015,
    kMatchNameId = 1016,
    kResultId = 1061,
    kAddNoteId = 1062,
    // Its grid, column by column, rows 1 to 6.
    kLabel1Id = 1014,
    kLabel2Id = 1010,
    kLabel3Id = 1035,
    kLabel4Id = 1036,
    kLabel5Id = 1037,
    kLabel6Id = 1038,
    kYou1Id = 1018,
    kYou2Id = 1042,
    kYou3Id = 1043,
    kYou4Id = 1044,
    kYou5Id = 1045,
    kYou6Id = 1046,
    kDate1Id = 1009,
    kDate2Id = 1050,
    kDate3Id = 1051,
    kDate4Id = 1052,
    kDate5Id = 1053,
    kDate6Id = 1054,
    kIdeal1Id = 1039,
    kIdeal2Id = 1040,
    kIdeal3Id = 1041,
    kIdeal4Id = 1047,
    kIdeal5Id = 1048,
    kIdeal6Id = 1049,
    kMatch1Id = 1055,
    kMatch2Id = 1056,
    kMatch3Id = 1057,
    kMatch4Id = 1058,
    kMatch5Id = 1059,
    kMatch6Id = 1060,

    // Note window; Save is the OK action.
    kNoteSaveId = 1,
    kNoteCancelId = 2,
    kNoteTextId = 1000,
    kNoteDeleteId = 1003,
};

class KismoraWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit KismoraWindow(shell::Services& services);

    void accept() override;  // Enter: Personal Info

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void openProfile(ProfileKind kind);
    void openDateBook();
};

}  // namespace kismora
