// Kismora's profile files: whatever a file held, the record read from it is written and
// read back as the same record.
#include "fuzz_support.h"
#include "kismora/date_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kismora::DateProfile record;
    fuzz::check(kismora::LoadProfile(fuzz::asFile("profile.txt", fuzz::asText(data, size)), record),
                "a regular file opens");
    (void)kismora::ProfileCheck(record);
    kismora::DateProfile back;
    fuzz::check(kismora::LoadProfile(fuzz::asFile("profile.txt", kismora::ProfileFileText(record)), back),
                "the written file opens");
    fuzz::check(back == record, "a profile read back is the same record");
    return 0;
}
