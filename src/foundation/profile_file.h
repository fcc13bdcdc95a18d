#pragma once
// Key-by-key access to an INI-style settings file, with the semantics of the
// classic profile-string functions: section and key names compare without
// regard to case, a read trims the value and keeps at most a given number of
// characters, a value in matching quotes loses them, an absent key gives the caller's default, and
// a write changes only that key's line (creating section or key when missing) and goes to disk at
// once. A write that cannot reach the disk keeps the value in memory.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace q7 {

class ProfileFile {
 public:
  explicit ProfileFile(std::filesystem::path path = {});

  const std::filesystem::path& path() const { return path_; }
  bool exists() const;

  enum class Health { Missing, Unreadable, Damaged, Sound };
  // Damaged: bytes no settings file holds (a NUL), lines that are neither
  // section, key, comment nor blank, or no section at all.
  Health health() const;

  // A section the file lacks is read from `text` (the built-in copy) instead.
  void setBuiltIn(const std::string& text);
  // From now on writes only change the values kept in memory: the file on
  // disk stays as it is (one that could not be read whole is never replaced).
  void keepOnDisk() { keepOnDisk_ = true; }
  // Reads pass the file's bytes through `decode` (to UTF-8) before parsing them.
  void decodeWith(std::function<std::string(const std::string&)> decode) {
    decode_ = std::move(decode);
  }

  // Trimmed value of `key`, cut to `longest` characters (UTF-8 code points);
  // `fallback` when the key is absent (the default is cut and trimmed alike).
  std::string read(const std::string& section, const std::string& key, const std::string& fallback,
                   std::size_t longest = 254) const;
  // A numeric key within [low, high]; text that is not such a number gives `fallback`.
  long readNumber(const std::string& section, const std::string& key, long fallback,
                  std::size_t longest, long low = -32768, long high = 32767) const;
  // Writes the key; returns false when the file could not be written (the value
  // is then kept in memory and later reads return it).
  bool write(const std::string& section, const std::string& key, const std::string& value);

  // Every key of the first section of that name, in file order (for lists such
  // as the tone list); values are trimmed and lose their enclosing quotes.
  std::vector<std::pair<std::string, std::string>> section(const std::string& section) const;

  // Replaces the whole file with `text` (used to lay down the shipped default).
  bool writeWholeFile(const std::string& text);

 private:
  std::vector<std::string> loadLines() const;
  // The file's lines, or the built-in copy's when the file lacks `section`.
  std::vector<std::string> linesFor(const std::string& section) const;
  std::filesystem::path path_;
  std::vector<std::string> builtIn_;
  bool keepOnDisk_ = false;
  std::function<std::string(const std::string&)> decode_;
  std::map<std::string, std::string> unsaved_;  // "section\nkey" in lower case -> value
};

// Splits text into lines (CR LF or LF), without a leading byte order mark.
std::vector<std::string> splitLines(const std::string& text);
// Trims blanks (space, tab, CR, LF) from both ends.
std::string trimBlanks(const std::string& text);
// Cuts a UTF-8 text to at most `count` code points.
std::string cutToChars(const std::string& text, std::size_t count);
// Parses hexadecimal text the way a typed address is read; nullopt when not hex.
bool parseHex(const std::string& text, long& value);

}  // namespace q7
