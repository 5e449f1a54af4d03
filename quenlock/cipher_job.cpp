#include "quenlock/cipher_job.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "common/argument_text.h"
#include "common/fs_path.h"
#include "common/path_text.h"
#include "common/text_file.h"
#include "quenlock/rijndael_cipher.h"
#include "quenlock/temporary_target.h"

namespace quenlock {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The source opened for reading, with its size.
struct SourceFile {
  std::ifstream stream;
  std::int64_t size = 0;

  explicit SourceFile(const std::string& path) {
    const auto fsPath = common::ToFsPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(fsPath, ec)) throw common::FileError(Quoted(path) + " is a folder, not a file");
    errno = 0;
    stream.open(fsPath, std::ios::binary | std::ios::in);
    if (!stream) {
      throw common::FileError("Cannot open " + Quoted(path) + " for reading: " +
                              std::generic_category().message(errno));
    }
    stream.seekg(0, std::ios::end);
    const std::streamoff end = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (end < 0 || !stream) throw common::FileError("Cannot read the size of " + Quoted(path));
    size = static_cast<std::int64_t>(end);
  }
};

// Whether both paths name one existing file, whatever their spelling (case, short
// names, "..", hard links).
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(common::ToFsPath(a), common::ToFsPath(b), ec) && !ec;
}

}  // namespace

CipherArguments ArgumentsOf(std::string_view commandLine) {
  const auto arguments = common::SplitCommandLine(commandLine);
  return {common::CommandLineArgument(arguments, 1), common::CommandLineArgument(arguments, 2),
          common::CommandLineArgument(arguments, 3), common::CommandLineArgument(arguments, 4)};
}

bool IsTextMode(const CipherArguments& arguments) { return arguments.operation == kEncodeString; }

std::string OperationLine(const CipherArguments& arguments) {
  return "Current Operation: " + arguments.operation + "oding of the file : " +
         common::ExtractFileName(arguments.source);
}

std::string DebugSwitchMessage(const CipherArguments& arguments) {
  return "Password := " + arguments.password + "\r" + "OutFileName := " + arguments.target + "\r" +
         "String := " + arguments.source;
}

void RunCipherJob(const CipherArguments& arguments, const CipherJobHooks& hooks) {
  const bool textMode = IsTextMode(arguments);
  std::optional<SourceFile> source;
  if (!textMode) {
    source.emplace(arguments.source);
    // Creating the target would otherwise truncate the source before it is read.
    if (SameFile(arguments.source, arguments.target)) {
      throw common::FileError("The target " + Quoted(arguments.target) + " is the source file itself");
    }
  }
  TemporaryTarget target(arguments.target);

  if (!hooks.debugSwitchFile.empty() && common::FileExists(hooks.debugSwitchFile) && hooks.showDebugMessage) {
    hooks.showDebugMessage(DebugSwitchMessage(arguments));
  }

  TRijndaelCipher Cipher;
  Cipher.OnProgress = hooks.onProgress;
  Cipher.KeyFromPassword(hooks.toAnsi(arguments.password), &TSha1Hash::Create);
  if (arguments.operation == kEncode) {
    Cipher.EncipherStream(source->stream, target.Stream(), source->size);
  } else if (arguments.operation == kDecode) {
    Cipher.DecipherStream(source->stream, target.Stream(), source->size);
  } else if (textMode) {
    const std::string line = Cipher.EncipherText(hooks.toAnsi(arguments.source)) + "\r\n";
    target.Stream().write(line.data(), static_cast<std::streamsize>(line.size()));
  }
  Cipher.WipeKey();
  target.Commit();
}

}  // namespace quenlock
