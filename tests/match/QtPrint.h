#pragma once
// Readable QString values in test failure messages.
#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
