#include "ui/options/FontsPage.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace quarn {

namespace {

constexpr int FontKindCount = int(defaultFontNames.size());

} // namespace

FontsPage::FontsPage(const OptionsPageTools &tools)
    : OptionsPage(tools, QStringLiteral("TabFonts")) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    fontKinds_ = named(new QComboBox(this), QStringLiteral("ComboBoxFontKind"));
    for (int kind = 0; kind < FontKindCount; ++kind)
        fontKinds_->addItem(QString());
    connect(fontKinds_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        if (kind >= 0)
            load();
    });
    fontNames_ = named(new QComboBox(this), QStringLiteral("ComboBoxFontName"));
    QStringList families = QFontDatabase::families();
    for (std::string_view name : defaultFontNames)
        if (!families.contains(utf8Text(name)))
            families << utf8Text(name);
    families.sort(Qt::CaseInsensitive);
    fontNames_->addItems(families);
    connect(fontNames_, &QComboBox::textActivated, this, &FontsPage::chooseFontName);
    scaleLabel_ = makeLabel(this, QStringLiteral("LabelScale"));
    scale_ = named(new QSpinBox(this), QStringLiteral("EditScale"));
    scale_->setRange(minFontScale, maxFontScale);
    connect(scale_, &QSpinBox::valueChanged, this, &FontsPage::chooseFontScale);
    defaultFonts_ = makeButton(QStringLiteral("ButtonDefaultFonts"),
                               settingsFont(settings(), FontKind::Large, 14, true));
    connect(defaultFonts_, &QPushButton::clicked, this, &FontsPage::restoreDefaultFonts);
    fontWarning_ = makeLabel(this, QStringLiteral("LabelFontWarning"));
    fontWarning_->setWordWrap(true);
    fontWarning_->setAlignment(Qt::AlignCenter);
    QPalette warning = fontWarning_->palette();
    warning.setColor(QPalette::WindowText, QColor(200, 0, 0));
    fontWarning_->setPalette(warning);

    grid->addWidget(fontKinds_, 0, 0, 1, 2);
    grid->addWidget(fontNames_, 1, 0, 1, 2);
    grid->addWidget(scaleLabel_, 2, 0);
    grid->addWidget(scale_, 2, 1);
    grid->addWidget(defaultFonts_, 3, 0, 1, 2);
    grid->addWidget(fontWarning_, 0, 2, 4, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

void FontsPage::load() {
    const QuietControls quiet{fontKinds_, fontNames_, scale_};
    if (fontKinds_->currentIndex() < 0)
        fontKinds_->setCurrentIndex(0);
    const auto kind = std::size_t(fontKinds_->currentIndex());
    const QString name = QString::fromStdString(settings().fontNames[kind]);
    if (fontNames_->findText(name) < 0)
        fontNames_->addItem(name);
    fontNames_->setCurrentText(name);
    scale_->setValue(settings().fontScales[kind]);
}

void FontsPage::relabel() {
    fontKinds_->setItemText(0, word(WordEntry::OptLargeFont));
    fontKinds_->setItemText(1, word(WordEntry::OptSmallFont));
    fontKinds_->setItemText(2, word(WordEntry::OptSpecialFont) + QStringLiteral(" 1"));
    fontKinds_->setItemText(3, word(WordEntry::OptSpecialFont) + QStringLiteral(" 2"));
    scaleLabel_->setText(word(WordEntry::OptScalePercent));
    defaultFonts_->setText(word(WordEntry::OptDefault));
    // The word table writes a line break as "\n\r"; a label wants one "\n".
    fontWarning_->setText(word(WordEntry::OptFontWarning).remove(QLatin1Char('\r')));
}

void FontsPage::chooseFontName(const QString &name) {
    const int kind = fontKinds_->currentIndex();
    if (kind < 0 || name.trimmed().size() < 2)
        return;
    editable().fontNames[std::size_t(kind)] = name.toStdString();
    host().fontsChanged();
}

void FontsPage::chooseFontScale(int percent) {
    const int kind = fontKinds_->currentIndex();
    if (kind < 0 || percent < minFontScale || percent > maxFontScale)
        return;
    editable().fontScales[std::size_t(kind)] = percent;
    host().fontsChanged();
}

void FontsPage::restoreDefaultFonts() {
    Settings &s = editable();
    resetFontNames(s);
    s.fontScales.fill(100);
    host().fontsChanged();
    load();
}

} // namespace quarn
