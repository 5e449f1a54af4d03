#include "marlovin/shell/archive_utils.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_set>

#include "common/directory_list.h"
#include "common/text_case.h"
#include "common/wildcard.h"

namespace marlovin {

namespace {

constexpr std::string_view kAllFilesMask = "\\*.*";

std::string FolderPart(const std::string& path) { return common::ExtractFilePath(path); }

// The listing's entries and their case-insensitive sort keys. The keys are made once all
// entries are known, side by side in one buffer, and sorting moves only entry numbers:
// sorting 100 000 paths then touches little memory, and that memory is close together.
class KeyedEntries {
 public:
  void Add(std::string text, bool isFile) {
    textBytes_ += text.size();
    // Where a mask starts ("*."), looked up now while the text is fresh in the cache.
    const std::size_t mask = text.find("*.");
    entries_.push_back({std::move(text), mask, isFile});
  }

  // Entry numbers in ascending key order; equal keys keep the order they were added in.
  std::vector<std::uint32_t> SortedOrder() {
    MakeKeys();
    std::vector<std::uint32_t> order(entries_.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) { return Key(a) < Key(b); });
    return order;
  }

  std::string_view Key(std::uint32_t i) const { return std::string_view(keys_).substr(spans_[i].start, spans_[i].length); }
  std::string& Text(std::uint32_t i) { return entries_[i].text; }
  std::size_t MaskStart(std::uint32_t i) const { return entries_[i].maskStart; }  // npos: no "*."
  bool IsFile(std::uint32_t i) const { return entries_[i].isFile; }

 private:
  // All keys at once, into one buffer of about the right size.
  void MakeKeys() {
    keys_.clear();
    keys_.reserve(textBytes_ + textBytes_ / 8);
    spans_.clear();
    spans_.reserve(entries_.size());
    for (const auto& entry : entries_) {
      const std::size_t start = keys_.size();
      common::AppendSortKey(keys_, entry.text);
      spans_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(keys_.size() - start)});
    }
  }

  struct Span {
    std::uint32_t start;
    std::uint32_t length;
  };
  struct Entry {
    std::string text;
    std::size_t maskStart;
    bool isFile;
  };
  std::deque<Entry> entries_;  // grows without moving what it holds
  std::size_t textBytes_ = 0;
  std::string keys_;
  std::vector<Span> spans_;
};

}  // namespace

void ListFolderTree(const std::string& maskPath, std::vector<std::string>& result, const TOptionsStruct& options) {
  // What the result held is sorted with the new entries.
  KeyedEntries entries;
  for (auto& text : result) entries.Add(std::move(text), false);

  // The search entries: the mask path, then "<sub-folder>\*.*", each once (letter case ignored).
  std::vector<std::string> folders{maskPath};
  std::unordered_set<std::string> folderKeys{common::SortKey(maskPath)};
  // Identities of the folders searched so far: a folder reached again through a link or
  // junction (a loop, or a second way to the same place) is not searched again.
  std::unordered_set<std::string> searched;

  // Entries are appended while the loop runs, so index instead of iterating.
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::string prefix = FolderPart(folders[i]);
    const std::string mask = common::ExtractFileName(folders[i]);
    const std::string identity = common::FolderIdentity(prefix);
    if (!identity.empty() && !searched.insert(identity).second) continue;
    common::ListDirectory(prefix, [&](const common::DirectoryEntry& found) {
      if (!common::MatchesMask(found.name, mask)) return;
      if (!found.isFolder) {
        if (options.IncludeFiles) entries.Add(prefix + found.name, true);
        return;
      }
      std::string path = prefix + found.name + std::string(kAllFilesMask);
      if (folderKeys.insert(common::SortKey(path)).second) folders.push_back(std::move(path));
    });
  }

  if (options.IncludeFolders) {
    for (auto& folder : folders) {
      if (options.StripFolderMasks) folder.resize(folder.size() >= 4 ? folder.size() - 4 : 0);
      entries.Add(std::move(folder), false);
    }
  }
  const std::vector<std::uint32_t> order = entries.SortedOrder();

  std::size_t relativeCut = 0;
  if (options.MakeRelative) {
    if (options.UseBaseFolder) {
      relativeCut = options.BaseFolder.size();
    } else {
      // The listed folder's parent: "C:\Data\Sub\*.*" -> "C:\Data\".
      std::string folder = FolderPart(maskPath);
      RemoveTrailingBackslash(folder);
      relativeCut = FolderPart(folder).size();
    }
  }

  result.clear();
  result.reserve(order.size());
  std::string_view lastFileKey;
  bool anyFile = false;
  for (const std::uint32_t i : order) {
    if (entries.IsFile(i)) {
      // Files equal but for letter case (possible outside Windows) are listed once.
      if (anyFile && lastFileKey == entries.Key(i)) continue;
      lastFileKey = entries.Key(i);
      anyFile = true;
    }
    std::string text = std::move(entries.Text(i));
    if (options.CutMasks && entries.MaskStart(i) < text.size()) text.resize(entries.MaskStart(i));
    if (options.MakeRelative) text.erase(0, std::min(relativeCut, text.size()));
    result.push_back(std::move(text));
  }
}

std::string SuggestArchiveName(const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  const std::string& first = paths.front();
  if (paths.size() == 1) return common::ExtractFileName(first);

  std::string folder = FolderPart(first);
  if (!folder.empty()) folder.pop_back();
  std::string name = common::ExtractFileName(folder);
  if (name.empty()) {
    name = common::ExtractFileDrive(first);
    if (!name.empty()) name.pop_back();
  }
  return name;
}

}  // namespace marlovin
