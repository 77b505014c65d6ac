// The stand-in Steam client's decisions: what it is asked, what it records, what it starts.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include "standin/core/steam_client.h"
#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

using Kind = SteamRequest::Kind;

TEST(StandinSteam, RequestsAsTheBatchSendsThem) {
    struct Case {
        const char* commandLine;
        Kind kind;
        const char* gameArguments;
    } cases[] = {
        {"c:/program files/steam/steam.exe", Kind::Resident, ""},
        {"\"C:\\Steam\\steam.exe\"  ", Kind::Resident, ""},
        {"c:/program files/steam/steam.exe -silent -applaunch 13210 CTF-Strident?numplay=12 "
         "-seconds=34 -ResX=1920 -onethread",
         Kind::AppLaunch, "CTF-Strident?numplay=12 -seconds=34 -ResX=1920 -onethread"},
        {"steam.exe -silent -applaunch 13210  two  blanks ", Kind::AppLaunch, " two  blanks "},
        {"steam.exe -silent -applaunch 13210", Kind::AppLaunch, ""},
        {"steam.exe -silent -applaunch 132100 x", Kind::Unknown, ""},
        {"steam.exe -applaunch 13210 x", Kind::Unknown, ""},
        {"steam.exe -silent -applaunch 440 x", Kind::Unknown, ""},
        {"steam.exe -shutdown", Kind::Unknown, ""},
    };
    for (const Case& c : cases) {
        SteamRequest request = ParseSteamArguments(ArgumentsTail(c.commandLine));
        EXPECT_EQ(request.kind, c.kind) << c.commandLine;
        EXPECT_EQ(request.gameArguments, c.gameArguments) << c.commandLine;
    }
}

TEST(StandinSteam, RecordsItsFolderWithForwardSlashes) {
    EXPECT_EQ(SteamPathValue("C:\\Program Files\\Steam\\"), "C:/Program Files/Steam");
    EXPECT_EQ(SteamPathValue("c:/program files/steam"), "c:/program files/steam");
    EXPECT_EQ(SteamPathValue("D:\\"), "D:");
}

TEST(StandinSteam, TheGameComesFromTheFirstLineOfItsFile) {
    EXPECT_EQ(GamePathFromFile("  C:\\Games\\UT3\\Binaries\\UT3.exe \r\nsecond\r\n"),
              "C:\\Games\\UT3\\Binaries\\UT3.exe");
    EXPECT_EQ(GamePathFromFile("\xEF\xBB\xBF"
                               "C:\\UT3.exe"),
              "C:\\UT3.exe");
    EXPECT_EQ(GamePathFromFile(""), std::nullopt);
    EXPECT_EQ(GamePathFromFile("   \nC:\\UT3.exe"), std::nullopt);
}

TEST(StandinSteam, StartsTheGameWithTheArgumentsAsReceived) {
    EXPECT_EQ(GameCommandLine("C:\\Program Files\\UT3\\UT3.exe", "DM-Arsenal -seconds=5"),
              "C:\\Program Files\\UT3\\UT3.exe DM-Arsenal -seconds=5");
    EXPECT_EQ(GameFolder("C:\\Program Files\\UT3\\UT3.exe"), "C:\\Program Files\\UT3\\");
    EXPECT_EQ(GameFolder("C:/Games/UT3.exe"), "C:/Games/");
    EXPECT_EQ(GameFolder("UT3.exe"), "");
}

}  // namespace
}  // namespace tessaro::standin
#endif
