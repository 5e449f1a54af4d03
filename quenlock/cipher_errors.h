// The cipher engine's failures. Each carries the message the engine defines for it.
#pragma once

#include <stdexcept>

namespace quenlock {

// Key setup failed ("Invalid key size", "Unable to allocate sufficient memory for hash digest").
class ECipherError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A block operation failed ("Cipher not initialized").
class EBlockCipherError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A hash operation failed ("Hash not initialized").
class EHashError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quenlock
