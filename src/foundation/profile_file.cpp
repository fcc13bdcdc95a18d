#include "foundation/profile_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>

#include "foundation/atomic_file.h"
#include "foundation/bounded_file.h"

namespace q7 {
namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool isSectionLine(const std::string& line, std::string& name) {
  const std::string t = trimBlanks(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto close = t.find(']');
  if (close == std::string::npos) return false;
  name = trimBlanks(t.substr(1, close - 1));
  return true;
}

bool isKeyLine(const std::string& line, std::string& key, std::string& value) {
  const std::string t = trimBlanks(line);
  if (t.empty() || t[0] == ';' || t[0] == '#') return false;
  const auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = trimBlanks(t.substr(0, eq));
  value = t.substr(eq + 1);
  return true;
}

std::string memoryKey(const std::string& section, const std::string& key) {
  return lower(section) + "\n" + lower(key);
}

// Locates `key` in `section`: index of its line, and the index after the last
// line of the section (where a new key goes). -1 when not found.
struct KeyPlace {
  int keyLine = -1;
  int sectionEnd = -1;
};

KeyPlace findKey(const std::vector<std::string>& lines, const std::string& section,
                 const std::string& key) {
  KeyPlace place;
  bool inSection = false;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    std::string name, k, v;
    if (isSectionLine(lines[i], name)) {
      if (inSection) return place;
      inSection = lower(name) == lower(section);
      if (inSection) place.sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (!trimBlanks(lines[i]).empty()) place.sectionEnd = i + 1;
    if (isKeyLine(lines[i], k, v) && lower(k) == lower(key) && place.keyLine < 0) {
      place.keyLine = i;
    }
  }
  return place;
}

// A value in matching single or double quotes loses them.
std::string unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The lines of a settings text with the value of each key: only the first
// section of a name counts, and in it the first line of a key.
struct Parsed {
  std::vector<std::string> lines;
  std::map<std::string, std::string> values;  // memoryKey -> value as written
  std::set<std::string> sections;             // lower case
};

Parsed parse(std::vector<std::string> lines) {
  Parsed parsed;
  parsed.lines = std::move(lines);
  std::string current;
  bool counting = false;
  for (const std::string& line : parsed.lines) {
    std::string name, k, v;
    if (isSectionLine(line, name)) {
      current = lower(name);
      counting = parsed.sections.insert(current).second;
    } else if (counting && isKeyLine(line, k, v)) {
      parsed.values.emplace(memoryKey(current, k), v);
    }
  }
  return parsed;
}

// What tells one state of a file on disk from another.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const FileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
           changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
  }
};

std::optional<FileStamp> stampOf(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

std::shared_ptr<const Parsed> readParsed(
    const std::filesystem::path& path,
    const std::function<std::string(const std::string&)>& decode) {
  std::string text;
  readBoundedFile(path, text);
  return std::make_shared<const Parsed>(parse(splitLines(decode ? decode(text) : text)));
}

// The settings file as last read, for as long as it stays unchanged on disk
// (the same file, size and times): a run reads it once, not once per key.
// Files read through a decoder are read afresh.
std::shared_ptr<const Parsed> parsedFile(
    const std::filesystem::path& path,
    const std::function<std::string(const std::string&)>& decode) {
  struct Kept {
    std::optional<FileStamp> stamp;
    std::shared_ptr<const Parsed> parsed;
  };
  constexpr std::size_t kFilesKept = 8;
  static std::mutex lock;
  static std::map<std::string, Kept> kept;
  if (decode) return readParsed(path, decode);
  const std::optional<FileStamp> stamp = stampOf(path);
  const std::lock_guard<std::mutex> guard(lock);
  if (kept.size() >= kFilesKept && !kept.contains(path.string())) kept.clear();
  Kept& mine = kept[path.string()];
  if (!mine.parsed || !(mine.stamp == stamp)) mine = {stamp, readParsed(path, decode)};
  return mine.parsed;
}

bool isSettingsLine(const std::string& line) {
  std::string name, k, v;
  const std::string t = trimBlanks(line);
  return t.empty() || t[0] == ';' || t[0] == '#' || isSectionLine(line, name) ||
         isKeyLine(line, k, v);
}

}  // namespace

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  if (!lines.empty() && lines[0].starts_with("\xEF\xBB\xBF")) lines[0].erase(0, 3);
  return lines;
}

