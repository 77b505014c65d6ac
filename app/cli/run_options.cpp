#include "app/cli/run_options.h"

#include <charconv>

#include "engine/demo_catalogue.h"
#include "engine/resolution_slots.h"
#include "settings/profile_paths.h"
#include "ui/main_window.h"

namespace tessaro {
namespace {

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> InRange(const std::string& text, int low, int high) {
    auto n = WholeNumber(text);
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return n;
}

std::optional<int> DemoItem(const std::string& nameOrPosition) {
    if (auto position = InRange(nameOrPosition, 1, 35))
        return *position - 1;
    for (const Demo& demo : DemoCatalogue())
        if (nameOrPosition == demo.DisplayName)
            return demo.Position - 1;
    return std::nullopt;
}

std::optional<std::vector<int>> ResItems(const std::string& tags) {
    std::vector<int> items;
    std::size_t start = 0;
    while (start <= tags.size()) {
        std::size_t comma = tags.find(',', start);
        std::string tag = tags.substr(start, comma == std::string::npos ? comma : comma - start);
        const ResolutionSlot* slot = SlotByTag(tag);
        if (!slot || IsCustom(*slot))
            return std::nullopt;
        items.push_back(slot->ResItem);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

std::optional<std::pair<std::string, std::string>> CustomSize(const std::string& text) {
    auto x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size())
        return std::nullopt;
    return std::pair{text.substr(0, x), text.substr(x + 1)};
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// As the results folder's browse button keeps it: a trailing separator, except
// on a drive root, which has its own.
std::string ResultsFolderText(const std::string& folder) {
    if (folder.size() > 3 && folder.back() != '\\')
        return folder + "\\";
    return folder;
}

// The note field holds 50 characters, not bytes.
std::string FirstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        bool starts = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (starts && chars++ == count)
            return utf8.substr(0, i);
    }
    return utf8;
}

}  // namespace

ParsedRunOptions ParseRunOptions(const std::vector<std::string>& args) {
    ParsedRunOptions parsed;
    RunOptions& o = parsed.options;
    auto fail = [&](const std::string& message) {
        parsed.error = message;
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (a == "--physics") {
            o.physics = true;
        } else if (a == "--motion-blur") {
            o.motionBlur = true;
        } else if (a == "--botmatch") {
            o.botmatch = true;
        } else if (a == "--onethread") {
            o.oneThread = true;
        } else if (a == "--dry-run") {
            o.dryRun = true;
        } else if (a == "--no-open") {
            o.noOpen = true;
        } else if (a == "--figures") {
            o.figures = true;
        } else if (a == "--demo" || a == "--res" || a == "--custom" || a == "--runs" ||
                   a == "--af" || a == "--edition" || a == "--game" || a == "--steam-folder" ||
                   a == "--results" || a == "--note" || a == "--repeat") {
            auto v = value();
            if (!v)
                return fail(a + " needs a value");
            if (a == "--demo") {
                if (!(o.demoItem = DemoItem(*v)))
                    return fail("unknown demo: " + *v);
            } else if (a == "--res") {
                if (!(o.resItems = ResItems(*v)))
                    return fail("unknown resolution tag in: " + *v);
            } else if (a == "--custom") {
                if (!(o.custom = CustomSize(*v)))
                    return fail("--custom takes WIDTHxHEIGHT: " + *v);
            } else if (a == "--runs") {
                if (!(o.runs = InRange(*v, 1, 5)))
                    return fail("--runs takes 1 to 5: " + *v);
            } else if (a == "--af") {
                if (!(o.af = InRange(*v, 0, 3)))
                    return fail("--af takes 0 to 3: " + *v);
            } else if (a == "--edition") {
                if (*v != "DVD" && *v != "Steam")
                    return fail("--edition takes DVD or Steam: " + *v);
                o.edition = *v;
            } else if (a == "--repeat") {
                auto n = InRange(*v, 1, 100000);
                if (!n)
                    return fail("--repeat takes a positive number: " + *v);
                o.repeat = *n;
            } else if (a == "--game") {
                o.game = *v;
            } else if (a == "--steam-folder") {
                o.steamFolder = *v;
            } else if (a == "--results") {
                o.results = *v;
            } else {
                o.note = *v;
            }
        } else {
            return fail("unknown option: " + a);
        }
    }
    return parsed;
}

void ApplyRunOptions(const RunOptions& o, MainWindow& mw) {
    MainControls& c = mw.controls;
    if (o.demoItem)
        c.demo = *o.demoItem;
    if (o.resItems) {
        for (TickBox& item : c.res)
            item.ticked = false;
        for (int item : *o.resItems) {
            auto& box = c.res[static_cast<std::size_t>(item)];
            box.ticked = box.enabled;
        }
    }
    if (o.custom) {
        c.cusresbox.ticked = true;
        c.CustomFieldsEnabled = true;
        c.CusWidth = o.custom->first;
        c.CusHeight = o.custom->second;
    }
    if (o.runs) {
        c.RunNumberBox = *o.runs - 1;
        mw.RunsPerSlot = *o.runs;
    }
    if (o.af)
        c.AFBox = *o.af;
    if (o.physics)
        c.HPhyBox.ticked = true;
    if (o.motionBlur)
        c.MBlurBox.ticked = true;
    if (o.botmatch)
        c.BOTBox.ticked = true;
    if (o.oneThread)
        mw.OneThread = true;
    if (o.edition) {
        mw.GameEdition = *o.edition;
        c.UT3TypeBox = *o.edition == "Steam" ? 1 : 0;
    }
    c.EditionPanelVisible = false;
    if (o.game) {
        // As the executable's browse button takes it, without storing it.
        c.UT3PathEdit = *o.game;
        c.UT3PathEditRed = false;
        mw.locations.GameExePath = *o.game;
        mw.locations.GameFolder = FolderOf(*o.game);
        DeriveProfilePaths(mw);
    }
    if (o.steamFolder)
        mw.locations.SteamFolder = *o.steamFolder + "/";
    if (o.results)
        c.ResEdit = ResultsFolderText(*o.results);
    if (o.note)
        c.NoteEdit = FirstCharacters(*o.note, kNoteMaxLength);
}

}  // namespace tessaro
