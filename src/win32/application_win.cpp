#include "win32/application_win.h"

#include <commctrl.h>

namespace tw::win {

Application::Application()
    : dialogs_([this] {
          // A box belongs to the form the user sees: the start-up window
          // while the main window prepares itself hidden.
          HWND main = screen_.hwnd(Element::frmTidewell);
          if (main != nullptr && IsWindowVisible(main)) return main;
          return screen_.hwnd(Element::frmStart);
      }),
      form_(screen_, fileSystem_, dialogs_, processes_),
      start_(screen_),
      startWindow_(screen_),
      mainWindow_(screen_, form_) {}

Application::~Application() {
    for (Element form : {Element::frmTidewell, Element::frmStart})
        if (HWND h = screen_.hwnd(form); h != nullptr && IsWindow(h)) DestroyWindow(h);
}

void Application::load(Element form) {
    if (form == Element::frmStart) {
        startWindow_.create();
        start_.Load();
    } else {
        mainWindow_.create();
        form_.Load();
    }
}

int Application::run() {
    RunStartup(*this, screen_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        try {
            if (mainWindow_.preTranslate(msg)) continue;
        } catch (const std::exception& e) {
            reportUnexpectedFailure(e.what());
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace tw::win
