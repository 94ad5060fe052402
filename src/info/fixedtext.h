#pragma once

#include <QString>

namespace info {

// A fixed text of the help windows, read from the program's resources
// (":/texts/explanation.txt" and the like) as UTF-8.
QString fixedText(const QString &path);

} // namespace info
