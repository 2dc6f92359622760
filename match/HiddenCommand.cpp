#include "match/HiddenCommand.h"

namespace quarn {

bool HiddenCommand::type(const QString &text) {
    buffer_ += text;
    bool isNumber = false;
    const long long value = buffer_.trimmed().toLongLong(&isNumber);
    if (!isNumber || value != 61837)
        return false;
    buffer_.clear();
    return true;
}

} // namespace quarn
