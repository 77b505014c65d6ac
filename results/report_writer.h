#pragma once

#include <string>
#include <vector>

#include "platform/clock.h"

namespace tessaro {

struct MainWindow;

// The report's fixed lines that the run-recording step writes.
std::string OneRunScoreLine(int score);
std::string PerRunScoreLine(int score);
std::string AverageLine(int average);
inline constexpr const char* kNoScoreLine =
    "<span class=\"style5\"><b>Score = No Score.</b></span><br>";
inline constexpr const char* kSeparatorLine = "<br><HR>";

// "hhmmss__dd_mm_yyyy" and the locale's start text.
std::string FormatStamp(const LocalTime& t);
std::string FormatStartedText(MainWindow& mw, const LocalTime& t);

void BeginReport(MainWindow& mw);
void AddReportLine(MainWindow& mw, const std::string& line);
// The batch's final step: chart picture, panel, profile restore, report file.
void FinishBatch(MainWindow& mw);

// The report file for a results-folder text and a stamp.
std::string ReportFilePath(const std::string& resultsFolder, const std::string& stamp);
// UTF-8 lines as Windows-1252 bytes, every line ended with CR LF.
std::string EncodeReport(const std::vector<std::string>& lines);
std::string ToWindows1252(const std::string& utf8);

}  // namespace tessaro
