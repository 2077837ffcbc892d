// app-icon-svg FILE: writes the application icon as SVG to FILE, the icon `make install` puts
// beside the desktop entry.
#include <fstream>
#include <iostream>

#include "app/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: app-icon-svg FILE\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << caelix::AppIconSvg();
  out.close();
  if (!out) {
    std::cerr << "app-icon-svg: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
