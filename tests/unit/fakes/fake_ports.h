#pragma once

// Hand-written fakes of every platform interface. They keep the real rules (a
// registry key may be missing, opening without creation fails, a folder rename
// fails onto an existing folder) and record what the core asked of them.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/main_window.h"

namespace tessaro::fakes {

// Windows paths: letter case ignored, a doubled separator taken as one, a trailing
// separator ignored.
inline std::string NormalisePath(const std::string& path) {
    std::string out;
    for (char c : path) {
        char ch = c == '/' ? '\\' : c;
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
        if (ch == '\\' && !out.empty() && out.back() == '\\')
            continue;
        out += ch;
    }
    while (out.size() > 1 && out.back() == '\\')
        out.pop_back();
    return out;
}

class FakeClock : public Clock {
  public:
    std::vector<int> sleeps;
    LocalTime now{2009, 12, 9, 14, 30, 5};
    std::function<void(int)> onSleep;  // lets a test act "during" a wait
    void Sleep(int ms) override {
        sleeps.push_back(ms);
        if (onSleep)
            onSleep(ms);
    }
    LocalTime Now() override { return now; }
    int TotalSlept() const {
        int t = 0;
        for (int s : sleeps)
            t += s;
        return t;
    }
};

class FakeLocale : public Locale {
  public:
    std::string separator = ".";
    std::string ShortDate(const LocalTime& t) override {
        char b[32];
        std::snprintf(b, sizeof b, "%02d/%02d/%04d", t.day, t.month, t.year);
        return b;
    }
    std::string LongTime(const LocalTime& t) override {
        char b[32];
        std::snprintf(b, sizeof b, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        return b;
    }
    std::string DecimalSeparator() override { return separator; }
};

class FakeEventLoop : public EventLoop {
  public:
    int processed = 0;
    std::function<void()> onProcess;
    void ProcessMessages() override {
        ++processed;
        if (onProcess)
            onProcess();
    }
};

class FakeDialogs : public Dialogs {
  public:
    std::vector<TaskDialogSpec> taskDialogs;
    std::vector<std::string> messages;
    std::vector<TaskDialogAnswer> answers;  // used in order; then the default button
    TaskDialogAnswer ShowTaskDialog(const TaskDialogSpec& dialog) override {
        taskDialogs.push_back(dialog);
        if (!answers.empty()) {
            TaskDialogAnswer a = answers.front();
            answers.erase(answers.begin());
            return a;
        }
        TaskDialogAnswer a;
        a.button = dialog.defaultButton != 0 ? dialog.defaultButton : kDialogOk;
        a.verificationChecked = dialog.verificationChecked;
        return a;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

class FakeFileSystem : public FileSystem {
  public:
    struct Entry {
        std::string path;  // as first written
        std::string bytes;
    };
    std::map<std::string, Entry> files;  // by normalised path
    std::set<std::string> folders;       // normalised
    std::set<std::string> readOnlyFolders;
    std::vector<std::string> log;  // "move a -> b", "delete a", ...

    void AddFolder(const std::string& path) {
        // Parents exist as well.
        std::string n = NormalisePath(path);
        for (std::size_t i = 0; i <= n.size(); ++i)
            if (i == n.size() || n[i] == '\\')
                folders.insert(n.substr(0, i));
    }
    void AddFile(const std::string& path, const std::string& bytes) {
        AddFolder(Parent(path));
        files[NormalisePath(path)] = Entry{path, bytes};
    }
    std::optional<std::string> Bytes(const std::string& path) const {
        auto it = files.find(NormalisePath(path));
        if (it == files.end())
            return std::nullopt;
        return it->second.bytes;
    }
    static std::string Parent(const std::string& path) {
        std::string n = path;
        while (!n.empty() && (n.back() == '\\' || n.back() == '/'))
            n.pop_back();
        auto p = n.find_last_of("\\/");
        return p == std::string::npos ? std::string() : n.substr(0, p);
    }
    bool ParentWritable(const std::string& path) const {
        std::string parent = NormalisePath(Parent(path));
        return folders.count(parent) && !readOnlyFolders.count(parent);
    }

    bool FileExists(const std::string& path) override {
        return files.count(NormalisePath(path)) > 0;
    }
    bool FolderExists(const std::string& path) override {
        return !path.empty() && folders.count(NormalisePath(path)) > 0;
    }
    std::optional<std::string> ReadFile(const std::string& path) override { return Bytes(path); }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        log.push_back("write " + path);
        if (!ParentWritable(path))
            return false;
        files[NormalisePath(path)] = Entry{path, bytes};
        return true;
    }
    bool DeleteFile(const std::string& path) override {
        log.push_back("delete " + path);
        return files.erase(NormalisePath(path)) > 0;
    }
    bool MoveFile(const std::string& from, const std::string& to) override {
        log.push_back("move " + from + " -> " + to);
        auto b = Bytes(from);
        if (!b || !ParentWritable(to))
            return false;
        files.erase(NormalisePath(from));
        files[NormalisePath(to)] = Entry{to, *b};
        return true;
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        log.push_back("copy " + from + " -> " + to);
        auto b = Bytes(from);
        if (!b || !ParentWritable(to))
            return false;
        files[NormalisePath(to)] = Entry{to, *b};
        return true;
    }
    bool RenameFolder(const std::string& from, const std::string& to) override {
        log.push_back("rename " + from + " -> " + to);
        std::string f = NormalisePath(from), t = NormalisePath(to);
        if (!folders.count(f) || folders.count(t))
            return false;
        std::map<std::string, Entry> movedFiles;
        for (auto it = files.begin(); it != files.end();) {
            if (it->first.rfind(f + "\\", 0) == 0) {
                movedFiles[t + it->first.substr(f.size())] = it->second;
                it = files.erase(it);
            } else {
                ++it;
            }
        }
        std::set<std::string> movedFolders;
        for (auto it = folders.begin(); it != folders.end();) {
            if (*it == f || it->rfind(f + "\\", 0) == 0) {
                movedFolders.insert(t + it->substr(f.size()));
                it = folders.erase(it);
            } else {
                ++it;
            }
        }
        files.merge(movedFiles);
        folders.merge(movedFolders);
        return true;
    }
    bool CreateFolder(const std::string& path) override {
        log.push_back("mkdir " + path);
        std::string n = NormalisePath(path);
        if (folders.count(n) || !folders.count(NormalisePath(Parent(path))))
            return false;
        folders.insert(n);
        return true;
    }
    bool RemoveFolder(const std::string& path) override {
        log.push_back("rmdir " + path);
        std::string n = NormalisePath(path);
        if (!folders.count(n))
            return false;
        for (auto& [k, v] : files)
            if (k.rfind(n + "\\", 0) == 0)
                return false;
        for (auto& k : folders)
            if (k.rfind(n + "\\", 0) == 0)
                return false;
        folders.erase(n);
        return true;
    }
};

// The private-profile write on the fake file system: replaces the key's value in
// its section, adds the key at the section's end or the section at the file's end.
class FakeIniFile : public IniFile {
  public:
    explicit FakeIniFile(FakeFileSystem& fs) : fs_(fs) {}
    std::vector<std::string> writes;  // "file|section|key|value"

    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back(file + "|" + section + "|" + key + "|" + value);
        std::string text = fs_.Bytes(file).value_or("");
        std::vector<std::string> lines;
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t e = text.find('\n', pos);
            std::string line =
                text.substr(pos, e == std::string::npos ? std::string::npos : e - pos);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            if (e == std::string::npos)
                break;
            pos = e + 1;
        }
        auto lower = [](std::string s) {
            for (auto& c : s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        std::size_t sectionLine = lines.size();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lower(lines[i]) == lower("[" + section + "]")) {
                sectionLine = i;
                break;
            }
        if (sectionLine == lines.size()) {
            lines.push_back("[" + section + "]");
            lines.push_back(key + "=" + value);
        } else {
            std::size_t end = sectionLine + 1;
            bool replaced = false;
            for (; end < lines.size() && (lines[end].empty() || lines[end][0] != '['); ++end) {
                auto eq = lines[end].find('=');
                if (eq != std::string::npos && lower(lines[end].substr(0, eq)) == lower(key)) {
                    lines[end] = key + "=" + value;
                    replaced = true;
                    break;
                }
            }
            if (!replaced) {
                std::size_t at = end;
                while (at > sectionLine + 1 && lines[at - 1].empty())
                    --at;
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + value);
            }
        }
        std::string out;
        for (auto& l : lines)
            out += l + "\r\n";
        fs_.AddFolder(FakeFileSystem::Parent(file));
        fs_.files[NormalisePath(file)] = FakeFileSystem::Entry{file, out};
        return true;
    }

