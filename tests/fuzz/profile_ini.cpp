// A program's profile: whatever it held, the text it writes reads back as the same text.
#include "fuzz_support.h"
#include "shell/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    shell::Profile profile(fuzz::asFile("profile.ini", fuzz::asText(data, size)));
    (void)shell::profileInt(profile, "Tip/FilePos", 0);
    profile.setValue("Tip/FilePos", qint64(12));
    const std::string text = profile.text();
    shell::Profile back(fuzz::asFile("profile.ini", text));
    fuzz::check(back.text() == text, "a profile read back gives the same text");
    fuzz::check(shell::profileInt(back, "Tip/FilePos", 0) == 12, "a value set comes back");
    return 0;
}
