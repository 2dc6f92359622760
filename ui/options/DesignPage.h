#pragma once
// The options tab "Design": the designs of the main menu, the game table and
// the auxiliary windows, the group "Salute" and the graphics library's
// download button. Every design but the built-in ones needs that library.

#include "ui/options/OptionsPage.h"

class QComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;

namespace quarn {

class DesignPage : public OptionsPage {
    Q_OBJECT
  public:
    // optionsIcon: the dialog's icon, which a usable graphics library holds.
    DesignPage(const OptionsPageTools &tools, const QString &optionsIcon);

    // Also enables the salutes only while the graphics library is present.
    void load() override;
    void relabel() override;

  signals:
    // A design changed (or fell back): the background lists and the dialog follow.
    void designsChanged();

  private:
    void chooseMenuDesign(int index);
    void chooseTableDesign(int index);
    void chooseAuxDesign(int index);
    bool graphicsLibraryHoldsIcon() const;
    void resetAllDesigns();

    QString optionsIcon_;
    QLabel *menuDesignLabel_ = nullptr;
    QLabel *tableDesignLabel_ = nullptr;
    QLabel *auxDesignLabel_ = nullptr;
    QComboBox *menuDesign_ = nullptr;
    QComboBox *tableDesign_ = nullptr;
    QComboBox *auxDesign_ = nullptr;
    QGroupBox *salute_ = nullptr;
    QCheckBox *saluteButtons_ = nullptr;
    QCheckBox *saluteCards_ = nullptr;
};

} // namespace quarn
