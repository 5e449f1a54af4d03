#include "quenlock/temporary_target.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "common/fs_path.h"
#include "common/text_file.h"

namespace quenlock {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// "<target>.~<16 hex digits>.tmp": beside the target, so replacing it is a rename on
// the same volume, and unlikely to meet an existing file.
std::string FreeTemporaryName(const std::string& target) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof(suffix), ".~%08x%08x.tmp", random(), random());
    std::string name = target + suffix;
    std::error_code ec;
    if (!std::filesystem::exists(common::ToFsPath(name), ec) && !ec) return name;
  }
  throw common::FileError("Cannot find a free temporary name beside " + Quoted(target));
}

}  // namespace

TemporaryTarget::TemporaryTarget(std::string target) : target_(std::move(target)) {
  if (target_.empty()) throw common::FileError("No target file was named");
  temporary_ = FreeTemporaryName(target_);
  errno = 0;
  stream_.open(common::ToFsPath(temporary_), std::ios::binary | std::ios::out | std::ios::trunc);
  if (!stream_) {
    throw common::FileError("Cannot create " + Quoted(temporary_) + " for " + Quoted(target_) + ": " +
                            std::generic_category().message(errno));
  }
}

TemporaryTarget::~TemporaryTarget() {
  if (committed_) return;
  stream_.close();
  std::error_code ignored;
  std::filesystem::remove(common::ToFsPath(temporary_), ignored);
}

void TemporaryTarget::Commit() {
  stream_.close();
  if (!stream_) throw common::FileError("Cannot write " + Quoted(temporary_) + " for " + Quoted(target_));
  std::error_code ec;
  std::filesystem::rename(common::ToFsPath(temporary_), common::ToFsPath(target_), ec);
  if (ec) throw common::FileError("Cannot replace " + Quoted(target_) + ": " + ec.message());
  committed_ = true;
}

}  // namespace quenlock
