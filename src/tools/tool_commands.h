// The authors' subcommands of the quarvelin executable. Each takes the
// arguments after its name, writes its result to `out` and its complaints to
// `err`, and returns the exit status: 0 done, 1 the input is bad (nothing was
// written) or the check found errors, 2 the command line cannot be used.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace qv {

inline constexpr int kToolOk = 0;
inline constexpr int kToolFailed = 1;
inline constexpr int kToolUsage = 2;

// init FILE [--dir DIR] | init --show [FILE] [--dir DIR] | init --template
int RunInitCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// scramble [--dir DIR] | unscramble [--dir DIR]
int RunScrambleCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunUnscrambleCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// check [DIR]
int RunCheckCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// save --show FILE.pzv
int RunSaveCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// explore [DIR] [--steps N] [--seconds S] [--seed N] [--json] [--scripts FOLDER]
int RunExploreCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// map [DIR] -o FILE.svg|.png|.dot [--explore] [--steps N] [--seconds S]
int RunMapCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// new DIR
int RunNewCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// The lines `quarvelin --help` lists for these commands.
extern const char* const kToolUsageText;

}  // namespace qv
