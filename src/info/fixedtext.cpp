#include "info/fixedtext.h"

#include <QFile>

namespace info {

QString fixedText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace info
