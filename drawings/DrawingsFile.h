#pragma once

#include "app/AtomicFile.h"
#include "app/LineList.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace stellaform {

// The drawings file of one lottery: drawn/<lottery name>.Txt in the program's
// folder. A lottery name holding a path separator would lead out of the
// drawings folder, and one holding a NUL would be cut short there by the
// system, naming the folder, its parent or a file without the ending. Such a
// name names no file at all: reading it fails like a missing file and writing
// it fails like a refused one, so no other file is ever touched because of a
// lottery name.
class DrawingsFile {
public:
    DrawingsFile() = default;
    DrawingsFile(const std::filesystem::path& appFolder, const std::string& lotteryName);

    // The file's full path, also shown in error messages.
    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] bool namesAFile() const { return m_namesAFile; }

    // Raises "Cannot open file <path>".
    [[nodiscard]] Lines read() const;
    // A file that cannot be read is an empty history.
    [[nodiscard]] Lines readOrNothing() const;

    // Both raise "Cannot create file <path>"; the file keeps its content then.
    void write(const Lines& lines) const;
    void replaceWith(std::string_view bytes) const;
    // For content that arrives in pieces; commit() puts it in place.
    [[nodiscard]] std::unique_ptr<AtomicFile> beginReplacement() const;

private:
    std::filesystem::path m_path;
    bool m_namesAFile = false;
};

} // namespace stellaform
