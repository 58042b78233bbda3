#pragma once

#include "app/Main.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowTest.h"

#include <filesystem>
#include <memory>

namespace stellaform::test {

inline constexpr const char* kThreeDrawings =
    "1/1/2009 1 2 3 4 5 6\r\n1/2/2009 7 8 9 10 11 12\r\n1/3/2009 13 14 15 16 17 18\r\n";

// An installation whose current lottery has three drawings, and its main
// window, shown.
class ThreeDrawingsInstallation {
public:
    ThreeDrawingsInstallation()
        : appFolder(makeInstallation(folder, Skin))
        , drawings(folder / "drawn" / "PowerballPB553.Txt")
    {
        writeBytes(drawings, kThreeDrawings);
        window = std::make_unique<TMainForm>(appFolder);
        window->show();
    }

    TempFolder folder;
    std::filesystem::path appFolder;
    std::filesystem::path drawings;
    std::unique_ptr<TMainForm> window;
};

} // namespace stellaform::test
