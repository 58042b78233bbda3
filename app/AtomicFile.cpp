#include "app/AtomicFile.h"

#include "app/Error.h"

#include <cerrno>
#include <random>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace stellaform {
namespace {

std::string randomSuffix()
{
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix;
    auto bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix += kDigits[bits & 0xF];
    return suffix;
}

// The standard library can flush to the operating system but not to the
// disk; without this a power cut after the rename may leave an empty file.
bool syncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

void syncFolder([[maybe_unused]] const std::filesystem::path& folder)
{
#ifndef _WIN32
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#endif
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target)
    : m_target(std::move(target))
{
    // A name of fixed length, so that a target whose own name is near the
    // file system's limit can still be written.
    const std::filesystem::path folder = m_target.parent_path();
    for (int attempt = 0; attempt < 16 && m_file == nullptr; ++attempt) {
        m_temporaryPath = folder / (".stellaform-" + randomSuffix() + ".tmp");
        // "x" creates the file only if it does not exist yet.
        m_file = std::fopen(m_temporaryPath.string().c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST)
            break;
    }
    if (m_file == nullptr)
        throw cannotCreateFile(m_temporaryPath);

    std::error_code ignored;
    const auto oldStatus = std::filesystem::status(m_target, ignored);
    if (std::filesystem::is_regular_file(oldStatus))
        std::filesystem::permissions(m_temporaryPath, oldStatus.permissions(), ignored);
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::write(std::string_view bytes)
{
    if (m_file == nullptr || m_failed)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        m_failed = true;
    return !m_failed;
}

void AtomicFile::commit()
{
    if (m_file == nullptr)
        throw cannotCreateFile(m_target);
    const bool written = !m_failed && std::fflush(m_file) == 0 && syncToDisk(m_file);
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(m_temporaryPath, m_target, error);
    if (!written || !closed || error) {
        discard();
        throw cannotCreateFile(m_target);
    }
    m_temporaryPath.clear();
    syncFolder(m_target.parent_path());
}

void AtomicFile::discard()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporaryPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_temporaryPath, ignored);
        m_temporaryPath.clear();
    }
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    try {
        AtomicFile file(target);
        file.write(bytes);
        file.commit();
    } catch (const Error&) {
        throw cannotCreateFile(target);
    }
}

} // namespace stellaform
