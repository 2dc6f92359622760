#include "ui/TFormHelp.h"

#include "lang/Language.h"

#include <QFile>

#include <array>

namespace quarn {

namespace {

constexpr QSize WindowSize(660, 620);

// The codes of the help files, in language order.
constexpr std::array<const char *, languageCount> helpCodes = {"en", "ru", "de", "fr", "es",
                                                               "zh", "it", "cs", "ja", "ko"};

AuxLook helpLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Help");
    look.conciseHeading = QStringLiteral("Help") + code;
    look.aristocraticRibbon = QStringLiteral("GCap610");
    look.aristocraticTitle = word(WordEntry::MainHelp);
    look.redRibbon = QStringLiteral("GLenta590x116");
    look.redHeading = QStringLiteral("GFormHelp") + code;
    look.purpleHeading = QStringLiteral("GFormHelp") + code;
    look.purpleIcon = QStringLiteral("GIcon48Help");
    return look;
}

QString readResource(const QString &name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString TFormHelp::helpResource(int language) {
    const bool known = language >= 0 && language < languageCount;
    return QStringLiteral(":/help/help.%1.html")
        .arg(QLatin1String(helpCodes[std::size_t(known ? language : English)]));
}

QString TFormHelp::helpHtml(int language) {
    initHelpTexts();
    const QString text = readResource(helpResource(language));
    return text.isEmpty() ? readResource(helpResource(English)) : text;
}

TFormHelp::TFormHelp(const AuxContext &context, QWidget *parent)
    : TFormHelpReading(context, helpLook(), WindowSize, word(WordEntry::MainHelp), parent) {
    setObjectName(QStringLiteral("FormHelp"));
    setPageHtml(helpHtml(quarn::language()));
}

} // namespace quarn
