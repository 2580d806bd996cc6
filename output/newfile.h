#pragma once
// Writing a file that must not exist yet, so that neither a failed write nor
// a race with another writer can leave a partial file or replace an
// existing one.

#include <cstddef>
#include <string>

namespace jpeg {

// Writes `size` bytes to a temporary file beside `path` and moves it to
// `path` only when every byte was written, without ever replacing an
// existing entry.  Returns false, leaving nothing behind, when `path`
// exists.  Raises jpeg::Failure when the file cannot be written, with the
// run time's number: 76 path not found, 70 permission denied, 61 disk full,
// 52 bad file name, 57 any other device error; nothing is left behind then
// either.
bool WriteNewFile(const std::string& path, const char* data, std::size_t size);

}  // namespace jpeg
