// quarvelin_demo_assets SOURCE OUT: writes every file of the demo gamebook
// into the folder OUT: its texts from the UTF-8 sources in SOURCE, and its
// pictures, sounds and music, which are drawn and synthesised here.
#include <exception>
#include <filesystem>
#include <iostream>

#include "demo_assets.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quarvelin_demo_assets SOURCE OUT\n"
                 "  SOURCE: the demo's text sources (tools/demo_assets/gamebook)\n"
                 "  OUT:    the gamebook folder to write (examples/demo)\n";
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
