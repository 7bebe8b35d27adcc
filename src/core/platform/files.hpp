// Files as the core uses them: opened for one operation, written through a temporary file and a rename.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wex::platform {

// "folder" + separator + "name": the program's paths are joined with the platform's separator.
std::string JoinPath(std::string_view folder, std::string_view name);

// The text after the last "/" or "\\": file names written on Windows still work here.
std::string FileNamePart(std::string_view path);

// The text up to and including the last "/" or "\\"; empty when there is none.
std::string FolderPart(std::string_view path);

// Reads up to maxBytes from the start of the file; nullopt when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t maxBytes = static_cast<std::size_t>(-1));

// True when the file can be opened for reading.
bool CanOpenForReading(const std::filesystem::path& path);

// Replaces the file's content with bytes: written to a temporary file in the same folder, flushed and
// renamed over the old file, so a reader never sees half a file and a failed write leaves the old one intact.
// With keepReadOnly, an existing file without write permission is not replaced (false), as a file that
// cannot be opened for writing would not be.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes, bool keepReadOnly);

// Gives the owner write permission on an existing file; nothing when it does not exist.
void MakeOwnerWritable(const std::filesystem::path& path);

// Last-write time as a Windows file time: 100-nanosecond intervals since 1 January 1601 UTC.
std::optional<std::uint64_t> LastWriteFileTime(const std::filesystem::path& path);

// Sets the last-write time from a Windows file time (tests, and tools that copy data folders).
bool SetLastWriteFileTime(const std::filesystem::path& path, std::uint64_t fileTime);

// The process's current directory as the program stores paths (no trailing separator).
std::string CurrentDirectory();

}  // namespace wex::platform
