// The tip of the day's rules, apart from its dialog: what the profile says at start-up,
// which tip comes first and next, and what is written back. The profile's section [Tip]
// holds StartUp (0: show tips at start-up, anything else: don't), FilePos (the byte offset
// of the next tip) and TimeStamp (the tips file's modification time when FilePos was last
// valid: a tips file edited since starts again at its first tip).
#pragma once
#include <memory>
#include <string>

#include "shell/seams.h"
#include "shell/tip_file.h"

namespace shell {

class Profile;

// What a program's tip of the day says and where its tips come from.
struct TipSpec {
    std::string file;     // "tips.txt", in the docs folder
    std::string caption;  // "Zendary Tip of the Day"
    std::string nextTip;  // tooltip of "&Next Tip"
    std::string launch;   // tooltip of "&Launch"
    std::string missing = "Tips file does not exist in the default directory";
    std::string heading = "Did you know...";  // beside the light bulb
};

inline constexpr const char* kTroubleReadingTips = "Trouble reading the tips file";
inline constexpr const char* kNoTipsYet = "The tips file holds no tips yet.";

class TipOfTheDay {
public:
    // Reads the profile and the tips file, and the first tip.
    TipOfTheDay(const TipSpec& spec, const Paths& paths, const std::string& program);
    ~TipOfTheDay();
    TipOfTheDay(const TipOfTheDay&) = delete;
    TipOfTheDay& operator=(const TipOfTheDay&) = delete;

    bool showAtStartUp() const { return showAtStartUp_; }
    // Whether a tips file is open: "&Next Tip" has nothing to read without one.
    bool hasTips() const { return file_ != nullptr; }
    // The tip shown, or the message that stands for it.
    const std::string& text() const { return text_; }

    // Reads the next tip, starting over at the top after the last one.
    void next();
    // "&Launch": remembers whether tips show at the next start. Closing the dialog any
    // other way leaves that as it was.
    void launch(bool showAtStartUp);
    // Writes where the next tip starts, when a tips file is open, and what changed; false
    // when the profile could not be written (its old file then stays as it was).
    [[nodiscard]] bool save();

private:
    std::unique_ptr<Profile> profile_;
    std::unique_ptr<TipFile> file_;
    bool showAtStartUp_ = true;
    std::string text_;
};

}  // namespace shell
