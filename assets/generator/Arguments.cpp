#include "Arguments.h"

QString optionValue(const QStringList &args, const QString &name, const QString &fallback) {
    QString value = fallback;
    const QString flag = QStringLiteral("--") + name;
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == flag)
            value = args[++i];
    return value;
}
