#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::puts("usage: quarvelin [play DIR | script SCRIPT [-C DIR] [--screen WxH] [--seed N]]");
    return 0;
  }
  std::fputs("quarvelin: the player is not built yet\n", stderr);
  return 1;
}
