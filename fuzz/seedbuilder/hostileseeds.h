#pragma once

#include <QString>

// Seeds of the attacks a hostile file is known to carry, too large or too structured for
// the fuzzer to build by mutation in a short run: XML nested tens of thousands deep, an
// entity expanded to gigabytes, a PNG header announcing a huge image, an RTV table that is
// a view over an endless query. Every fuzz run starts by reading them, so a reader that
// gives way to one of them fails at once.
namespace HostileSeeds {

bool Add(const QString &outDir, QString *error);

} // namespace HostileSeeds
