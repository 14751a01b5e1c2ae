#include "data/zip_book.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qv {
namespace fs = std::filesystem;

struct ZipBook::Archive {
  zip_t* Handle = nullptr;
  ~Archive() {
    if (Handle != nullptr) zip_discard(Handle);
  }
};

namespace {

// Why an entry name cannot be a path inside the book; empty when it can.
std::string NameFault(std::string_view name) {
  if (name.empty()) return "has an empty name";
  if (name.front() == '/') return "is an absolute path";
  if (name.find('\\') != std::string_view::npos) return "holds a backslash";
  if (name.find('\0') != std::string_view::npos) return "holds a NUL byte";
  std::string_view rest = name;
  if (rest.back() == '/') rest.remove_suffix(1);  // a folder entry
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('/', start);
    if (end == std::string_view::npos) end = rest.size();
    const std::string_view part = rest.substr(start, end - start);
    if (part.empty()) return "has an empty path component";
    if (part == "." || part == "..") return "holds '" + std::string(part) + "'";
    start = end + 1;
  }
  return {};
}

// The folders above a path, nearest last ("a/b/c" gives "a", "a/b").
void AddParents(std::string_view path, std::set<std::string, std::less<>>& folders) {
  for (std::size_t slash = path.find('/'); slash != std::string_view::npos;
       slash = path.find('/', slash + 1)) {
    folders.emplace(path.substr(0, slash));
  }
}

std::string Quoted(std::string_view name) {
  std::string shown;
  for (char c : name) {
    // A hostile name could hold terminal controls.
    shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  }
  return "'" + shown + "'";
}

}  // namespace

ZipBook::ZipBook(ZipBook&&) noexcept = default;
ZipBook& ZipBook::operator=(ZipBook&&) noexcept = default;
ZipBook::~ZipBook() = default;

