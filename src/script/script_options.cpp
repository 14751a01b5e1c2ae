#include "script/script_options.h"

#include <charconv>

namespace qv {

namespace {

template <class T>
std::optional<T> ParseDecimal(std::string_view text) {
  T value{};
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::pair<int, int>> ParseScreenSize(std::string_view text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = ParseDecimal<int>(text.substr(0, x));
  const std::optional<int> height = ParseDecimal<int>(text.substr(x + 1));
  if (!width || !height || *width < 1 || *height < 1) return std::nullopt;
  return std::pair{*width, *height};
}

std::variant<ScriptInvocation, std::string> ParseScriptArguments(
    std::span<const std::string_view> args) {
  ScriptInvocation invocation;
  bool have_script = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "-C" || arg == "--screen" || arg == "--seed") {
      if (!has_value) return std::string(arg) + " needs a value";
      const std::string_view value = args[++i];
      if (arg == "-C") {
        invocation.Options.Directory = std::string(value);
      } else if (arg == "--screen") {
        const auto size = ParseScreenSize(value);
        if (!size) return "--screen takes WxH, e.g. 640x480, not '" + std::string(value) + "'";
        invocation.Options.ScreenWidth = size->first;
        invocation.Options.ScreenHeight = size->second;
      } else {
        const auto seed = ParseDecimal<uint64_t>(value);
        if (!seed) return "--seed takes a non-negative integer, not '" + std::string(value) + "'";
        invocation.Options.Seed = *seed;
      }
    } else if (arg == "--gui") {
      invocation.Options.Gui = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      const auto comfort = ParseComfortFlag(args, i, invocation.Options.Comforts);
      if (const auto* error = std::get_if<std::string>(&comfort)) return *error;
      const std::size_t taken = std::get<std::size_t>(comfort);
      if (taken == 0) return "unknown option '" + std::string(arg) + "'";
      i += taken - 1;
    } else if (have_script) {
      return "more than one script given ('" + invocation.ScriptPath + "' and '" +
             std::string(arg) + "')";
    } else {
      invocation.ScriptPath = std::string(arg);
      have_script = true;
    }
  }
  if (!have_script) return "no script given (use - for standard input)";
  // The desktop replay writes no transcript: it would tell the same story as
  // the headless run of the script.
  if (invocation.Options.Gui && invocation.Options.Comforts.TranscriptPath) {
    return "--transcript is not offered with --gui";
  }
  return invocation;
}

}  // namespace qv
