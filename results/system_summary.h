#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

struct MainWindow;

std::string MemoryText(std::uint64_t bytes);  // "%d MB" of bytes >> 20
std::string GraphicsText(const std::string& adapter, std::uint32_t memoryBytes);

// Refreshes the display adapter and recomputes the graphics text (busy cursor meanwhile).
void cmRefresh(MainWindow& mw);
// The five system lines of the report header.
std::vector<std::string> DescribeSystem(MainWindow& mw);

}  // namespace tessaro