std::string trimBlanks(const std::string& text) {
  const char* blanks = " \t\r\n";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::string cutToChars(const std::string& text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) != 0x80) {
      if (chars == count) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}

bool parseHex(const std::string& text, long& value) {
  std::string t = trimBlanks(text);
  if (t.size() > 2 && (t.starts_with("&H") || t.starts_with("&h"))) t = t.substr(2);
  if (t.empty()) return false;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value, 16);
  return ec == std::errc{} && end == t.data() + t.size() && value >= 0;
}

ProfileFile::ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

bool ProfileFile::exists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(path_, ec);
}

// A file that is no regular file of a sensible size cannot be read whole.
ProfileFile::Health ProfileFile::health() const {
  std::string text;
  switch (readBoundedFile(path_, text)) {
    case BoundedRead::Missing:
      return Health::Missing;
    case BoundedRead::Refused:
    case BoundedRead::Unreadable:
      return Health::Unreadable;
    case BoundedRead::Read:
      break;
  }
  const auto lines = splitLines(text);
  std::string name;
  const bool anySection = std::any_of(lines.begin(), lines.end(),
                                      [&](const std::string& l) { return isSectionLine(l, name); });
  if (text.find('\0') != std::string::npos || !anySection ||
      !std::all_of(lines.begin(), lines.end(), isSettingsLine)) {
    return Health::Damaged;
  }
  return Health::Sound;
}

void ProfileFile::setBuiltIn(const std::string& text) {
  builtIn_ = splitLines(text);
}

std::vector<std::string> ProfileFile::loadLines() const {
  return parsedFile(path_, decode_)->lines;
}

std::vector<std::string> ProfileFile::linesFor(const std::string& section) const {
  const auto file = parsedFile(path_, decode_);
  if (!builtIn_.empty() && !file->sections.contains(lower(section))) return builtIn_;
  return file->lines;
}

std::string ProfileFile::read(const std::string& section, const std::string& key,
                              const std::string& fallback, std::size_t longest) const {
  std::string value = fallback;
  if (const auto kept = unsaved_.find(memoryKey(section, key)); kept != unsaved_.end()) {
    value = kept->second;
  } else {
    auto source = parsedFile(path_, decode_);
    if (!builtIn_.empty() && !source->sections.contains(lower(section)))
      source = std::make_shared<const Parsed>(parse(builtIn_));
    const auto found = source->values.find(memoryKey(section, key));
    if (found != source->values.end()) value = found->second;
  }
  return cutToChars(unquoted(trimBlanks(value)), longest);
}

long ProfileFile::readNumber(const std::string& section, const std::string& key, long fallback,
                             std::size_t longest, long low, long high) const {
  const std::string text = read(section, key, std::to_string(fallback), longest);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
    return fallback;
  }
  return value;
}

bool ProfileFile::write(const std::string& section, const std::string& key,
                        const std::string& value) {
  auto lines = loadLines();
  const KeyPlace place = findKey(lines, section, key);
  const std::string line = key + "=" + value;
  if (place.keyLine >= 0) {
    lines[place.keyLine] = line;
  } else if (place.sectionEnd >= 0) {
    lines.insert(lines.begin() + place.sectionEnd, line);
  } else {
    if (!lines.empty() && !trimBlanks(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + section + "]");
    lines.push_back(line);
  }
  std::ostringstream text;
  for (const auto& l : lines) text << l << "\r\n";
  if (!keepOnDisk_ && writeFileAtomically(path_, text.str()) == 0) {
    unsaved_.erase(memoryKey(section, key));
    return true;
  }
  unsaved_[memoryKey(section, key)] = value;
  return false;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::section(
    const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  bool inSection = false;
  for (const auto& line : linesFor(section)) {
    std::string name, k, v;
    if (isSectionLine(line, name)) {
      if (inSection) break;
      inSection = lower(name) == lower(section);
    } else if (inSection && isKeyLine(line, k, v)) {
      entries.emplace_back(k, unquoted(trimBlanks(v)));
    }
  }
  return entries;
}

bool ProfileFile::writeWholeFile(const std::string& text) {
  unsaved_.clear();
  return !keepOnDisk_ && writeFileAtomically(path_, text) == 0;
}

}  // namespace q7
