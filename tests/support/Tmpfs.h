#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace stellaform::test {

// A small tmpfs mounted on a folder, for writes that must fail: a file system
// made read-only, or one that runs out of space. Permission bits cannot make
// a write fail for root, a read-only or full file system can. Mounting needs
// the right to mount; where it is refused, tryMount says why.
class Tmpfs {
public:
    static std::unique_ptr<Tmpfs> tryMount(const std::filesystem::path& folder, std::size_t bytes, std::string& whyNot);
    ~Tmpfs();
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    void makeReadOnly();

private:
    explicit Tmpfs(std::filesystem::path folder);
    std::filesystem::path m_folder;
};

} // namespace stellaform::test
