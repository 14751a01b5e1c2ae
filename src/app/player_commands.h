// The player's commands on the command line: `play`, `shelf`, `script` and
// `text`.
// The desktop itself is reached through a function the executable passes
// in, so that the headless front end can hand it over to the desktop
// executable while that one plays it directly.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "desktop/desktop_options.h"
#include "script/script_options.h"

namespace qv {

// play [BOOK] [--windowed] [--screen WxH] [--scale F] [comfort flags]; the
// error text says what is wrong. The comforts are the player's stored ones
// with the flags over them. `command` names the command in the errors;
// `shelf` takes no book (`allow_book` false).
std::variant<DesktopOptions, std::string> ParsePlayArguments(std::span<const std::string_view> args,
                                                             std::string_view command = "play",
                                                             bool allow_book = true);

// Plays on the desktop when the arguments can be used (else a usage error
// on standard error).
int RunPlayCommand(std::span<const std::string_view> args,
                   const std::function<int(const DesktopOptions&)>& play);

// script SCRIPT [-C DIR] [--screen WxH] [--seed N] [--gui]. A usage error
// is reported as a JSON error line on standard output (what programs
// calling the runner read) and as text on standard error. `gui` runs a
// script that asked for the desktop windows.
int RunScriptCommand(std::span<const std::string_view> args,
                     const std::function<int(const ScriptInvocation&)>& gui);

// A way to play a script: headless (RunScript) or on the desktop.
using ScriptRun = int (*)(std::istream& script, std::ostream& out, const ScriptOptions& options);

// Plays the invocation's script, read from its file or standard input.
int RunScriptFile(const ScriptInvocation& invocation, ScriptRun run);

// shelf [--windowed] [--screen WxH] [--scale F]: `choose` shows the shelf
// and plays the book picked. `shelf --list` is headless: it prints the
// shelf and never calls `choose`.
int RunShelfCommand(std::span<const std::string_view> args,
                    const std::function<int(const DesktopOptions&)>& choose);

// text [BOOK] [comfort flags]: refuses a folder without a gamebook as `play`
// does.
int RunTextCommand(std::span<const std::string_view> args);

}  // namespace qv
