#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace stellaform::test {

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::filesystem::path operator/(const std::filesystem::path& relative) const
    {
        return m_path / relative;
    }

private:
    std::filesystem::path m_path;
};

void writeBytes(const std::filesystem::path& path, std::string_view bytes);
[[nodiscard]] std::string readBytes(const std::filesystem::path& path);

// The names in a folder, sorted; for checks that nothing was left behind.
[[nodiscard]] std::string folderListing(const std::filesystem::path& folder);

} // namespace stellaform::test
