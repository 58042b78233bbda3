#include "app/Ansi.h"
#include "app/AppFolder.h"
#include "drawings/DrawingsFile.h"
#include "tests/fuzz/FuzzInput.h"

// Input: a lottery name, as a settings file or a catalog line could give it.
// Only paths are built; no file is touched.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace stellaform;
    const std::string name(fuzz::textOf(data, size));
    const std::filesystem::path appFolder = "/stellaform-fuzz/app/";
    const DrawingsFile file(appFolder, name);

    if (name.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos)
        fuzz::check(file.namesAFile(), "a plain name was refused");
    if (!file.namesAFile())
        return 0;

    // The operating system reads a path up to its first NUL.
    const std::filesystem::path opened(file.path().c_str());
    fuzz::check(opened.parent_path() == drawingsFolder(appFolder).parent_path(),
                "an accepted name leads out of the drawings folder");
    fuzz::check(opened.filename() == pathFromAnsi(name + ".Txt"), "an accepted name opens another file");
    return 0;
}
