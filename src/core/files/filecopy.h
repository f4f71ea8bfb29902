#pragma once

#include <QString>

namespace FileCopy {

// Copies a file as fast as the system allows (in the kernel where it can, as cp does),
// into a temporary name beside the target that is renamed at the end, so an interrupted
// copy never leaves a target that looks complete. An existing target is replaced only by a
// complete copy; a failed one leaves it as it was.
bool CopyWholeFile(const QString &source, const QString &target);

// A regular file or a pipe (read to its end); not a folder or a device.
bool IsCopyableSource(const QString &path);

} // namespace FileCopy
