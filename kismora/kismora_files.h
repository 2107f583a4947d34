// Where Kismora keeps its data: the program folder with the two own profiles, one file
// per date, the date book list and the report, and the notes and pictures folders.
#pragma once
#include <optional>
#include <string>

#include "shell/seams.h"
#include "shell/copyright.h"

namespace kismora {

extern const char* const kCaption;      // "KISMORA"
extern const char* const kHelpCaption;  // "KISMORA HELP"
inline const char* const& kCopyright = shell::kCopyrightLine;
extern const char* const kProgramTitle;  // the main window's title, also in the About box

std::string KismoraFolder(const shell::Paths& paths);  // with a trailing '/'
std::string PersonalPath(const shell::Paths& paths);
std::string SelectionPath(const shell::Paths& paths);
std::string IndexPath(const shell::Paths& paths);
std::string ReportPath(const shell::Paths& paths);
std::string PicturesFolder(const shell::Paths& paths);  // with a trailing '/'

// A date's name becomes the name of its profile file and of its note. Returns why a
// name cannot be used, or none: it must stay inside its folder, fit a file name and not
// be taken by the program's own files.
std::optional<std::string> DateNameProblem(const std::string& name);

// The files of a date; none for a name that could leave the folder.
std::optional<std::string> DatePath(const shell::Paths& paths, const std::string& name);
std::optional<std::string> NotePath(const shell::Paths& paths, const std::string& name);

// The program folder and its two sub-folders, made at start-up; failures are ignored.
void MakeKismoraFolders(const shell::Paths& paths);

}  // namespace kismora
