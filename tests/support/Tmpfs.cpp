#include "tests/support/Tmpfs.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <sys/mount.h>

namespace stellaform::test {

std::unique_ptr<Tmpfs> Tmpfs::tryMount(const std::filesystem::path& folder, std::size_t bytes, std::string& whyNot)
{
    std::filesystem::create_directories(folder);
    const std::string options = "size=" + std::to_string(bytes);
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        whyNot = "cannot mount a tmpfs on " + folder.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<Tmpfs>(new Tmpfs(folder));
}

Tmpfs::Tmpfs(std::filesystem::path folder)
    : m_folder(std::move(folder))
{
}

Tmpfs::~Tmpfs()
{
    umount2(m_folder.c_str(), MNT_DETACH);
}

void Tmpfs::makeReadOnly()
{
    if (mount("tmpfs", m_folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        throw std::runtime_error("cannot remount read-only: " + std::string(std::strerror(errno)));
}

} // namespace stellaform::test
