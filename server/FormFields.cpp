#include "server/FormFields.h"

#include <algorithm>

namespace server {
namespace {

bool isNameByte(char c) {
    return c > ' ' && c < 0x7f && c != '=' && c != '&';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool fail(QString *error, const QString &text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

std::optional<QByteArray> percentDecode(const QByteArray &text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out.append(' ');
        } else if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out.append(char(high * 16 + low));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return out;
}

std::optional<FormFields> FormFields::parse(const QByteArray &body, QString *error) {
    if (body.size() > kMaxBodyBytes) {
        fail(error, QStringLiteral("body longer than %1 bytes").arg(kMaxBodyBytes));
        return std::nullopt;
    }
    FormFields form;
    if (body.isEmpty())
        return form;
    for (const QByteArray &piece : body.split('&')) {
        const qsizetype eq = piece.indexOf('=');
        FormField field{eq < 0 ? piece : piece.left(eq), eq < 0 ? QByteArray() : piece.mid(eq + 1)};
        if (field.name.isEmpty() || field.name.size() > kMaxNameBytes ||
            !std::all_of(field.name.begin(), field.name.end(), isNameByte)) {
            fail(error, QStringLiteral("bad field name"));
            return std::nullopt;
        }
        if (form.has(field.name)) {
            fail(error,
                 QStringLiteral("field %1 given twice").arg(QString::fromLatin1(field.name)));
            return std::nullopt;
        }
        if (form.fields_.size() == kMaxFieldCount) {
            fail(error, QStringLiteral("more than %1 fields").arg(kMaxFieldCount));
            return std::nullopt;
        }
        form.fields_.append(field);
    }
    return form;
}

bool FormFields::has(const QByteArray &name) const {
    return std::any_of(fields_.begin(), fields_.end(),
                       [&](const FormField &f) { return f.name == name; });
}

std::optional<QByteArray> FormFields::value(const QByteArray &name, BodyStyle style) const {
    for (const FormField &f : fields_) {
        if (f.name != name)
            continue;
        if (style == BodyStyle::Raw)
            return f.value;
        return percentDecode(f.value);
    }
    return std::nullopt;
}

std::optional<QByteArray> FormFields::nameStartingWith(const QByteArray &prefix) const {
    for (const FormField &f : fields_)
        if (f.name.startsWith(prefix))
            return f.name;
    return std::nullopt;
}

} // namespace server
