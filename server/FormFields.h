#pragma once
// The fields of a form-encoded request body, in the order sent.
//
// The program sends two body styles: "raw" bodies, whose values are code-page
// 1251 bytes sent unescaped, and "listed" bodies, whose values the HTTP client
// percent-escapes. Names are plain ASCII in both. The fields keep the bytes as
// they arrived; the caller decodes a value in the style of its request.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace server {

enum class BodyStyle { Raw, Listed };

struct FormField {
    QByteArray name;
    QByteArray value; // as sent, not decoded
};

// Limits on what one request may carry; larger bodies are refused whole.
constexpr qsizetype kMaxBodyBytes = 8 * 1024;
constexpr qsizetype kMaxFieldCount = 64;
constexpr qsizetype kMaxNameBytes = 64;

class FormFields {
  public:
    // Splits a body at "&" and each piece at its first "=". Nothing when the
    // body is too large, has too many fields, a name that is empty, too long
    // or not printable ASCII, or the same name twice. A piece without "=" is a
    // name with an empty value.
    static std::optional<FormFields> parse(const QByteArray &body, QString *error = nullptr);

    bool has(const QByteArray &name) const;
    // The value decoded in the given style: raw values are taken as they are,
    // listed values are percent-decoded ("+" is a blank). Nothing when the
    // field is missing or a listed value holds a broken escape.
    std::optional<QByteArray> value(const QByteArray &name, BodyStyle style) const;
    // The name of the first field whose name starts with `prefix`, if any.
    std::optional<QByteArray> nameStartingWith(const QByteArray &prefix) const;
    const QList<FormField> &fields() const { return fields_; }

  private:
    QList<FormField> fields_;
};

// Percent-decoding of one listed value; nothing on a "%" not followed by two
// hexadecimal digits.
std::optional<QByteArray> percentDecode(const QByteArray &text);

} // namespace server