  private:
    FakeFileSystem& fs_;
};

class FakeProcessLauncher : public ProcessLauncher {
  public:
    struct Start {
        std::string commandLine, workingFolder;
        bool watched;
    };
    std::vector<Start> starts;
    std::vector<std::function<void()>> pendingEnds;  // end callbacks not yet fired
    bool failWatched = false;
    bool failIdle = false;

    StartOutcome StartWatched(const std::string& commandLine, const std::string& workingFolder,
                              std::function<void()> onEnd) override {
        starts.push_back({commandLine, workingFolder, true});
        if (failWatched)
            return {false, "The system cannot find the file specified."};
        pendingEnds.push_back(std::move(onEnd));
        return {true, ""};
    }
    StartOutcome StartAndWaitUntilIdle(const std::string& commandLine,
                                       const std::string& workingFolder) override {
        starts.push_back({commandLine, workingFolder, false});
        if (failIdle)
            return {false, "The system cannot find the file specified."};
        return {true, ""};
    }
    // Ends the oldest running process: its end event runs now, as the UI thread would.
    bool EndOne() {
        if (pendingEnds.empty())
            return false;
        auto f = std::move(pendingEnds.front());
        pendingEnds.erase(pendingEnds.begin());
        f();
        return true;
    }
};

class FakeProcessList : public ProcessList {
  public:
    std::optional<std::vector<std::string>> names = std::vector<std::string>{};
    std::function<bool(const std::string&)> running = [](const std::string&) { return false; };
    std::vector<std::string> lookups;
    std::optional<std::vector<std::string>> ImageNames() override {
        lookups.push_back("*");
        return names;
    }
    bool FirstIsRunning(const std::string& imageName) override {
        lookups.push_back(imageName);
        return running(imageName);
    }
};

class FakeShell : public Shell {
  public:
    std::vector<std::string> opened;
    std::string documents = "C:\\users\\tester\\Documents\\";
    bool failOpen = false;
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return !failOpen;
    }
    std::string DocumentsFolder() override { return documents; }
};

