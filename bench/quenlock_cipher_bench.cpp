// Quenlock's file job (encrypt, decrypt) on a 1 GiB file, against `openssl enc
// -aes-192-cbc -nopad` on the same data with the same key and IV, in the same run. A
// file of whole blocks is plain AES-192-CBC in Quenlock's format, so both must write
// the same bytes. Prints OpenSSL's time / Quenlock's time (the throughput ratio, goal
// at least 0.9) for each direction, and the peak memory of the process.
//   quenlock_cipher_bench [folder]   (default: build/bench-quenlock; the data is made on first use)
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "quenlock/cipher_job.h"
#include "quenlock/rijndael_cipher.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kSize = std::uintmax_t{1} << 30;
constexpr int kRounds = 5;
constexpr double kGoal = 0.9;
constexpr char kPassword[] = "bench password";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

long PeakRssKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// 1 GiB of pseudo-random bytes (xorshift), written once.
void MakeData(const fs::path& file) {
  std::error_code ec;
  if (fs::file_size(file, ec) == kSize) return;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  std::vector<std::uint64_t> chunk(1 << 13);  // small, so it does not hide the jobs in the peak memory
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  for (std::uintmax_t written = 0; written < kSize; written += chunk.size() * 8) {
    for (auto& word : chunk) {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      word = state;
    }
    out.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(chunk.size() * 8));
  }
}

std::string Hex(const std::uint8_t* bytes, std::size_t size) {
  std::string hex;
  char digits[3];
  for (std::size_t i = 0; i < size; ++i) {
    std::snprintf(digits, sizeof(digits), "%02x", bytes[i]);
    hex += digits;
  }
  return hex;
}

// openssl's -K and -iv for the password: the SHA-1 digest with four zero bytes, E(0).
std::string OpensslKeyOptions() {
  quenlock::TSha1Hash hash;
  std::uint8_t digest[20];
  hash.Init();
  hash.Update({reinterpret_cast<const std::uint8_t*>(kPassword), sizeof(kPassword) - 1});
  hash.Final(digest);
  quenlock::TRijndaelCipher cipher;
  cipher.KeyFromPassword(kPassword, &quenlock::TSha1Hash::Create);
  return "-K " + Hex(digest, 20) + "00000000 -iv " + Hex(cipher.InitialValue().data(), 16);
}

double TimeQuenlock(const fs::path& source, const fs::path& target, const char* word) {
  fs::remove(target);
  quenlock::CipherJobHooks hooks;
  hooks.toAnsi = [](std::string_view text) { return std::string(text); };
  const auto start = Clock::now();
  quenlock::RunCipherJob({source.string(), target.string(), kPassword, word}, hooks);
  return Seconds(Clock::now() - start);
}

double TimeOpenssl(const fs::path& source, const fs::path& target, const std::string& keyOptions, bool decrypt) {
  fs::remove(target);
  const std::string command = std::string("openssl enc ") + (decrypt ? "-d " : "") + "-aes-192-cbc -nopad " +
                              keyOptions + " -in '" + source.string() + "' -out '" + target.string() + "'";
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "openssl failed: %s\n", command.c_str());
    std::exit(1);
  }
  return Seconds(Clock::now() - start);
}

bool SameFiles(const fs::path& a, const fs::path& b) {
  return std::system(("cmp -s '" + a.string() + "' '" + b.string() + "'").c_str()) == 0;
}

}  // namespace

// Quenlock and openssl are timed in turns, so that a slow moment of the machine (or the
// disk writing back) hits both alike; each output is deleted before the next run.
int main(int argc, char** argv) {
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path("build/bench-quenlock");
  fs::create_directories(folder);
  const fs::path plain = folder / "plain.bin";
  const fs::path ours = folder / "quenlock.se", theirs = folder / "openssl.se";
  const fs::path oursBack = folder / "quenlock.back", theirsBack = folder / "openssl.back";
  std::printf("data: %s (1 GiB), %d rounds\n", plain.c_str(), kRounds);
  MakeData(plain);
  const std::string keyOptions = OpensslKeyOptions();

  const long rssBefore = PeakRssKiB();
  std::vector<double> encOurs, encTheirs, decOurs, decTheirs;
  for (int round = 0; round < kRounds; ++round) {
    encOurs.push_back(TimeQuenlock(plain, ours, "enc"));
    encTheirs.push_back(TimeOpenssl(plain, theirs, keyOptions, false));
    if (round == 0 && !SameFiles(ours, theirs)) {
      std::printf("Quenlock and openssl wrote DIFFERENT files\n");
      return 1;
    }
    decOurs.push_back(TimeQuenlock(ours, oursBack, "dec"));
    decTheirs.push_back(TimeOpenssl(theirs, theirsBack, keyOptions, true));
    if (round == 0 && !SameFiles(oursBack, plain)) {
      std::printf("decrypting did NOT restore the data\n");
      return 1;
    }
    fs::remove(oursBack);
    fs::remove(theirsBack);
  }
  fs::remove(ours);
  fs::remove(theirs);

  const auto report = [](const char* what, const std::vector<double>& q, const std::vector<double>& o) {
    const double ratio = Median(o) / Median(q);
    std::printf("%s: Quenlock median %.2f s (%.0f MiB/s), openssl %.2f s (%.0f MiB/s); ratio %.2f (goal: at least %.1f) %s\n",
                what, Median(q), 1024 / Median(q), Median(o), 1024 / Median(o), ratio, kGoal,
                ratio >= kGoal ? "met" : "NOT MET");
  };
  std::printf("outputs identical to openssl's: yes\n");
  report("encrypt", encOurs, encTheirs);
  report("decrypt", decOurs, decTheirs);
  std::printf("peak memory: %ld KiB before the jobs, %ld KiB after %d GiB of jobs\n", rssBefore, PeakRssKiB(),
              2 * kRounds);
  return 0;
}
