#pragma once

#include <cstddef>
#include <cstdint>

#include <QString>

class QTemporaryDir;

// What every fuzz target shares: one application object, no log output, and data files
// kept in a temporary folder, so that a run never writes outside it.
namespace FuzzSupport {

// Once per process, from LLVMFuzzerInitialize.
void Start();

// Writes the input as fileName into the folder; the path, or empty when it cannot be written.
QString WriteInput(const QTemporaryDir &dir, const QString &fileName, const uint8_t *data,
                   size_t size);

} // namespace FuzzSupport
