#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace stellaform {

// A whole-file replacement that never leaves a torn file behind: the new
// content goes to a uniquely named hidden sibling of the target, which is
// flushed to disk and then renamed over the target. Until commit() succeeds
// the target keeps its former content; an uncommitted sibling is removed.
class AtomicFile {
public:
    // Raises "Cannot create file <sibling>" when the sibling cannot be made.
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Returns false once a write has failed; commit() then raises.
    bool write(std::string_view bytes);

    // Raises "Cannot create file <target>" when the content cannot be put in place.
    void commit();

    [[nodiscard]] const std::filesystem::path& temporaryPath() const { return m_temporaryPath; }

private:
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporaryPath;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

// Replaces the file at `target` with `bytes`; raises "Cannot create file <target>".
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace stellaform
