// Placeholder until the report writer lands.
#include "results/report_writer.h"
namespace tessaro {
std::string OneRunScoreLine(int) { return {}; }
std::string PerRunScoreLine(int) { return {}; }
std::string AverageLine(int) { return {}; }
std::string FormatStamp(const LocalTime&) { return {}; }
std::string FormatStartedText(MainWindow&, const LocalTime&) { return {}; }
void BeginReport(MainWindow&) {}
void AddReportLine(MainWindow&, const std::string&) {}
void FinishBatch(MainWindow&) {}
std::string ReportFilePath(const std::string&, const std::string&) { return {}; }
std::string EncodeReport(const std::vector<std::string>&) { return {}; }
std::string ToWindows1252(const std::string&) { return {}; }
}  // namespace tessaro