class FakeSystemInfo : public SystemInfo {
  public:
    std::string os = "Microsoft Windows 10 Pro";
    std::uint64_t memory = 4294967296ull;
    std::string cpu = "Intel(R) Core(TM)2 Duo CPU";
    std::uint32_t mhz = 2394;
    DisplayAdapter adapter{"NVIDIA GeForce 8800 GT", 536870912u};
    int refreshes = 0;
    std::string OperatingSystemName() override { return os; }
    std::uint64_t PhysicalMemoryBytes() override { return memory; }
    std::string CpuName() override { return cpu; }
    std::uint32_t CpuMegahertz() override { return mhz; }
    DisplayAdapter RefreshDisplayAdapter() override {
        ++refreshes;
        return adapter;
    }
};

class FakeWindowFrame : public WindowFrame {
  public:
    WindowRect rect{100, 50, 710, 485};
    std::vector<WindowRect> setBounds;  // as left, top, right, bottom
    int repaints = 0;
    std::vector<bool> busy;
    WindowRect NormalRect() override { return rect; }
    void SetBounds(int width, int height, int left, int top) override {
        rect = {left, top, left + width, top + height};
        setBounds.push_back(rect);
    }
    void Repaint() override { ++repaints; }
    void SetBusyCursor(bool b) override { busy.push_back(b); }
};

// A raster canvas: rectangles and lines are painted; text is recorded and painted
// as a block of its colour, 6 pixels a character.
class FakeCanvas : public Canvas {
  public:
    struct TextCall {
        int x, y;
        std::string text;
        FontSpec font;
        Rgb colour;
        bool vertical;
    };
    FakeCanvas(int w, int h)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h * 3), 0) {}
    int width, height;
    std::vector<std::uint8_t> pixels;
    std::vector<TextCall> texts;

    void Set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        auto i = static_cast<std::size_t>((y * width + x) * 3);
        pixels[i] = c.r;
        pixels[i + 1] = c.g;
        pixels[i + 2] = c.b;
    }
    Rgb At(int x, int y) const {
        auto i = static_cast<std::size_t>((y * width + x) * 3);
        return {pixels[i], pixels[i + 1], pixels[i + 2]};
    }
    void FillRect(int x, int y, int w, int h, Rgb c) override {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                Set(i, j, c);
    }
    void Line(int x1, int y1, int x2, int y2, Rgb c) override {
        int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int s = 0; s <= steps; ++s) {
            int x = steps ? x1 + (x2 - x1) * s / steps : x1;
            int y = steps ? y1 + (y2 - y1) * s / steps : y1;
            Set(x, y, c);
        }
    }
    void Text(int x, int y, const std::string& text, const FontSpec& font, Rgb colour,
              TextAlign align) override {
        int w = TextWidth(text, font);
        int left = align == TextAlign::Left ? x : align == TextAlign::Center ? x - w / 2 : x - w;
        texts.push_back({left, y, text, font, colour, false});
    }
    void VerticalText(int x, int y, const std::string& text, const FontSpec& font,
                      Rgb colour) override {
        texts.push_back({x, y, text, font, colour, true});
    }
    int TextWidth(const std::string& text, const FontSpec&) override {
        return static_cast<int>(text.size()) * 6;
    }
    std::vector<std::uint8_t> Pixels() override { return pixels; }
};

