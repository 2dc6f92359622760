#pragma once
// The hidden command typed on the chat's send button: every key is appended
// to a buffer, and whenever the whole buffer reads as the number 61837 the
// computer seats' hands are turned face up or down and the buffer is emptied.

#include <QString>

namespace quarn {

class HiddenCommand {
  public:
    // Appends the typed text; true when the buffer now reads as the number.
    bool type(const QString &text);
    QString buffer() const { return buffer_; }

  private:
    QString buffer_;
};

} // namespace quarn
