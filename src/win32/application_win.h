// win32/ is the top layer: it builds on app < ui < cache, settings < platform < common.
// Puts the program together: the platform services, both forms and their
// windows, the start-up procedure and the message loop.
#pragma once

#include "app/prepared_main_form.h"
#include "app/startup.h"
#include "ui/frm_start.h"
#include "win32/dialogs_win.h"
#include "win32/file_system_win.h"
#include "win32/main_window_win.h"
#include "win32/process_starter_win.h"
#include "win32/screen_win.h"
#include "win32/start_window_win.h"

namespace tw::win {

class Application final : public FormLoader {
public:
    Application();
    ~Application() override;

    int run();
    void load(Element form) override;

private:
    Win32Screen screen_;
    Win32FileSystem fileSystem_;
    Win32Dialogs dialogs_;
    Win32ProcessStarter processes_;
    PreparedMainForm form_;
    frmStart start_;
    StartWindow startWindow_;
    MainWindow mainWindow_;
};

}  // namespace tw::win
