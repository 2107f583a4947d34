#include "kismora/profile_form.h"

#include <algorithm>

#include "kismora/kismora_files.h"
#include "shell/files.h"
#include "kismora/help_texts.h"

namespace kismora {

const char* ProfileCaption(ProfileKind kind)
{
    switch (kind) {
    case ProfileKind::NewDate: return "  New Date - Enter Info For Your New Date";
    case ProfileKind::Personal: return "  Personal Information - Enter Info About You";
    case ProfileKind::Selection: return "  Selection Criteria - Create Your Kismora";
    case ProfileKind::EditDate: return "  Edit Date - Update or Edit Info";
    }
    return "  Date Information";
}

ProfileForm::ProfileForm(shell::Services& services, ProfileKind kind, const std::string& dateName) :
    services(services), kind(kind)
{
    const shell::Paths& paths = services.paths;
    switch (kind) {
    case ProfileKind::NewDate: break;
    case ProfileKind::Personal: LoadProfile(PersonalPath(paths), record); break;
    case ProfileKind::Selection:
        record.name = "Kismora";
        LoadProfile(SelectionPath(paths), record);
        break;
    case ProfileKind::EditDate:
        if (const auto path = DatePath(paths, dateName))
            LoadProfile(*path, record);
        break;
    }
}

bool ProfileForm::Save()
{
    shell::Ui& ui = services.ui;
    if (const auto problem = ProfileCheck(record)) {
        ui.stop(kCaption, *problem);
        return false;
    }
    const bool isDate = kind == ProfileKind::NewDate || kind == ProfileKind::EditDate;
    std::string path;
    if (kind == ProfileKind::Personal) {
        path = PersonalPath(services.paths);
    } else if (kind == ProfileKind::Selection) {
        path = SelectionPath(services.paths);
    } else if (const auto problem = DateNameProblem(record.name)) {
        ui.stop(kCaption, *problem);
        return false;
    } else {
        path = *DatePath(services.paths, record.name);
    }
    shell::makeFolder(KismoraFolder(services.paths));
    if (!shell::writeFileAtomically(path, ProfileFileText(record))) {
        ui.stop(kCaption, "Can't save data. Please free some space first.    ");
        return false;
    }
    ui.info(kCaption, "Data was saved successfully.      ");
    if (isDate && std::find(savedNames.begin(), savedNames.end(), record.name) == savedNames.end())
        savedNames.push_back(record.name);
    return true;
}

void ProfileForm::Picture()
{
    shell::Ui& ui = services.ui;
    const std::string& name = record.name;
    if (name.empty()) {
        ui.stop(kCaption, "Please enter full name.    ");
        return;
    }
    if (const auto problem = DateNameProblem(name); problem && !shell::isSafeFileName(name)) {
        ui.stop(kCaption, *problem);
        return;
    }
    const std::string folder = PicturesFolder(services.paths);
    const std::string picture = folder + name + ".gif";
    if (!shell::fileExists(picture)) {
        ui.stop(kCaption,
                name + "'s picture is not available. Here is how you can add a picture:\n\n" +
                    "Scan the picture in using any image editing software and save it as a GIF file.    \n\n" +
                    "So, for " + name + " the file must be called: " + name + ".gif\n\n" + "It should be saved in " +
                    folder.substr(0, folder.size() - 1) + " folder.    ");
        return;
    }
    const std::string page = std::string("<HTML><HEAD><!-- ") + kProgramTitle + " picture page. " + kCopyright +
                             " --></HEAD><CENTER><STRONG><BODY BGCOLOR=\"#0000FF\" TEXT=\"#FFFF00\"><H2>" +
                             shell::escapeHtmlAscii(name) + " <P><IMG SRC=\"" + shell::escapeHtmlAscii(picture) +
                             "\"></IMG> <P></H2></STRONG></CENTER></BODY></HTML>";
    const std::string pagePath = folder + "Picture.html";
    if (!shell::writeFileAtomically(pagePath, page)) {
        ui.warn(kCaption, "Please free some space on your hard drive first!    ");
        return;
    }
    services.opener.open(pagePath);
}

void ProfileForm::Help()
{
    services.ui.info(kHelpCaption, std::string(kProfileHelp) + kCopyright);
}

}  // namespace kismora
