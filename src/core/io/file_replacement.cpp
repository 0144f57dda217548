// Replacing a file in one step, keeping what the user set on it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/file_replacement.h"

#include <charconv>
#include <filesystem>

namespace korain {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = "~korain~";
constexpr std::string_view kTemporaryExtension = ".tmp";
// More links in a row than this are a loop.
constexpr int kMostLinks = 40;

std::string folderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

// A host name as it can stand in a file name between the marks.
std::string hostPart(std::string_view host) {
  std::string part(host);
  for (char& c : part) {
    if (c == '/' || c == '~' || c == '\\') c = '_';
  }
  return part;
}

std::optional<long> processIdOf(std::string_view text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string resolveLinks(FileSystem& files, const std::string& path) {
  fs::path current(path);
  for (int link = 0; link < kMostLinks; ++link) {
    const std::optional<std::string> target = files.linkTarget(current.string());
    if (!target) break;
    const fs::path next(*target);
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current.string();
}

std::string temporaryName(const std::string& target, std::string_view host, long processId) {
  const fs::path path(target);
  std::string name = path.filename().string();
  name.append(kTemporaryMark).append(hostPart(host)).append("~");
  name.append(std::to_string(processId)).append(kTemporaryExtension);
  return (path.parent_path() / name).string();
}

void removeStaleTemporaries(FileSystem& files, const std::string& target) {
  const std::string prefix = fs::path(target).filename().string() + std::string(kTemporaryMark);
  const std::string host = hostPart(files.hostName());
  const long self = files.processId();
  const std::string folder = folderOf(target);
  for (const std::string& name : files.folderEntries(folder)) {
    if (!name.starts_with(prefix) || !name.ends_with(kTemporaryExtension)) continue;
    const std::string_view owner = std::string_view(name).substr(
        prefix.size(), name.size() - prefix.size() - kTemporaryExtension.size());
    const std::size_t mark = owner.rfind('~');
    if (mark == std::string_view::npos || owner.substr(0, mark) != host) continue;
    const std::optional<long> process = processIdOf(owner.substr(mark + 1));
    if (!process || *process == self || files.processIsRunning(*process)) continue;
    files.remove((fs::path(folder) / name).string());
  }
}

FileReplacement::FileReplacement(FileSystem& files, const std::string& path)
    : files_(files), target_(resolveLinks(files, path)) {}

FileReplacement::~FileReplacement() {
  if (committed_ || temporary_.empty()) return;
  output_.reset();
  files_.remove(temporary_);
}

bool FileReplacement::begin(std::string& error, const std::optional<FileIdentity>& identity) {
  removeStaleTemporaries(files_, target_);
  temporary_ = temporaryName(target_, files_.hostName(), files_.processId());
  // A file under this process's own name was left by an earlier process that
  // had the same number: nobody else can be writing it.
  files_.remove(temporary_);
  output_ = files_.createNew(temporary_, identity ? identity : files_.identity(target_), error);
  if (!output_) temporary_.clear();
  return output_ != nullptr;
}

bool FileReplacement::commit(const std::string& backupPath, std::string& error) {
  if (!output_->finish(error)) return false;
  if (!backupPath.empty() && files_.identity(target_) && !keepPrevious(backupPath, error)) {
    return false;
  }
  if (!files_.rename(temporary_, target_, error)) return false;
  committed_ = true;
  // Without this a power cut soon after could bring the previous file back. The
  // new file is in place either way, so a folder that cannot be synced does not
  // make the save a failure.
  std::string ignored;
  files_.syncFolder(folderOf(target_), ignored);
  return true;
}

bool FileReplacement::keepPrevious(const std::string& backupPath, std::string& error) {
  // The previous file itself becomes the copy: a second name for its bytes,
  // which the rename below leaves alone. Only without links is it copied.
  removeStaleTemporaries(files_, backupPath);
  const std::string link = temporaryName(backupPath, files_.hostName(), files_.processId());
  files_.remove(link);
  std::string linkError;
  if (files_.hardLink(target_, link, linkError)) {
    const bool kept = files_.rename(link, backupPath, error);
    // A save stopped between keeping its copy and moving its new file in leaves the copy as a
    // second name of the database. Renaming onto the same file changes nothing and keeps both
    // names, so the link goes in either case.
    files_.remove(link);
    return kept;
  }
  return copyFileKeepingIdentity(files_, target_, backupPath, error);
}

bool copyFileKeepingIdentity(FileSystem& files, const std::string& from, const std::string& to,
                             std::string& error) {
  const std::optional<FileIdentity> identity = files.identity(from);
  const std::unique_ptr<InputFile> input = files.openForReading(from, error);
  if (!identity || !input) {
    if (error.empty()) error = "no such file";
    return false;
  }
  FileReplacement copy(files, to);
  if (!copy.begin(error, identity)) return false;
  std::string buffer(std::size_t{1} << 20, '\0');
  for (;;) {
    const std::optional<std::size_t> got = input->read(buffer.data(), buffer.size(), error);
    if (!got) return false;
    if (*got == 0) break;
    if (!copy.output().write(std::string_view(buffer).substr(0, *got), error)) return false;
  }
  return copy.commit({}, error);
}

}  // namespace korain
