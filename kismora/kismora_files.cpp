#include "kismora/kismora_files.h"

#include "shell/files.h"

namespace kismora {

const char* const kCaption = "KISMORA";
const char* const kHelpCaption = "KISMORA HELP";
const char* const kProgramTitle = "Kismora 2000";

std::string KismoraFolder(const shell::Paths& paths)
{
    return paths.data("Kismora/");
}
std::string PersonalPath(const shell::Paths& paths)
{
    return KismoraFolder(paths) + "personal.ini";
}
std::string SelectionPath(const shell::Paths& paths)
{
    return KismoraFolder(paths) + "select.ini";
}
std::string IndexPath(const shell::Paths& paths)
{
    return KismoraFolder(paths) + "index.ini";
}
std::string ReportPath(const shell::Paths& paths)
{
    return KismoraFolder(paths) + "report.txt";
}
std::string PicturesFolder(const shell::Paths& paths)
{
    return KismoraFolder(paths) + "Pictures/";
}

std::optional<std::string> DateNameProblem(const std::string& name)
{
    if (!shell::isSafeFileName(name))
        return "The name " + name + " cannot be used as a file name. Please leave out the / and \\ characters.    ";
    if (!shell::fitsFileName(name + ".txt"))
        return shell::nameTooLongMessage("date", name + ".txt");
    // report.txt beside the dates is the analysis report, which would overwrite the date.
    if (name == "report")
        return "The name report is used by the analysis report. Please add a last name or an initial.    ";
    return std::nullopt;
}

std::optional<std::string> DatePath(const shell::Paths& paths, const std::string& name)
{
    if (DateNameProblem(name))
        return std::nullopt;
    return KismoraFolder(paths) + name + ".txt";
}

std::optional<std::string> NotePath(const shell::Paths& paths, const std::string& name)
{
    if (DateNameProblem(name))
        return std::nullopt;
    return KismoraFolder(paths) + "Notes/" + name + ".txt";
}

void MakeKismoraFolders(const shell::Paths& paths)
{
    shell::makeFolder(PicturesFolder(paths));
    shell::makeFolder(KismoraFolder(paths) + "Notes");
}

}  // namespace kismora
