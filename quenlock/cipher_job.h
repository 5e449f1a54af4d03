// Quenlock's one job per run, from its command line: encrypt a file ("enc"), decrypt a
// file ("dec") or encrypt a text into a one-line text file ("enc_string"), under a
// password, with AES-192 keyed by the SHA-1 digest of the password.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "quenlock/cipher_component.h"

namespace quenlock {

inline constexpr std::string_view kEncode = "enc";
inline constexpr std::string_view kDecode = "dec";
inline constexpr std::string_view kEncodeString = "enc_string";

// The four positional arguments (UTF-8). A missing argument is empty.
struct CipherArguments {
  std::string source;     // 1: the file to read; in text mode the text itself
  std::string target;     // 2: the file to write
  std::string password;   // 3
  std::string operation;  // 4: "enc", "dec" or "enc_string" (case-sensitive)
};

// Arguments 1 to 4 of a whole command line (program name first): blanks separate,
// double quotes group and are dropped, an unclosed quote runs to the end, "" is an
// empty argument, a backslash is an ordinary character.
CipherArguments ArgumentsOf(std::string_view commandLine);

bool IsTextMode(const CipherArguments& arguments);

// "Current Operation: " + operation + "oding of the file : " + the source's file name.
std::string OperationLine(const CipherArguments& arguments);

// The message shown when the debug switch file exists (lines separated by CR alone).
std::string DebugSwitchMessage(const CipherArguments& arguments);

// What the job needs from the program around it.
struct CipherJobHooks {
  // The bytes the password and the text-mode text stand for: their ANSI code page bytes.
  std::function<std::string(std::string_view utf8)> toAnsi;
  // When this file exists, showDebugMessage is called after the target was created and
  // before any data is transformed; it returns once the user closed the message.
  std::string debugSwitchFile;
  std::function<void(const std::string& message)> showDebugMessage;
  TNotifyEncodeProgress onProgress;
};

// Runs the job. Any failure (source missing, target not writable, the target being the
// source file itself, disk full...) throws, and then no target was written: an existing
// target keeps its content. An operation word other than the three makes an empty target.
void RunCipherJob(const CipherArguments& arguments, const CipherJobHooks& hooks);

}  // namespace quenlock
