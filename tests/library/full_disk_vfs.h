// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An SQLite VFS for tests that passes everything to the default VFS but can
// be told to fail every write as a full disk does (SQLITE_FULL), so that a
// full disk is tested without filling one.

namespace vuriru::testing {

inline constexpr const char* kFullDiskVfs = "vuriru-full-disk";

// Registers the VFS (once) under kFullDiskVfs.
void RegisterFullDiskVfs();
// From now on writes through the VFS fail (true) or pass (false).
void SetDiskFull(bool full);

}  // namespace vuriru::testing
