#include "tools/shelf_commands.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "data/cp1250.h"
#include "data/file_descriptor.h"
#include "data/shelf.h"
#include "data/user_preferences.h"
#include "data/zip_book.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

// What a copy has used so far, and the special files it left out.
struct CopyBudget {
  std::uintmax_t Bytes = 0;
  std::size_t Entries = 0;
  std::vector<std::string> Skipped;
};

// A name as the terminal may show it: control bytes replaced.
std::string Shown(std::string_view name) {
  std::string shown;
  for (char c : name) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  return shown;
}

bool EndsWithZip(std::string_view name) {
  if (name.size() < 5) return false;
  std::string end(name.substr(name.size() - 4));
  for (char& c : end) c = static_cast<char>(c | 0x20);
  return end == ".zip";
}

// Copies one regular file, opened without following a link, into a new file
// of the target folder. The message on failure; empty when copied.
std::string CopyFile(int from_folder, const char* name, int to_folder, const char* to_name,
                     const std::string& shown, CopyBudget& budget) {
  const FileDescriptor from(
      ::openat(from_folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (!from || ::fstat(from.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return "cannot read " + shown;
  }
  const auto size = static_cast<std::uintmax_t>(info.st_size);
  budget.Bytes += size;
  if (budget.Bytes > kMaxAddedBytes) return "the book is larger than 2 GiB";
  const FileDescriptor to(
      ::openat(to_folder, to_name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (!to) return "cannot write " + shown + ": " + std::strerror(errno);
  std::vector<char> buffer(1 << 16);
  std::uintmax_t copied = 0;
  for (;;) {
    const ssize_t n = ::read(from.Get(), buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return "cannot read " + shown + ": " + std::strerror(errno);
    if (n == 0) break;
    copied += static_cast<std::uintmax_t>(n);
    // A file that grows while it is copied is cut at the size it had.
    if (copied > size) return shown + " changed while it was copied";
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(to.Get(), buffer.data() + done, static_cast<std::size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return "cannot write " + shown + ": " + std::strerror(errno);
      done += w;
    }
  }
  return {};
}

std::string CopyFolder(int from_folder, int to_folder, const std::string& shown_prefix, int depth,
                       CopyBudget& budget) {
  if (depth > kMaxAddedDepth) return "folders nest deeper than " + std::to_string(kMaxAddedDepth);
  const int listing_fd = ::openat(from_folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing_fd < 0) return "cannot list " + shown_prefix;
  std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(listing_fd), ::closedir);
  if (!listing) {
    ::close(listing_fd);
    return "cannot list " + shown_prefix;
  }
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (++budget.Entries > kMaxAddedEntries) {
      return "the book has more than " + std::to_string(kMaxAddedEntries) + " files";
    }
    const std::string shown = shown_prefix + Shown(name);
    struct stat info {};
    if (::fstatat(from_folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      return "cannot read " + shown;
    }
    if (S_ISREG(info.st_mode)) {
      if (std::string failure =
              CopyFile(from_folder, entry->d_name, to_folder, entry->d_name, shown, budget);
          !failure.empty()) {
        return failure;
      }
    } else if (S_ISDIR(info.st_mode)) {
      if (::mkdirat(to_folder, entry->d_name, 0755) != 0) {
        return "cannot make " + shown + ": " + std::strerror(errno);
      }
      const FileDescriptor from(
          ::openat(from_folder, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      const FileDescriptor to(
          ::openat(to_folder, entry->d_name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (!from || !to) return "cannot copy the folder " + shown;
      if (std::string failure = CopyFolder(from.Get(), to.Get(), shown + "/", depth + 1, budget);
          !failure.empty()) {
        return failure;
      }
    } else {
      // A link would lead out of the book; a device or FIFO is no book file.
      budget.Skipped.push_back(shown);
    }
  }
  return {};
}

// Why the name cannot be a book's name on the shelf; empty when it can.
std::string NameFault(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return "has no name to keep it under";
  if (name.front() == '.') return "has a hidden name";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return "has a control character in its name";
  }
  if (name.ends_with(".saves")) return "has a name that ends in .saves, which the shelf keeps for saves";
  return {};
}

}  // namespace

int RunAddCommand(std::span<const std::string_view> args, const fs::path& shelf,
                  std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args.front().empty() ||
      (args.front().front() == '-' && args.front() != "-")) {
    err << "quarvelin add: give one gamebook folder or .zip archive: quarvelin add PATH\n";
    return 1;
  }
  if (shelf.empty()) {
    err << "quarvelin add: no folder for the shelf: set XDG_DATA_HOME or HOME\n";
    return 1;
  }
  fs::path named = fs::path(std::string(args.front())).lexically_normal();
  if (!named.has_filename()) named = named.parent_path();  // "book/"
  const std::string shown = Shown(named.string());
  const std::string name = named.filename().string();
  if (const std::string fault = NameFault(name); !fault.empty()) {
    err << "quarvelin add: " << shown << " " << fault << '\n';
    return 1;
  }
  struct stat info {};
  if (::lstat(named.c_str(), &info) != 0) {
    err << "quarvelin add: " << shown << ": " << std::strerror(errno) << '\n';
    return 1;
  }
  const bool archive = S_ISREG(info.st_mode);
  if (S_ISLNK(info.st_mode)) {
    err << "quarvelin add: " << shown << " is a symbolic link; give the path it leads to\n";
    return 1;
  }
  if (!archive && !S_ISDIR(info.st_mode)) {
    err << "quarvelin add: " << shown << " is neither a folder nor a .zip archive\n";
    return 1;
  }
  if (archive && !EndsWithZip(name)) {
    err << "quarvelin add: " << shown << " is a file but not a .zip archive\n";
    return 1;
  }
  // The book must be one before anything is copied.
  const ShelfBook book = ReadShelfBook(named);
  if (!book.Problem.empty()) {
    err << "quarvelin add: " << book.Problem << '\n';
    return 1;
  }

  std::error_code error;
  fs::create_directories(shelf, error);
  const FileDescriptor shelf_fd(::open(shelf.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!shelf_fd) {
    err << "quarvelin add: cannot open the shelf " << shelf.string() << ": " << std::strerror(errno)
        << '\n';
    return 1;
  }
  struct stat existing {};
  if (::fstatat(shelf_fd.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
    err << "quarvelin add: " << name << " is already on the shelf (" << (shelf / name).string()
        << "); nothing was changed\n";
    return 1;
  }

  // Copied under a hidden name, then renamed into place.
  const std::string temporary = ".adding-" + std::to_string(::getpid()) + "-" + name;
  CopyBudget budget;
  std::string failure;
  const fs::path source_parent = named.has_parent_path() ? named.parent_path() : fs::path(".");
  const FileDescriptor source_folder(
      ::open(source_parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!source_folder) {
    failure = "cannot open " + Shown(source_parent.string());
  } else if (archive) {
    failure = CopyFile(source_folder.Get(), name.c_str(), shelf_fd.Get(), temporary.c_str(), shown,
                       budget);
  } else if (::mkdirat(shelf_fd.Get(), temporary.c_str(), 0755) != 0) {
    failure = std::string("cannot write into the shelf: ") + std::strerror(errno);
  } else {
    const FileDescriptor from(
        ::openat(source_folder.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    const FileDescriptor to(
        ::openat(shelf_fd.Get(), temporary.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    failure = from && to ? CopyFolder(from.Get(), to.Get(), shown + "/", 0, budget)
                         : "cannot copy " + shown;
  }
  if (failure.empty() && ::renameat2(shelf_fd.Get(), temporary.c_str(), shelf_fd.Get(),
                                     name.c_str(), RENAME_NOREPLACE) != 0) {
    failure = errno == EEXIST ? name + " appeared on the shelf meanwhile"
                              : std::string("cannot place the copy: ") + std::strerror(errno);
  }
  if (!failure.empty()) {
    fs::remove_all(shelf / temporary, error);
    err << "quarvelin add: " << failure << "; nothing was added\n";
    return 1;
  }
  for (const std::string& skipped : budget.Skipped) {
    err << "quarvelin add: not copied (a link or special file): " << skipped << '\n';
  }
  out << "quarvelin: added \"" << Cp1250ToUtf8(book.Title) << "\" to the shelf as "
      << (shelf / name).string() << '\n';
  return 0;
}

ShelfPlaces PlayerShelfPlaces() {
  ShelfPlaces places;
  places.Books = ShelfFolder();
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) places.Demo = BundledDemoFolder(executable);
  const fs::path data = UserDataDirectory();
  if (!data.empty()) places.DemoWrites = data / "demo";
  return places;
}

std::vector<ShelfBook> ListShelf(const ShelfPlaces& places) {
  return ListShelf(places.Books, places.Demo, places.DemoWrites);
}

int RunShelfListCommand(const ShelfPlaces& places, std::ostream& out) {
  for (const ShelfBook& book : ListShelf(places)) {
    nlohmann::ordered_json line;
    line["title"] = Cp1250ToUtf8(book.Title);
    line["author"] = Cp1250ToUtf8(book.Author);
    line["path"] = book.Path.string();
    line["archive"] = book.Archive;
    line["bundled"] = book.Bundled;
    line["cover"] = book.CoverFile.empty() ? nlohmann::ordered_json()
                                           : nlohmann::ordered_json(book.CoverFile);
    line["problem"] = book.Problem.empty() ? nlohmann::ordered_json()
                                           : nlohmann::ordered_json(book.Problem);
    out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  }
  return 0;
}

}  // namespace qv
