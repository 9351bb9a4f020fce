#include "messaging/mail_file.h"

#include <cstdio>
#include <vector>

#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

constexpr std::size_t kMailIdBytes = textLimit(kShortTextBytes);    // 29
constexpr std::size_t kSentTimeBytes = textLimit(kShortTextBytes);  // 29

bool isTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

bool isRefusedSingleByte(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
      return true;
    default:
      return false;
  }
}

unsigned char upper(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c; }

// The name's part before its first dot, without trailing blanks: what
// Windows compares with its device names.
bool isDeviceName(std::string_view name) {
  name = name.substr(0, name.find('.'));  // '.' is never a trail byte
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  std::string stem;
  for (char c : name) stem += static_cast<char>(upper(static_cast<unsigned char>(c)));
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0))
    return stem[3] >= '0' && stem[3] <= '9';
  return false;
}

// Every character is one a file name may hold; a lead byte must have its
// trail byte.
bool hasOnlyNameCharacters(std::string_view id) {
  for (std::size_t i = 0; i < id.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(id[i]);
    if (sjis::isLeadByte(c)) {
      if (i + 1 >= id.size() || !isTrailByte(static_cast<unsigned char>(id[i + 1]))) return false;
      ++i;
    } else if (isRefusedSingleByte(c)) {
      return false;
    }
  }
  return true;
}

// One field from `at`, up to its separator; `at` ends after the separator
// (or at the end of the bytes).
std::string_view takeField(std::string_view bytes, std::size_t& at, bool& separatorFound) {
  std::size_t end = bytes.find(kMailFieldSeparator, at);
  separatorFound = end != std::string_view::npos;
  if (!separatorFound) end = bytes.size();
  std::string_view field = bytes.substr(at, end - at);
  at = separatorFound ? end + 1 : end;
  return field;
}

}  // namespace

bool isUsableMailId(std::string_view id) {
  if (id.empty() || id.size() > kPathBytes) return false;
  if (!hasOnlyNameCharacters(id)) return false;
  // Only the file names count: "con0.ml", "a.0.ml" and "a..b0.ml" are
  // ordinary names in the mail folder, "con.x0.ml" and "com1.ml" are not.
  std::string name(id);
  for (int slot = 0; slot < kMailSlotCount; ++slot) {
    name.resize(id.size());
    name += static_cast<char>('0' + slot);
    if (isDeviceName(name)) return false;
  }
  return true;
}

std::string mailFilePath(const std::string& mailFolder, const std::string& id, int slot) {
  return mailFolderFile(mailFolder, id + static_cast<char>('0' + slot) + ".ml");
}

std::string mailFolderFile(const std::string& mailFolder, const std::string& name) {
  std::size_t sep = sjis::lastSeparator(mailFolder);
  char separator = (sep != std::string::npos && mailFolder[sep] == '/') ? '/' : '\\';
  std::string path = mailFolder;
  if (sep == std::string::npos || sep + 1 != mailFolder.size()) path += separator;
  return path + name;
}

std::string mailFileBytes(std::string_view senderId, std::string_view text, std::string_view sentTime) {
  std::string bytes;
  for (char c : sjis::cut(senderId, kMailIdBytes))
    if (c != kMailFieldSeparator) bytes += c;
  bytes += kMailFieldSeparator;
  for (std::size_t i = 0; i < text.size() && i < kMailBodyBytes && text[i] != '\0'; ++i)
    bytes += static_cast<char>(static_cast<unsigned char>(text[i]) + 1);
  bytes += kMailFieldSeparator;
  bytes += sentTime;
  bytes += kMailFieldSeparator;
  bytes += kMailFieldSeparator;
  return bytes;
}

ParsedMail parseMailBytes(std::string_view bytes) {
  ParsedMail parsed;
  std::size_t at = 0;
  bool sep1 = false, sep2 = false, sep3 = false;
  parsed.mail.senderId = sjis::cut(takeField(bytes, at, sep1), kMailIdBytes);
  std::string body;
  for (char c : takeField(bytes, at, sep2).substr(0, kMailBodyBytes + 1))
    body += static_cast<char>(static_cast<unsigned char>(c) - 1);
  parsed.mail.body = sjis::cut(body, kMailBodyBytes);
  parsed.mail.sentTime = sjis::cut(takeField(bytes, at, sep3), kSentTimeBytes);
  bool sep4 = false;
  takeField(bytes, at, sep4);
  parsed.complete = sep1 && sep2 && sep3 && sep4;
  return parsed;
}

bool readMailFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::vector<char> buffer(maxBytes);
  std::size_t n = maxBytes == 0 ? 0 : std::fread(buffer.data(), 1, maxBytes, f);
  std::fclose(f);
  bytes.assign(buffer.data(), n);
  return true;
}

}  // namespace wabo
