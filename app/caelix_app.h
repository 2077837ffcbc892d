#pragma once
// The application object: runs the main dialog as the only window; the application ends when
// it closes.
#include <filesystem>

#include "app/main_dialog.h"
#include "platform/dialog.h"

namespace caelix {

class CaelixApp {
 public:
  // Dialogs are shown by host; the stored files live in dataDir.
  CaelixApp(DialogHost& host, std::filesystem::path dataDir, MainDialog::Clock clock = CurrentUtc);

  // The engine of the main dialog's charts: the classic one unless set before InitInstance.
  void SetEngine(Engine engine) { engine_ = engine; }

  // Creates the main dialog, makes it the main window, runs it modally and returns false: there
  // is nothing to run after it.
  bool InitInstance();

  // The main window while it runs, else null.
  MainDialog* MainWindow() const { return mainWindow_; }

 private:
  DialogHost& host_;
  std::filesystem::path dataDir_;
  MainDialog::Clock clock_;
  Engine engine_ = Engine::Classic;
  MainDialog* mainWindow_ = nullptr;
};

}  // namespace caelix
