// The file a job writes. The data goes into a new temporary file beside the target; only
// a job that completed replaces the target with it. A job that fails part-way leaves
// no half-written file behind and an existing target as it was.
#pragma once

#include <fstream>
#include <string>

namespace quenlock {

class TemporaryTarget {
 public:
  // Creates the temporary file in the target's folder. Throws common::FileError.
  explicit TemporaryTarget(std::string target);
  // Removes the temporary file unless Commit succeeded.
  ~TemporaryTarget();
  TemporaryTarget(const TemporaryTarget&) = delete;
  TemporaryTarget& operator=(const TemporaryTarget&) = delete;

  std::ostream& Stream() noexcept { return stream_; }
  const std::string& TemporaryPath() const noexcept { return temporary_; }

  // Closes the temporary file and puts it in the target's place. Throws common::FileError.
  void Commit();

 private:
  std::string target_;
  std::string temporary_;
  std::ofstream stream_;
  bool committed_ = false;
};

}  // namespace quenlock
