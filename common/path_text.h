// Splitting and joining Windows path text ("C:\Data\file.txt"). Pure text work:
// nothing here touches the file system. A backslash or a colon ends the folder part.
#pragma once

#include <string>
#include <string_view>

namespace common {

// "C:\Data\file.txt" -> "C:\Data\"; "C:file" -> "C:"; "file" -> "".
std::string ExtractFilePath(std::string_view path);
// "C:\Data\file.txt" -> "file.txt"; "C:\" -> "".
std::string ExtractFileName(std::string_view path);
// ".txt" from "C:\Data\file.txt"; "" when the name has no dot.
std::string ExtractFileExt(std::string_view path);
// "C:" from "C:\Data"; "\\server\share" from "\\server\share\x"; "" otherwise.
std::string ExtractFileDrive(std::string_view path);

// Removes one trailing backslash, if there is one.
void RemoveTrailingBackslash(std::string& path);
// Appends a backslash unless the text is empty or already ends with one.
void AppendTrailingBackslash(std::string& path);

}  // namespace common
