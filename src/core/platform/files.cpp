// File helpers: joining paths, shared reads, replacing writes, Windows file times.
#include "core/platform/files.hpp"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <system_error>

namespace wex::platform {
namespace fs = std::filesystem;

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  out += static_cast<char>(fs::path::preferred_separator);
  out += name;
  return out;
}

std::string FileNamePart(std::string_view path) {
  const auto pos = path.find_last_of("/\\");
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string FolderPart(std::string_view path) {
  const auto pos = path.find_last_of("/\\");
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::optional<std::string> ReadFileBytes(const fs::path& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data;
  char buffer[65536];
  while (data.size() < maxBytes && in) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - data.size());
    in.read(buffer, static_cast<std::streamsize>(want));
    data.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  return data;
}

bool CanOpenForReading(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

namespace {

fs::path TemporarySibling(const fs::path& path) {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  const auto tag = std::to_string(rd()) + "-" + std::to_string(counter.fetch_add(1));
  return path.parent_path() / (".~" + path.filename().string() + "." + tag + ".tmp");
}

bool IsOwnerWritable(const fs::path& path) {
  std::error_code ec;
  const auto st = fs::status(path, ec);
  if (ec || !fs::exists(st)) return true;
  return (st.permissions() & fs::perms::owner_write) != fs::perms::none;
}

}  // namespace

bool WriteFileReplacing(const fs::path& path, std::string_view bytes, bool keepReadOnly) {
  std::error_code ec;
  if (path.empty() || fs::is_directory(path, ec)) return false;
  if (keepReadOnly && !IsOwnerWritable(path)) return false;
  const fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (!fs::is_directory(parent, ec)) return false;
  const fs::path temp = TemporarySibling(path.parent_path().empty() ? fs::path(".") / path : path);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

void MakeOwnerWritable(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

namespace {
// Seconds between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochDifferenceSeconds = 11644473600LL;
}  // namespace

std::optional<std::uint64_t> LastWriteFileTime(const fs::path& path) {
  if (!CanOpenForReading(path)) return std::nullopt;
  std::error_code ec;
  const auto ft = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  const auto sys = fs::file_time_type::clock::to_sys(ft);
  const auto ticks = std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(
                         sys.time_since_epoch())
                         .count();
  return static_cast<std::uint64_t>(ticks + kEpochDifferenceSeconds * 10000000LL);
}

bool SetLastWriteFileTime(const fs::path& path, std::uint64_t fileTime) {
  using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>;
  const Ticks sinceUnix{static_cast<std::int64_t>(fileTime) - kEpochDifferenceSeconds * 10000000LL};
  const std::chrono::system_clock::time_point sys{std::chrono::duration_cast<std::chrono::system_clock::duration>(sinceUnix)};
  std::error_code ec;
  fs::last_write_time(path, fs::file_time_type::clock::from_sys(sys), ec);
  return !ec;
}

std::string CurrentDirectory() {
  std::error_code ec;
  auto p = fs::current_path(ec).string();
  while (p.size() > 1 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
  return p;
}

}  // namespace wex::platform
