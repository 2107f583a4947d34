// What every fuzz target shares: the input as a file the readers can open, and a check
// that stops the run, so that libFuzzer keeps the input that broke a rule.
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline std::string asText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A scratch file of this process, on a memory file system where there is one.
inline std::string scratchPath(const std::string& name)
{
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/mystorin-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// Writes the bytes to the scratch file `name` and returns its path.
inline std::string asFile(const std::string& name, const std::string& content)
{
    const std::string path = scratchPath(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    for (size_t done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0)
            std::abort();
        done += size_t(n);
    }
    ::close(fd);
    return path;
}

inline void check(bool holds, const char* rule)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
inline bool validUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80                 ? 1
                        : c >= 0xC2 && c <= 0xDF ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        const unsigned char second = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second >= 0xA0) || (c == 0xF0 && second < 0x90) ||
            (c == 0xF4 && second >= 0x90))
            return false;
        i += length;
    }
    return true;
}

}  // namespace fuzz
