#pragma once
// Whole-file reading and writing on the real file system. Not a seam: tests use real
// files in a temporary folder.
#include <optional>
#include <string>

namespace platform::files {

// The path made full against the current folder, "." and ".." resolved.
std::wstring fullPath(const std::wstring& path);

// The same path, made full, in the form that also works beyond 260 characters.
std::wstring longPath(const std::wstring& path);

// Whether a path names a file on a disk or a share in the plain way: a drive or a server's
// share, not a device (\\.\, \\?\GLOBALROOT), not a stream of a file (name:stream).
// Files are opened only by such paths: a path from outside must not reach a pipe or device.
bool isPlainFilePath(const std::wstring& path);

// Whether the file exists and this process may read it.
bool canRead(const std::wstring& path);

// The file's bytes, or nothing when it cannot be opened or read whole (missing, locked),
// holds more than `largest` bytes, or is no plain file on a disk.
std::optional<std::string> readAll(const std::wstring& path, unsigned long long largest);

// Writes the bytes to a new file of that name; false, and nothing left, when a file of the
// name exists already or the bytes cannot be written whole.
bool writeNew(const std::wstring& path, const std::string& bytes);

// The name of the new file that replaceWith writes beside `path` before it takes the
// target's name, in the long form whenever the name itself needs it.
std::wstring temporaryBeside(const std::wstring& path, unsigned long stamp);

// Writes the bytes to a new file beside the target, then gives it the target's name in
// one step, replacing any file of that name. On failure the old file is as it was and no
// new file is left behind.
bool replaceWith(const std::wstring& path, const std::string& bytes);

} // namespace platform::files
