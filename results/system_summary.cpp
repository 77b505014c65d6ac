#include "results/system_summary.h"

#include <exception>

#include "ui/main_window.h"

namespace tessaro {

namespace {

// The hourglass shows for as long as the adapter is asked, however the call ends.
class BusyCursor {
  public:
    explicit BusyCursor(WindowFrame& window) : window_(window) { window_.SetBusyCursor(true); }
    ~BusyCursor() { window_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    WindowFrame& window_;
};

std::string SystemLine(const std::string& label, const std::string& text) {
    return "   <FONT size=2><b>" + label + ":</b> " + text + "</FONT><br>";
}

}  // namespace

std::string MemoryText(std::uint64_t bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

std::string GraphicsText(const std::string& adapter, std::uint32_t memoryBytes) {
    return adapter + " - " + std::to_string(memoryBytes >> 20) + " MB";
}

void cmRefresh(MainWindow& mw) {
    DisplayAdapter adapter;
    {
        BusyCursor busy(mw.ports.window);
        // A failed query is reported like a missing adapter: the batch start has
        // already changed the profile and must not be left half-way.
        try {
            adapter = mw.ports.system.RefreshDisplayAdapter();
        } catch (const std::exception&) {
            adapter = {};
        }
    }
    mw.GraphicsText = GraphicsText(adapter.name, adapter.memoryBytes);
}

std::vector<std::string> DescribeSystem(MainWindow& mw) {
    SystemInfo& sys = mw.ports.system;
    std::vector<std::string> lines;
    lines.push_back(SystemLine("Operating system", sys.OperatingSystemName()));
    lines.push_back(SystemLine("System memory", MemoryText(sys.PhysicalMemoryBytes())));
    lines.push_back(SystemLine("CPU", sys.CpuName()));
    lines.push_back("   <FONT size=2><b>CPU speed:</b> " + std::to_string(sys.CpuMegahertz()) +
                    " MHz</FONT><br>");
    cmRefresh(mw);
    lines.push_back(SystemLine("Graphics card", mw.GraphicsText));
    return lines;
}

}  // namespace tessaro
