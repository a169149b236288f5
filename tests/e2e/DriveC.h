// The files a test puts on the prefix's drive C: and takes away again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::e2e {

inline constexpr std::wstring_view kAppNamesFile = L"C:\\CorvaneAppNames.txt";
inline constexpr std::wstring_view kPathsFile = L"C:\\CorvanePaths.txt";
inline constexpr std::wstring_view kAppAliasFile = L"C:\\CorvaneAppAlias.txt";

// One line in the system's ANSI code page: every field in double quotes, single commas, CR LF.
void WriteSettingsFile(const std::wstring& path, const std::vector<std::string>& fields);
// The three settings files at once, as lists of field values in file order.
void WriteSettingsFiles(const std::vector<std::string>& appNames, const std::vector<std::string>& paths,
                        const std::vector<std::string>& aliases);

// Creates every missing folder of `path`, and returns those it created, outermost first.
std::vector<std::wstring> MakeFolders(const std::wstring& path);
// Copies `from` to `to`, making the folders `to` needs; returns the folders it made, outermost first.
std::vector<std::wstring> PlaceFile(const std::wstring& from, const std::wstring& to);
void WriteBinaryFile(const std::wstring& path, std::string_view bytes);
// The file's bytes exactly as they are on the disk; nothing when the file does not exist.
std::optional<std::string> ReadBinaryFile(const std::wstring& path);

// Absence is fine for all three: a fixture removes what may or may not be there.
void RemoveFile(const std::wstring& path);
// Only an empty folder goes; a folder with someone else's files stays.
void RemoveEmptyFolder(const std::wstring& path);
// The folder with its files and folders, whatever their attributes (a test may have made one hidden or read-only).
void RemoveFolderAndFiles(const std::wstring& path);

bool FileExists(const std::wstring& path);
// The file's lines without their line ends; nothing when the file does not exist.
std::optional<std::vector<std::string>> ReadLines(const std::wstring& path);

}  // namespace corvane::e2e
