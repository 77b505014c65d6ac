#include "standin/core/stats_page.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

// The map name is checked when the command line is read; escape it all the same, the
// page is HTML.
std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

std::string OnOff(bool on) {
    return on ? "On" : "Off";
}

std::string Resolution(const RunFacts& facts) {
    return std::to_string(facts.resX) + " x " + std::to_string(facts.resY);
}

std::string RunKind(const RunFacts& facts) {
    return facts.botmatch ? "FPS" : "FlyThrough";
}

std::string FigureText(const PageFigure& figure) {
    return figure.kind == PageFigure::Kind::Value ? figure.value : FormatTwoDecimals(figure.fps);
}

std::string FigureLine(const PageFigure& figure) {
    std::string line(kFigureCellOpen);
    line += FigureText(figure);
    // A value is the whole rest of the line, so the reader's seven characters are its own.
    if (figure.kind == PageFigure::Kind::Fps)
        line += kFigureCellClose;
    return line;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SettingsRows(const RunFacts& facts) {
    return {
        "<TR><TD>Anisotropic filtering</TD><TD>" + std::to_string(facts.settings.maxAnisotropy) +
            "</TD></TR>",
        "<TR><TD>Motion blur</TD><TD>" + OnOff(facts.settings.motionBlur) + "</TD></TR>",
        "<TR><TD>Hardware physics</TD><TD>" + OnOff(facts.settings.hardwarePhysics) + "</TD></TR>",
        "<TR><TD>HUD</TD><TD>" + OnOff(facts.settings.showHud) + "</TD></TR>",
        "<TR><TD>Render threads</TD><TD>" + std::to_string(facts.threads) + "</TD></TR>",
    };
}

std::vector<std::string> PageHead(const std::string& title) {
    return {
        "<HTML>",
        "<HEAD>",
        "<TITLE>" + title + "</TITLE>",
        "<STYLE>",
        "BODY { font-family: sans-serif; }",
        "TABLE { border-collapse: collapse; margin-bottom: 1em; }",
        "TD, TH { border: 1px solid #999; padding: 2px 8px; }",
        "</STYLE>",
        "</HEAD>",
        "<BODY>",
        "<H1>" + title + "</H1>",
    };
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

bool WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

StatsFileNames StatsFileNamesFor(std::string_view mapName, bool botmatch) {
    const std::string suffix = botmatch ? "-FPS-PC" : "-FlyThrough-PC";
    const std::string map(mapName);
    return {map + suffix + ".html", map + suffix + ".log", "Global" + suffix + ".html"};
}

std::string StatsPageText(const RunFacts& facts, const PageFigure& figure) {
    std::vector<std::string> lines =
        PageHead(Escaped(facts.mapName) + " " + RunKind(facts) + " statistics");
    // The reader takes the fifth line after the marker, or the sixth when the fifth is
    // empty: the four cells below, an empty line, then the figure.
    Append(lines, {
                      "<TABLE>",
                      "<TR CLASS=\"headRow\"><TH>Map</TH><TH>Resolution</TH><TH>Seconds</TH>"
                      "<TH>Frames</TH><TH>Frames per second</TH></TR>",
                      figure.marker ? std::string(kDataRowMarker) : "<TR CLASS=\"row\">",
                      "<TD>" + Escaped(facts.mapName) + "</TD>",
                      "<TD>" + Resolution(facts) + "</TD>",
                      "<TD>" + FormatTwoDecimals(facts.secondsElapsed) + "</TD>",
                      "<TD>" + std::to_string(facts.frames) + "</TD>",
                      "",
                      FigureLine(figure),
                      "</TR>",
                      "</TABLE>",
                      "<H2>Settings</H2>",
                      "<TABLE>",
                  });
    Append(lines, SettingsRows(facts));
    Append(lines, {"</TABLE>", "</BODY>", "</HTML>"});
    return Joined(lines);
}

std::string StatsLogText(const RunFacts& facts, const PageFigure& figure) {
    return Joined({
        "Log: " + facts.mapName + " " + RunKind(facts),
        "Log: Resolution " + Resolution(facts),
        "Log: Seconds asked " + FormatTwoDecimals(facts.secondsAsked),
        "Log: Seconds run " + FormatTwoDecimals(facts.secondsElapsed),
        "Log: Frames " + std::to_string(facts.frames),
        "Log: Measured frames per second " + FormatTwoDecimals(facts.framesPerSecond),
        "Log: Reported " + FigureText(figure),
        "Log: MaxAnisotropy " + std::to_string(facts.settings.maxAnisotropy),
        "Log: MotionBlur " + OnOff(facts.settings.motionBlur),
        "Log: HardwarePhysics " + OnOff(facts.settings.hardwarePhysics),
        "Log: ShowHud " + OnOff(facts.settings.showHud),
        "Log: Threads " + std::to_string(facts.threads),
    });
}

std::string GlobalPageText(const RunFacts& facts, const PageFigure& figure) {
    std::vector<std::string> lines = PageHead("Global " + RunKind(facts) + " statistics");
    Append(lines, {
                      "<TABLE>",
                      "<TR><TH>Map</TH><TH>Resolution</TH><TH>Frames per second</TH></TR>",
                      "<TR><TD>" + Escaped(facts.mapName) + "</TD><TD>" + Resolution(facts) +
                          "</TD><TD>" + Escaped(FigureText(figure)) + "</TD></TR>",
                      "</TABLE>",
                      "</BODY>",
                      "</HTML>",
                  });
    return Joined(lines);
}

bool WriteStatsFiles(const std::filesystem::path& statsFolder, const RunFacts& facts,
                     const PageFigure& figure) {
    std::error_code error;
    std::filesystem::create_directories(statsFolder, error);
    const StatsFileNames names = StatsFileNamesFor(facts.mapName, facts.botmatch);
    bool ok = WriteFile(statsFolder / names.page, StatsPageText(facts, figure));
    ok = WriteFile(statsFolder / names.log, StatsLogText(facts, figure)) && ok;
    ok = WriteFile(statsFolder / names.global, GlobalPageText(facts, figure)) && ok;
    return ok;
}

}  // namespace tessaro::standin
