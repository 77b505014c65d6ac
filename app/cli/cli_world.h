#pragma once

#include <cstdio>

#include "app/cli/batch_figures.h"
#include "app/cli/console_dialogs.h"
#include "app/cli/console_window.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_ini_file.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_process_list.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "ui/main_window.h"

namespace tessaro {

// The shell without its "open": for automation, where no viewer should appear.
class ShellWithoutOpen : public Shell {
  public:
    explicit ShellWithoutOpen(Shell& shell) : shell_(shell) {}
    bool Open(const std::string&) override { return true; }
    std::string DocumentsFolder() override { return shell_.DocumentsFolder(); }

  private:
    Shell& shell_;
};

// The real platform wired to a main window, with the console standing in for the
// window and its dialogs.
struct CliWorld {
    CliWorld(bool interactive, bool openDocuments)
        : dialogs(stdout, stdin, interactive),
          shellWithoutOpen(shell),
          ports{figures.clock(),
                locale,
                loop,
                dialogs,
                files,
                ini,
                figures.launcher(),
                processList,
                openDocuments ? static_cast<Shell&>(shell) : shellWithoutOpen,
                system,
                window,
                canvases,
                registry,
                displayModes},
          mw(ports) {
        window.Watch(mw.controls);
    }

    win32::Win32Clock clock;
    win32::Win32Locale locale;
    win32::Win32EventLoop loop;
    ConsoleDialogs dialogs;
    win32::Win32FileSystem files;
    win32::Win32IniFile ini;
    win32::Win32ProcessLauncher launcher{loop};
    BatchFigures figures{clock, launcher};
    win32::Win32ProcessList processList;
    win32::Win32Shell shell;
    ShellWithoutOpen shellWithoutOpen;
    win32::Win32SystemInfo system;
    ConsoleWindow window{stdout};
    win32::GdiCanvasFactory canvases;
    win32::Win32Registry registry;
    win32::Win32DisplayModes displayModes;
    Ports ports;
    MainWindow mw;
};

}  // namespace tessaro