class FakeCanvasFactory : public CanvasFactory {
  public:
    FakeCanvas* last = nullptr;  // the canvas most recently created
    std::unique_ptr<Canvas> Create(int width, int height) override {
        auto c = std::make_unique<FakeCanvas>(width, height);
        last = c.get();
        return c;
    }
};

// The registry's rules: a key opens without creation only when it exists; values of
// another type read as missing; writes without an open key, or into a key a test has
// made read-only, fail.
class FakeRegistry : public Registry {
  public:
    struct Value {
        std::string data;
        bool isString = true;
    };
    using Key = std::map<std::string, Value>;
    std::map<std::string, Key> keys;  // "HKLM\\software\\..." lower-case
    std::set<std::string> readOnly;
    std::vector<std::string> writes;  // "name=value"

    static std::string Canon(RegistryRoot root, const std::string& path) {
        std::string p = path;
        while (!p.empty() && p.front() == '\\')
            p.erase(p.begin());
        std::string lower;
        for (char c : p)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return (root == RegistryRoot::LocalMachine ? "hklm\\" : "hkcu\\") + lower;
    }
    Key& AddKey(RegistryRoot root, const std::string& path) { return keys[Canon(root, path)]; }
    bool HasKey(RegistryRoot root, const std::string& path) const {
        return keys.count(Canon(root, path)) > 0;
    }

    void SelectRoot(RegistryRoot r) override {
        root_ = r;
        open_.clear();
    }
    bool OpenKey(const std::string& path, bool create) override {
        std::string c = Canon(root_, path);
        if (!keys.count(c)) {
            if (!create)
                return false;
            keys[c];
        }
        open_ = c;
        return true;
    }
    bool KeyExists(const std::string& path) override { return keys.count(Canon(root_, path)) > 0; }
    bool ValueExists(const std::string& name) override {
        auto k = OpenKeyValues();
        if (!k)
            return false;
        auto it = k->find(name);
        return it != k->end() && it->second.isString;
    }
    std::string ReadString(const std::string& name) override {
        auto k = OpenKeyValues();
        if (!k)
            return "";
        auto it = k->find(name);
        return it != k->end() && it->second.isString ? it->second.data : "";
    }
    bool WriteString(const std::string& name, const std::string& value) override {
        auto k = OpenKeyValues();
        if (!k || readOnly.count(open_))
            return false;
        (*k)[name] = Value{value, true};
        writes.push_back(name + "=" + value);
        return true;
    }

  private:
    Key* OpenKeyValues() {
        if (open_.empty())
            return nullptr;
        auto it = keys.find(open_);
        return it == keys.end() ? nullptr : &it->second;
    }
    RegistryRoot root_ = RegistryRoot::CurrentUser;
    std::string open_;
};

class FakeDisplayModes : public DisplayModes {
  public:
    std::vector<DisplayMode> modes{{640, 480}, {800, 600}, {1024, 768}};
    std::optional<DisplayMode> Mode(int index) override {
        if (index < 0 || index >= static_cast<int>(modes.size()))
            return std::nullopt;
        return modes[static_cast<std::size_t>(index)];
    }
};

// Every fake, wired into a Ports bundle and a main window.
struct FakeWorld {
    FakeClock clock;
    FakeLocale locale;
    FakeEventLoop events;
    FakeDialogs dialogs;
    FakeFileSystem files;
    FakeIniFile ini{files};
    FakeProcessLauncher processes;
    FakeProcessList processList;
    FakeShell shell;
    FakeSystemInfo system;
    FakeWindowFrame window;
    FakeCanvasFactory canvases;
    FakeRegistry registry;
    FakeDisplayModes displayModes;
    Ports ports{clock,       locale, events, dialogs, files,    ini,      processes,
                processList, shell,  system, window,  canvases, registry, displayModes};
    MainWindow mw{ports};
};

}  // namespace tessaro::fakes
