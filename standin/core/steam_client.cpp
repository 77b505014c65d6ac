#include "standin/core/steam_client.h"

#include "standin/core/text.h"

namespace tessaro::standin {

SteamRequest ParseSteamArguments(std::string_view arguments) {
    SteamRequest request;
    if (TrimBlanks(arguments).empty()) {
        request.kind = SteamRequest::Kind::Resident;
    } else if (arguments == kAppLaunchPrefix) {
        request.kind = SteamRequest::Kind::AppLaunch;
    } else if (arguments.substr(0, kAppLaunchPrefix.size() + 1) ==
               std::string(kAppLaunchPrefix) + " ") {
        request.kind = SteamRequest::Kind::AppLaunch;
        request.gameArguments = std::string(arguments.substr(kAppLaunchPrefix.size() + 1));
    }
    return request;
}

std::string SteamPathValue(std::string_view folder) {
    std::string value(folder);
    for (char& c : value) {
        if (c == '\\')
            c = '/';
    }
    while (value.size() > 1 && value.back() == '/')
        value.pop_back();
    return value;
}

std::optional<std::string> GamePathFromFile(std::string_view fileText) {
    if (fileText.substr(0, 3) == "\xEF\xBB\xBF")
        fileText.remove_prefix(3);
    std::string_view firstLine = fileText.substr(0, fileText.find_first_of("\r\n"));
    std::string_view path = TrimBlanks(firstLine);
    if (path.empty())
        return {};
    return std::string(path);
}

std::string GameCommandLine(std::string_view gamePath, std::string_view gameArguments) {
    return std::string(gamePath) + " " + std::string(gameArguments);
}

std::string GameFolder(std::string_view gamePath) {
    size_t separator = gamePath.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string()
                                               : std::string(gamePath.substr(0, separator + 1));
}

}  // namespace tessaro::standin
