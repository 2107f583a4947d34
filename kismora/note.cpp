#include "kismora/note.h"

#include <cstdio>

#include "kismora/kismora_files.h"
#include "shell/bounded_read.h"
#include "shell/files.h"
#include "shell/utf8_text.h"

namespace kismora {

Note::Note(shell::Services& services, const std::string& dateName) :
    services(services), path_(NotePath(services.paths, dateName).value_or(""))
{
    if (path_.empty())
        return;
    // A note is short; a file grown by hand is read no further than the editor holds.
    std::string content = shell::readFileHead(path_, 4096 + 4).value_or("");
    if (const auto nul = content.find('\0'); nul != std::string::npos)
        content.resize(nul);
    text = shell::cutToBytes(content, 4096);
}

bool Note::Save()
{
    shell::Ui& ui = services.ui;
    if (text.empty()) {
        ui.stop(kCaption, "Please enter your note first.    ");
        return false;
    }
    if (shell::characterCount(text) > std::size_t(kLongestNote)) {
        ui.stop(kCaption, "Your Note is too long. Please make it shorter.    ");
        return false;
    }
    shell::makeFolder(KismoraFolder(services.paths) + "Notes");
    if (path_.empty() || !shell::writeFileAtomically(path_, text)) {
        ui.stop(kCaption, "Can not save. Please free some space on you hard drive first.    ");
        return false;
    }
    ui.info(kCaption, "Your note was saved successfully.    ");
    return true;
}

bool Note::Delete()
{
    shell::Ui& ui = services.ui;
    if (text.empty() || path_.empty() || !shell::fileExists(path_) || std::remove(path_.c_str()) != 0) {
        ui.stop(kCaption, "There is no note to delete.    ");
        return false;
    }
    text.clear();
    ui.info(kCaption, "Note was successfully deleted.    ");
    return true;
}

}  // namespace kismora
