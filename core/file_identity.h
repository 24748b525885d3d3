#pragma once
// What a job remembers of the file it was read from or last written to, so
// that a save can tell whether another window or program wrote the file in
// the meantime: the file's stamp and a hash of its bytes, both taken when the
// bytes were read or written (no second read).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/file_io.h"

namespace corvana {

struct FileIdentity {
  bool known = false;  // false: nothing read or written yet, nothing to compare
  FileStamp stamp;
  std::uint64_t contentHash = 0;
  // When the stamp was taken: a write within the same tick of the file
  // system's clock keeps the modification time, so a stamp this young cannot
  // tell such a write apart (the bytes have to be compared then).
  std::int64_t takenNs = 0;
};

// The identity of a file from its stamp and the bytes read from or written
// to it, taken now.
FileIdentity identityOf(const FileStamp& stamp, std::string_view bytes);

enum class DiskChange {
  Unchanged,  // the file holds what was read or written
  Changed,    // another writer changed, replaced or took away access to it
  Vanished,   // nothing stands at the path any more
};

// Compares the file at `path` with what was read or written. The stamp
// decides when it can: a different size is a change, the same stamp well
// after the last write is none; otherwise (another modification time or
// inode, or a stamp too young to trust) the bytes are read and hashed. When
// they turn out the same, `identity` takes the file's present stamp, so the
// next save decides by the stamp alone. An unknown identity is Unchanged.
DiskChange diskChangeSince(FileIdentity& identity, const std::string& path);

}  // namespace corvana
