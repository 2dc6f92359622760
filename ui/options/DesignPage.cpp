#include "ui/options/DesignPage.h"

#include "table/Pictures.h"
#include "ui/AuxDesign.h"
#include "ui/GraphicsLibrary.h"
#include "ui/OptionsChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <array>

namespace quarn {

namespace {

// The auxiliary design list: "Gray aristocratic", "Gray concise",
// "Gray with red ribbons", "Purple".
constexpr std::array<int, 4> AuxDesignOfItem{2, 1, 3, 4};

int auxItemOfSettings(const Settings &settings) {
    const int design = int(auxDesign(settings));
    for (int item = 0; item < int(AuxDesignOfItem.size()); ++item)
        if (AuxDesignOfItem[std::size_t(item)] == design)
            return item;
    return 0;
}

} // namespace

DesignPage::DesignPage(const OptionsPageTools &tools, const QString &optionsIcon)
    : OptionsPage(tools, QStringLiteral("TabDesign")), optionsIcon_(optionsIcon) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(3);
    menuDesignLabel_ = makeLabel(this, QStringLiteral("LabelMenuDesign"));
    tableDesignLabel_ = makeLabel(this, QStringLiteral("LabelTableDesign"));
    auxDesignLabel_ = makeLabel(this, QStringLiteral("LabelAuxDesign"));
    menuDesign_ = named(new QComboBox(this), QStringLiteral("ComboBoxMenuDesign"));
    tableDesign_ = named(new QComboBox(this), QStringLiteral("ComboBoxTableDesign"));
    auxDesign_ = named(new QComboBox(this), QStringLiteral("ComboBoxAuxDesign"));
    for (QComboBox *list : {menuDesign_, tableDesign_})
        list->addItems({QString(), QString()});
    auxDesign_->addItems({QString(), QString(), QString(), QString()});
    connect(menuDesign_, &QComboBox::currentIndexChanged, this, &DesignPage::chooseMenuDesign);
    connect(tableDesign_, &QComboBox::currentIndexChanged, this, &DesignPage::chooseTableDesign);
    connect(auxDesign_, &QComboBox::currentIndexChanged, this, &DesignPage::chooseAuxDesign);

    salute_ = named(new QGroupBox(this), QStringLiteral("GroupSalute"));
    auto *salutes = new QHBoxLayout(salute_);
    saluteButtons_ = named(new QCheckBox(salute_), QStringLiteral("CheckBoxSaluteButtons"));
    saluteCards_ = named(new QCheckBox(salute_), QStringLiteral("CheckBoxSaluteCards"));
    salutes->addWidget(saluteButtons_);
    salutes->addWidget(saluteCards_);
    connect(saluteButtons_, &QCheckBox::toggled, this,
            [this](bool on) { editable().saluteOnButtons = on; });
    connect(saluteCards_, &QCheckBox::toggled, this,
            [this](bool on) { editable().saluteOnCards = on; });

    grid->addWidget(menuDesignLabel_, 0, 0);
    grid->addWidget(menuDesign_, 0, 1);
    grid->addWidget(tableDesignLabel_, 1, 0);
    grid->addWidget(tableDesign_, 1, 1);
    grid->addWidget(auxDesignLabel_, 2, 0);
    grid->addWidget(auxDesign_, 2, 1);
    grid->addWidget(salute_, 3, 0);
    grid->addWidget(makeDownloadButton(QLatin1String(graphicsLibrary), QStringLiteral("Graph")), 3,
                    1, Qt::AlignBottom);
    grid->setRowStretch(4, 1);
}

void DesignPage::load() {
    const QuietControls quiet{menuDesign_, tableDesign_, auxDesign_, saluteButtons_, saluteCards_};
    menuDesign_->setCurrentIndex(settings().menuDesign == ScreenDesign::Purple ? 1 : 0);
    tableDesign_->setCurrentIndex(settings().tableDesign == ScreenDesign::Purple ? 1 : 0);
    auxDesign_->setCurrentIndex(auxItemOfSettings(settings()));
    const bool library = libraryFound(folder(), graphicsLibraryFile());
    saluteButtons_->setEnabled(library);
    saluteCards_->setEnabled(library);
    saluteButtons_->setChecked(library && settings().saluteOnButtons);
    saluteCards_->setChecked(library && settings().saluteOnCards);
}

void DesignPage::relabel() {
    menuDesignLabel_->setText(word(WordEntry::OptMainMenuDesign));
    tableDesignLabel_->setText(word(WordEntry::OptGameTableDesign));
    auxDesignLabel_->setText(word(WordEntry::OptAuxWindowDesign));
    for (QComboBox *list : {menuDesign_, tableDesign_}) {
        list->setItemText(0, word(WordEntry::OptDesignCustomizable));
        list->setItemText(1, word(WordEntry::OptDesignPurple));
    }
    auxDesign_->setItemText(0, word(WordEntry::OptDesignGrayAristocratic));
    auxDesign_->setItemText(1, word(WordEntry::OptDesignGrayConcise));
    auxDesign_->setItemText(2, word(WordEntry::OptDesignGrayRedRibbons));
    auxDesign_->setItemText(3, word(WordEntry::OptDesignPurple));
    salute_->setTitle(word(WordEntry::OptSalute));
    saluteButtons_->setText(word(WordEntry::OptSaluteButtons));
    saluteCards_->setText(word(WordEntry::OptSaluteCards));
}

bool DesignPage::graphicsLibraryHoldsIcon() const {
    const std::optional<GraphicsLibrary> library = GraphicsLibrary::load(folder(), {optionsIcon_});
    return library && library->has(optionsIcon_);
}

void DesignPage::resetAllDesigns() {
    Settings &s = editable();
    s.menuDesign = ScreenDesign::Customizable;
    s.tableDesign = ScreenDesign::Customizable;
    fallBackToAristocratic(s);
    reportMissing(graphicsLibraryFile());
}

void DesignPage::chooseMenuDesign(int index) {
    if (index < 0)
        return;
    if (index == 1 && !libraryFound(folder(), graphicsLibraryFile())) {
        reportMissing(graphicsLibraryFile());
        index = 0;
    }
    editable().menuDesign = index == 1 ? ScreenDesign::Purple : ScreenDesign::Customizable;
    host().designChanged();
    load();
    emit designsChanged();
}

void DesignPage::chooseTableDesign(int index) {
    if (index < 0)
        return;
    if (index != 0 && !graphicsLibraryHoldsIcon())
        resetAllDesigns();
    else
        editable().tableDesign = index == 1 ? ScreenDesign::Purple : ScreenDesign::Customizable;
    host().designChanged();
    load();
    emit designsChanged();
}

void DesignPage::chooseAuxDesign(int index) {
    if (index < 0 || index >= int(AuxDesignOfItem.size()))
        return;
    if (index != 0 && !graphicsLibraryHoldsIcon()) {
        resetAllDesigns();
        host().designChanged();
    } else {
        Settings &s = editable();
        const int design = AuxDesignOfItem[std::size_t(index)];
        s.purpleWindows = design == int(AuxDesign::Purple);
        if (!s.purpleWindows)
            s.windowDesign = static_cast<WindowDesign>(design);
    }
    load();
    emit designsChanged();
}

} // namespace quarn
