// The test script that makes the stand-in game report given figures or misbehave.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "standin/core/script.h"

namespace tessaro::standin {
namespace {

using Verb = ScriptStep::Verb;

TEST(StandinScript, LineForms) {
    struct Case {
        const char* line;
        Verb verb;
        double fps;
        const char* value;
    } cases[] = {
        {"fps 46.5", Verb::Fps, 46.5, ""},
        {"  FPS   1234.567 ", Verb::Fps, 1234.567, ""},
        {"fps 0", Verb::Fps, 0, ""},
        {"value 46,50", Verb::Value, 0, "46,50"},
        {"value  4 5 ", Verb::Value, 0, " 4 5 "},  // blanks are kept: they may be the point
        {"value V>46.5<", Verb::Value, 0, "V>46.5<"},
        {"value", Verb::Value, 0, ""},
        {"nomarker", Verb::NoMarker, 0, ""},
        {" nostats ", Verb::NoStats, 0, ""},
        {"Crash", Verb::Crash, 0, ""},
    };
    for (const Case& c : cases) {
        ParsedScriptStep parsed = ParseScriptStep(c.line);
        ASSERT_TRUE(parsed.ok) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.step.verb, c.verb) << c.line;
        EXPECT_EQ(parsed.step.fps, c.fps) << c.line;
        EXPECT_EQ(parsed.step.value, c.value) << c.line;
    }
}

TEST(StandinScript, RefusesUnknownLines) {
    for (const char* line :
         {"fps", "fps abc", "fps 12x", "value 12345678", "values 1", "nomarker now", "explode"}) {
        ParsedScriptStep parsed = ParseScriptStep(line);
        EXPECT_FALSE(parsed.ok) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
    }
}

TEST(StandinScript, SkipsBlankAndCommentLines) {
    EXPECT_EQ(ScriptEntries("# first\r\n\r\nfps 46.5\n   \n  # indented comment\rnostats\n\ncrash"),
              (std::vector<std::string>{"fps 46.5", "nostats", "crash"}));
}

class StandinScriptFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() /
            ("standin-script-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        script_ = folder_ / "script.txt";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::filesystem::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string UsedCount() {
        std::ifstream in(folder_ / "script.txt.used", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::filesystem::path folder_, script_;
};

TEST_F(StandinScriptFile, EachStartTakesTheNextLineUntilNoneIsLeft) {
    Write(script_, "# a batch of three\nfps 46.5\n\nnostats\ncrash\n");
    ScriptTake first = TakeNextScriptStep(script_);
    ASSERT_EQ(first.kind, ScriptTake::Kind::Step);
    EXPECT_EQ(first.step.verb, Verb::Fps);
    EXPECT_EQ(first.step.fps, 46.5);
    EXPECT_EQ(UsedCount(), "1\n");
    EXPECT_EQ(TakeNextScriptStep(script_).step.verb, Verb::NoStats);
    EXPECT_EQ(TakeNextScriptStep(script_).step.verb, Verb::Crash);
    EXPECT_EQ(UsedCount(), "3\n");
    EXPECT_EQ(TakeNextScriptStep(script_).kind, ScriptTake::Kind::Exhausted);
    EXPECT_EQ(TakeNextScriptStep(script_).kind, ScriptTake::Kind::Exhausted);
    EXPECT_EQ(UsedCount(), "3\n");
}

TEST_F(StandinScriptFile, ABadLineIsUsedUpAndReported) {
    Write(script_, "bogus\nfps 50\n");
    ScriptTake bad = TakeNextScriptStep(script_);
    EXPECT_EQ(bad.kind, ScriptTake::Kind::Bad);
    EXPECT_NE(bad.error.find("bogus"), std::string::npos);
    ScriptTake next = TakeNextScriptStep(script_);
    ASSERT_EQ(next.kind, ScriptTake::Kind::Step);
    EXPECT_EQ(next.step.fps, 50);
}

TEST_F(StandinScriptFile, AMissingScriptOrABrokenCountIsBad) {
    EXPECT_EQ(TakeNextScriptStep(script_).kind, ScriptTake::Kind::Bad);
    Write(script_, "fps 1\n");
    Write(folder_ / "script.txt.used", "many");
    EXPECT_EQ(TakeNextScriptStep(script_).kind, ScriptTake::Kind::Bad);
}

}  // namespace
}  // namespace tessaro::standin
#endif
