// quarvelin_demo_assets SOURCE OUT: writes every file of the demo gamebook
// into the folder OUT: its texts from the UTF-8 sources in SOURCE, and its
// pictures, sounds and music, which are drawn and synthesised here.
// quarvelin_demo_assets --icon SIZE FILE.png: draws the program's icon.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "demo_assets.h"

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--icon") {
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) {
      std::cerr << "quarvelin_demo_assets: --icon takes a size from 16 to 1024\n";
      return 2;
    }
    try {
      qv::demo::WriteProgramIcon(size, argv[3]);
    } catch (const std::exception& error) {
      std::cerr << "quarvelin_demo_assets: " << error.what() << "\n";
      return 1;
    }
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: quarvelin_demo_assets SOURCE OUT\n"
                 "  SOURCE: the demo's text sources (tools/demo_assets/gamebook)\n"
                 "  OUT:    the gamebook folder to write (examples/demo)\n"
                 "       quarvelin_demo_assets --icon SIZE FILE.png\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[2];
    qv::demo::WriteTexts(argv[1], out);
    qv::demo::WritePictures(out);
    qv::demo::WriteSounds(out);
  } catch (const std::exception& error) {
    std::cerr << "quarvelin_demo_assets: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
