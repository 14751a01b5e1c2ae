// A host that only records what the engine asked of it: the twin used by
// tests and by anything that must run with no platform at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"

namespace qv {

class RecordingHost : public Host {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowDeathWindow() override { ++death_windows; }
  void EndProgram() override { ended = true; }
  void OpenWebAddress(std::string_view address) override { web_addresses.emplace_back(address); }

  std::vector<std::string> messages;
  std::vector<std::string> web_addresses;
  int death_windows = 0;
  bool ended = false;
};

}  // namespace qv
