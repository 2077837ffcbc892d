#include "app/caelix_app.h"

namespace caelix {

CaelixApp::CaelixApp(DialogHost& host, std::filesystem::path dataDir, MainDialog::Clock clock)
    : host_(host), dataDir_(std::move(dataDir)), clock_(std::move(clock)) {}

bool CaelixApp::InitInstance() {
  MainDialog dialog(host_, dataDir_, clock_);
  dialog.SetEngine(engine_);
  mainWindow_ = &dialog;
  dialog.DoModal();
  mainWindow_ = nullptr;
  return false;
}

}  // namespace caelix
