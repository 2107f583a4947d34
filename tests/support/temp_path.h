// Paths for tests that write files: inside one folder of this process's own, made unique
// when first asked for and removed at exit, so that two runs in parallel never collide.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace test_support {

inline const std::filesystem::path& processTempFolder()
{
    struct Folder {
        std::filesystem::path path;
        Folder()
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "mystorin-test.XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                throw std::filesystem::filesystem_error("mkdtemp", std::make_error_code(std::errc::io_error));
            path = pattern;
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// NAME inside the process's own temporary folder.
inline std::filesystem::path tempPath(const std::string& name)
{
    return processTempFolder() / name;
}

}  // namespace test_support