std::variant<ZipBook, std::string> ZipBook::Open(const fs::path& archive) {
  const std::string shown = archive.string();
  FileDescriptor fd(::open(archive.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
  if (!fd) return "cannot open " + shown + ": " + std::strerror(errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return shown + " is not a regular file";
  }
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);

  int error = 0;
  ZipBook book;
  book.archive_ = std::make_unique<Archive>();
  book.archive_->Handle = zip_fdopen(fd.Get(), ZIP_RDONLY, &error);
  if (book.archive_->Handle == nullptr) {
    zip_error_t reason;
    zip_error_init_with_code(&reason, error);
    std::string message = shown + " is not a readable zip archive: " + zip_error_strerror(&reason);
    zip_error_fini(&reason);
    return message;
  }
  fd.Release();  // the archive owns it now
  zip_t* zip = book.archive_->Handle;

  const zip_int64_t count = zip_get_num_entries(zip, 0);
  if (count < 0 || static_cast<std::uint64_t>(count) > kMaxZipEntries) {
    return shown + " has more than " + std::to_string(kMaxZipEntries) + " entries";
  }
  std::map<std::string, Entry, std::less<>> files;
  std::set<std::string, std::less<>> folders;
  for (zip_uint64_t k = 0; k < static_cast<zip_uint64_t>(count); ++k) {
    const char* raw = zip_get_name(zip, k, ZIP_FL_ENC_GUESS);
    zip_stat_t entry_stat;
    if (raw == nullptr || zip_stat_index(zip, k, 0, &entry_stat) != 0) {
      return shown + ": entry " + std::to_string(k + 1) + " cannot be read";
    }
    const std::string name = raw;
    const std::string entry = shown + ": the entry " + Quoted(name) + " ";
    if (const std::string fault = NameFault(name); !fault.empty()) return entry + fault;

    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, k, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX) {
      const auto mode = static_cast<mode_t>(attributes >> 16);
      if (S_ISLNK(mode)) return entry + "is a symbolic link";
      if ((mode & S_IFMT) != 0 && !S_ISREG(mode) && !S_ISDIR(mode)) {
        return entry + "is not a regular file";
      }
    }
    const bool folder = name.back() == '/';
    if (folder) {
      const std::string path = name.substr(0, name.size() - 1);
      AddParents(path, folders);
      folders.insert(path);
      continue;
    }
    if ((entry_stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
        entry_stat.encryption_method != ZIP_EM_NONE) {
      return entry + "is encrypted";
    }
    if ((entry_stat.valid & ZIP_STAT_SIZE) == 0 || entry_stat.size > kMaxGameFileSize) {
      return entry + "expands beyond " + std::to_string(kMaxGameFileSize / (1024 * 1024)) +
             " MiB";
    }
    if (!files.emplace(name, Entry{k, entry_stat.size}).second) return entry + "appears twice";
    AddParents(name, folders);
  }
  for (const auto& [name, unused] : files) {
    if (folders.contains(name)) return shown + ": the entry " + Quoted(name) + " appears twice";
  }

  // One top-level folder holding the book: its contents are the book.
  std::string top;
  if (!files.contains("data/inicializace.qvl") && !folders.contains("data")) {
    std::set<std::string_view> tops;
    const auto top_of = [](const std::string& name) {
      return std::string_view(name).substr(0, name.find('/'));
    };
    for (const auto& [name, unused] : files) tops.insert(top_of(name));
    for (const auto& name : folders) tops.insert(top_of(name));
    if (tops.size() == 1 && folders.contains(std::string(*tops.begin()) + "/data")) {
      top = std::string(*tops.begin()) + "/";
    }
  }
  for (const auto& [name, entry] : files) {
    if (name.starts_with(top) && name.size() > top.size()) {
      book.files_.emplace(name.substr(top.size()), entry);
    }
  }
  for (const auto& name : folders) {
    if (name.starts_with(top) && name.size() > top.size()) {
      book.folders_.insert(name.substr(top.size()));
    }
  }
  return book;
}

EntryKind ZipBook::Kind(std::string_view path) const {
  if (files_.contains(path)) return EntryKind::File;
  if (folders_.contains(path)) return EntryKind::Directory;
  return EntryKind::Missing;
}

std::optional<std::string> ZipBook::Read(std::string_view path, std::uintmax_t max_size) const {
  const auto found = files_.find(path);
  if (found == files_.end() || found->second.Size > max_size) return std::nullopt;
  zip_file_t* file = zip_fopen_index(archive_->Handle, found->second.Index, 0);
  if (file == nullptr) return std::nullopt;
  // One byte more than declared tells an entry that would expand beyond it.
  std::string bytes(static_cast<std::size_t>(found->second.Size) + 1, '\0');
  std::size_t got = 0;
  bool failed = false;
  while (got < bytes.size()) {
    const zip_int64_t n = zip_fread(file, bytes.data() + got, bytes.size() - got);
    if (n < 0) failed = true;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  zip_fclose(file);
  if (failed || got != found->second.Size) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

FileDescriptor ZipBook::OpenFile(std::string_view path) const {
  const std::optional<std::string> bytes = Read(path, kMaxGameFileSize);
  if (!bytes) return {};
  FileDescriptor fd(::memfd_create("quarvelin-entry", MFD_CLOEXEC));
  if (!fd) return {};
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const ssize_t n = ::write(fd.Get(), rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return {};
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
  if (::lseek(fd.Get(), 0, SEEK_SET) != 0) return {};
  return fd;
}

std::vector<ContainedEntry> ZipBook::List(std::string_view folder) const {
  const std::string prefix = folder.empty() ? std::string() : std::string(folder) + "/";
  std::vector<ContainedEntry> entries;
  const auto add = [&](const std::string& name, EntryKind kind) {
    if (!name.starts_with(prefix)) return;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    if (rest.empty() || rest.find('/') != std::string_view::npos) return;
    entries.push_back({std::string(rest), kind, {}});
  };
  for (auto file = files_.lower_bound(prefix);
       file != files_.end() && file->first.starts_with(prefix); ++file) {
    add(file->first, EntryKind::File);
  }
  for (auto folder_name = folders_.lower_bound(prefix);
       folder_name != folders_.end() && folder_name->starts_with(prefix); ++folder_name) {
    add(*folder_name, EntryKind::Directory);
  }
  return entries;
}

std::vector<std::string> ZipBook::Folders() const {
  // Sorted names put "a" before "a/b": parents come first.
  return {folders_.begin(), folders_.end()};
}

}  // namespace qv
