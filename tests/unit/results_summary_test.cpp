#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_ports.h"
#include "results/system_summary.h"

namespace tessaro::fakes {
namespace {

TEST(SystemSummary, MemoryAndGraphicsArithmetic) {
    EXPECT_EQ(MemoryText(2146942976ull), "2047 MB");
    EXPECT_EQ(MemoryText(4294967296ull), "4096 MB");
    EXPECT_EQ(MemoryText(17179869184ull), "16384 MB");  // not cut to 32 bits
    EXPECT_EQ(GraphicsText("GeForce", 268435456u), "GeForce - 256 MB");
    EXPECT_EQ(GraphicsText("Radeon", 3221225472u), "Radeon - 3072 MB");  // read as unsigned
    EXPECT_EQ(GraphicsText("", 0), " - 0 MB");
}

TEST(SystemSummary, FiveLinesInOrderWithTheRawCpuName) {
    FakeWorld w;
    w.system.memory = 2146942976ull;
    w.system.cpu = "   Intel(R) Pentium(R) 4";
    w.system.adapter = {"Radeon HD 4870", 3221225472u};
    const std::vector<std::string> expected = {
        "   <FONT size=2><b>Operating system:</b> Microsoft Windows 10 Pro</FONT><br>",
        "   <FONT size=2><b>System memory:</b> 2047 MB</FONT><br>",
        "   <FONT size=2><b>CPU:</b>    Intel(R) Pentium(R) 4</FONT><br>",
        "   <FONT size=2><b>CPU speed:</b> 2394 MHz</FONT><br>",
        "   <FONT size=2><b>Graphics card:</b> Radeon HD 4870 - 3072 MB</FONT><br>",
    };
    EXPECT_EQ(DescribeSystem(w.mw), expected);
    EXPECT_EQ(w.mw.GraphicsText, "Radeon HD 4870 - 3072 MB");
    EXPECT_EQ(w.window.busy, (std::vector<bool>{true, false}));
}

class FailingSystemInfo : public FakeSystemInfo {
  public:
    DisplayAdapter RefreshDisplayAdapter() override { throw std::runtime_error("no adapter"); }
};

TEST(SystemSummary, FailedRefreshRestoresTheCursorAndReadsAsNoAdapter) {
    FakeWorld w;
    FailingSystemInfo failing;
    Ports ports{w.clock,  w.locale,    w.events,      w.dialogs,     w.files,
                w.ini,    w.processes, w.processList, w.shell,       failing,
                w.window, w.canvases,  w.registry,    w.displayModes};
    MainWindow mw(ports);
    mw.GraphicsText = "stale - 1 MB";
    cmRefresh(mw);
    EXPECT_EQ(w.window.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(mw.GraphicsText, " - 0 MB");
}

}  // namespace
}  // namespace tessaro::fakes
