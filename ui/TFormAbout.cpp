#include "ui/TFormAbout.h"

#include "lang/Language.h"
#include "ui/BuildInfo.h"

#include <QFile>

namespace quarn {

namespace {

constexpr QSize WindowSize(520, 620);

AuxLook aboutLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("About");
    look.conciseHeading = QStringLiteral("About") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::MainAbout);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormAbout") + code;
    look.purpleHeading = QStringLiteral("GFormAbout") + code;
    look.purpleIcon = QStringLiteral("GIcon48About");
    return look;
}

// One work of others: what the game uses it for, its name, the Debian
// package it comes from, its copyright holders and its licence.
struct Credit {
    WordEntry use;
    const char *work;
    const char *package;
    const char *copyright;
    const char *licence;
};

// From the packages' copyright files (/usr/share/doc/<package>/copyright).
constexpr Credit credits[] = {
    {WordEntry::AboutUseCards,
     "Ancient Egyptians, Dondorf, Future, Jolly Royal, Nicu Ornamental, Nicu White, Oxygen, "
     "Oxygen Air (Eugene Trounev), Oxygen White, Paris",
     "kdegames-card-data-kf5", "1996-2013 The KDE project", "GNU GPL 2.0 or later"},
    {WordEntry::AboutUseCards, "Standard, XSkat French, XSkat German", "kdegames-card-data-kf5",
     "1997 John Fitzgibbon, Jochen Tuchbreiter; 1998 Markus F.X.J. Oberhumer; 2004 Gunter "
     "Gerhardt (xskat.de); 2009 Parker Coates, Luciano Montanaro",
     "GNU GPL 2.0 or later"},
    {WordEntry::AboutUseCards, "Tigullio International", "kdegames-card-data-kf5",
     "2004-2009 Luciano Montanaro", "GNU LGPL 2.0 or later"},
    {WordEntry::AboutUseCards, "Penguins", "kdegames-card-data-kf5",
     "1998 DJ Delorie, Markus F.X.J. Oberhumer; 2009 Matthew Woehlke",
     "GNU GPL 3.0 or later, Tux notice below"},
    {WordEntry::AboutUseFlags, "famfamfam flag icons", "famfamfam-flag-png", "Mark James",
     "public domain"},
    {WordEntry::AboutUseVoices,
     "eSpeak NG (the program and its voices; the game holds only the "
     "sound it made)",
     "espeak-ng", "2005-2014 Jonathan Duddington; 2013-2016 Reece H. Dunn; and others",
     "GNU GPL 3.0 or later"},
    {WordEntry::AboutUseFonts, "Comic Neue", "fonts-comic-neue",
     "2014-2016 Craig Rozynski; 2014 Hrant Papazian; 2016 Brandon Schoech",
     "SIL Open Font License 1.1"},
    {WordEntry::AboutUseFonts, "Liberation (LIBERATION is a trademark of Red Hat, Inc.)",
     "fonts-liberation", "2007 Red Hat, Inc.", "GNU GPL 2 with font exceptions"},
    {WordEntry::AboutUseFonts, "WenQuanYi Micro Hei", "fonts-wqy-microhei",
     "2008-2009 The WenQuanYi Project Board of Trustees; Qianqian Fang; mozbug",
     "Apache 2.0, or GNU GPL 3.0 or later with font exception"},
    {WordEntry::AboutUseFonts, "DejaVu (Bitstream Vera is a trademark of Bitstream, Inc.)",
     "fonts-dejavu-core", "2003 Bitstream, Inc.; DejaVu changes are in the public domain",
     "Bitstream Vera licence, notice below"},
    {WordEntry::AboutUseMusic, "TimGM6mb sound font", "timgm6mb-soundfont",
     "2004 Tim Brechbill; 2010 David Bolton", "GNU GPL 2"},
    {WordEntry::AboutUseLibraries, "Qt 6", "libqt6core6, libqt6gui6, libqt6widgets6, ...",
     "The Qt Company Ltd. and other contributors", "GNU LGPL 3.0 (or GNU GPL 2.0)"},
    {WordEntry::AboutUseLibraries, "FluidSynth", "libfluidsynth3",
     "2000-2021 Peter Hanappe and others", "GNU LGPL 2.1 or later"},
    {WordEntry::AboutUseLibraries, "giflib", "libgif7", "1997 Eric S. Raymond",
     "MIT, notice below"},
    {WordEntry::AboutUseLibraries, "libimagequant", "libimagequant0", "2009-2018 Kornel Lesiński",
     "GNU GPL 3.0 or later"},
    {WordEntry::AboutUseLibraries, "libcurl", "libcurl4",
     "1997-2022 Daniel Stenberg and many contributors", "curl licence, notice below"},
};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString notices() {
    TFormHelpReading::initHelpTexts();
    QFile file(QStringLiteral(":/help/notices.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString creditsHtml() {
    QString html;
    WordEntry group = WordEntry::AboutCredits;
    for (const Credit &credit : credits) {
        if (credit.use != group) {
            if (group != WordEntry::AboutCredits)
                html += QStringLiteral("</ul>");
            group = credit.use;
            html += QStringLiteral("<h3>%1</h3><ul>").arg(word(group).toHtmlEscaped());
        }
        html += QStringLiteral("<li><b>%1</b> (%2)<br>&copy; %3<br>%4</li>")
                    .arg(QString::fromUtf8(credit.work).toHtmlEscaped(),
                         QString::fromUtf8(credit.package).toHtmlEscaped(),
                         QString::fromUtf8(credit.copyright).toHtmlEscaped(),
                         QString::fromUtf8(credit.licence).toHtmlEscaped());
    }
    return html + QStringLiteral("</ul>");
}

} // namespace

QString TFormAbout::aboutHtml() {
    QString html = QStringLiteral("<h2>%1</h2>").arg(fromView(productTitle()).toHtmlEscaped());
    html += QStringLiteral("<p><b>%1: %2</b> &mdash; %3<br>%4: %5, %6</p>")
                .arg(word(WordEntry::AboutVersion).toHtmlEscaped(),
                     fromView(versionText).toHtmlEscaped(), fromView(buildDate()).toHtmlEscaped(),
                     word(WordEntry::AboutBuild).toHtmlEscaped(), QString::fromUtf8(buildVersion),
                     QString::fromUtf8(buildDay));
    html += QStringLiteral("<p>%1<br>%2</p>")
                .arg(word(WordEntry::AboutDescription).toHtmlEscaped(),
                     word(WordEntry::MainCredits).toHtmlEscaped());
    html += QStringLiteral("<h2>%1</h2><p>%2</p>")
                .arg(word(WordEntry::AboutCredits).toHtmlEscaped(),
                     word(WordEntry::AboutCreditsNote).toHtmlEscaped());
    html += creditsHtml();
    html += QStringLiteral("<h2>%1</h2><pre>%2</pre>")
                .arg(word(WordEntry::AboutNotices).toHtmlEscaped(), notices().toHtmlEscaped());
    return html;
}

TFormAbout::TFormAbout(const AuxContext &context, QWidget *parent)
    : TFormHelpReading(context, aboutLook(), WindowSize, word(WordEntry::MainAbout), parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setPageHtml(aboutHtml());
}

} // namespace quarn
