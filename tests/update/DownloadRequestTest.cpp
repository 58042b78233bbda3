#include "update/DownloadRequest.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stellaform {

void PrintTo(const DownloadHost& host, std::ostream* out)
{
    *out << host.name << " port " << host.port;
}

namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

TEST(DrawingsDownloadPath, IsTheLotteryNameInTheDownloadFolder)
{
    EXPECT_EQ(drawingsDownloadPath("PowerballPB553"), "/download2/drawingsdownload/PowerballPB553.Txt");
    EXPECT_EQ(drawingsDownloadPath("Lotto649"), "/download2/drawingsdownload/Lotto649.Txt");
    EXPECT_EQ(drawingsDownloadPath(""), "/download2/drawingsdownload/.Txt");
}

TEST(DrawingsDownloadPath, EscapesEveryByteAPathSegmentDoesNotAllow)
{
    EXPECT_EQ(drawingsDownloadPath("Az09-._~"), "/download2/drawingsdownload/Az09-._~.Txt");
    EXPECT_EQ(drawingsDownloadPath("Euro Jackpot"), "/download2/drawingsdownload/Euro%20Jackpot.Txt");
    EXPECT_EQ(drawingsDownloadPath("../a/b\\c"), "/download2/drawingsdownload/..%2Fa%2Fb%5Cc.Txt");
    EXPECT_EQ(drawingsDownloadPath("50%?#&+"), "/download2/drawingsdownload/50%25%3F%23%26%2B.Txt");
    EXPECT_EQ(drawingsDownloadPath("Loto\xE9\x01\xFF"), "/download2/drawingsdownload/Loto%E9%01%FF.Txt");
}

TEST(DrawingsDownloadUrl, NamesThePortOnlyWhenItIsNotTheHttpPort)
{
    EXPECT_EQ(drawingsDownloadUrl(DownloadHost{"www.quorvane.example"}, "PowerballPB553"),
              "http://www.quorvane.example/download2/drawingsdownload/PowerballPB553.Txt");
    EXPECT_EQ(drawingsDownloadUrl(DownloadHost{"127.0.0.1", 8080}, "Lotto649"),
              "http://127.0.0.1:8080/download2/drawingsdownload/Lotto649.Txt");
    EXPECT_EQ(drawingsDownloadUrl(DownloadHost{"::1", 81}, "Lotto649"),
              "http://[::1]:81/download2/drawingsdownload/Lotto649.Txt");
}

struct HostCase {
    const char* text;
    std::optional<DownloadHost> expected;
};

class DownloadHostText : public testing::TestWithParam<HostCase> { };

TEST_P(DownloadHostText, IsAHostWithAnOptionalPort)
{
    EXPECT_EQ(parseDownloadHost(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DownloadHostText,
                         testing::Values(HostCase{"drawings.example.org", DownloadHost{"drawings.example.org", 80}},
                                         HostCase{"localhost:8080", DownloadHost{"localhost", 8080}},
                                         HostCase{"127.0.0.1:1", DownloadHost{"127.0.0.1", 1}},
                                         HostCase{"10.0.0.2:65535", DownloadHost{"10.0.0.2", 65535}},
                                         HostCase{"[::1]", DownloadHost{"::1", 80}},
                                         HostCase{"[::1]:8080", DownloadHost{"::1", 8080}}, HostCase{"", std::nullopt},
                                         HostCase{":80", std::nullopt}, HostCase{"host:", std::nullopt},
                                         HostCase{"host:0", std::nullopt}, HostCase{"host:65536", std::nullopt},
                                         HostCase{"host:080080", std::nullopt}, HostCase{"host:8o", std::nullopt},
                                         HostCase{"host:+80", std::nullopt}, HostCase{"host:80:81", std::nullopt},
                                         HostCase{"two words", std::nullopt}, HostCase{"http://host", std::nullopt},
                                         HostCase{"host/path", std::nullopt}, HostCase{"user@host", std::nullopt},
                                         HostCase{"::1", std::nullopt}, HostCase{"[::1", std::nullopt},
                                         HostCase{"[]:80", std::nullopt}, HostCase{"[::1]8080", std::nullopt},
                                         HostCase{"[host]", std::nullopt}));

TEST(DownloadHostSetting, IsTheBuiltInServerUnlessTheSettingsNameAnother)
{
    TempFolder folder;
    const SettingsFile settings(folder / "SystemSet.ini");
    EXPECT_EQ(downloadHost(settings), (DownloadHost{"www.quorvane.example", 80}));
    EXPECT_FALSE(std::filesystem::exists(folder / "SystemSet.ini"));

    writeBytes(folder / "SystemSet.ini", "[option]\r\nLotteryName=Lotto649\r\nupdatehost = 127.0.0.1:5000 \r\n");
    EXPECT_EQ(downloadHost(settings), (DownloadHost{"127.0.0.1", 5000}));
    EXPECT_EQ(readBytes(folder / "SystemSet.ini"),
              "[option]\r\nLotteryName=Lotto649\r\nupdatehost = 127.0.0.1:5000 \r\n");

    for (const char* malformed : {"", "127.0.0.1:http", "\"\""}) {
        writeBytes(folder / "SystemSet.ini", std::string("[Option]\r\nUpdateHost=") + malformed + "\r\n");
        EXPECT_EQ(downloadHost(settings), (DownloadHost{"www.quorvane.example", 80})) << malformed;
    }
}

TEST(DownloadSuccess, IsATwoHundredAnswerWithoutLocation)
{
    for (const int status : {200, 201, 204, 206, 299})
        EXPECT_TRUE(isSuccessfulDownload(status, false)) << status;
    for (const int status : {0, 100, 199, 300, 301, 302, 304, 307, 400, 404, 500})
        EXPECT_FALSE(isSuccessfulDownload(status, false)) << status;
    EXPECT_FALSE(isSuccessfulDownload(200, true));
    EXPECT_FALSE(isSuccessfulDownload(302, true));
}

} // namespace
} // namespace stellaform
