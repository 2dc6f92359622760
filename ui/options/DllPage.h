#pragma once
// The options tab "DLL": a download button for each resource library and the
// group "Reading the list of radio stations" ("From the server", "From disk").

#include "ui/options/OptionsPage.h"

class QGroupBox;
class QRadioButton;

namespace quarn {

class DllPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit DllPage(const OptionsPageTools &tools);

    void load() override;
    void relabel() override;

  private:
    QGroupBox *radioGroup_ = nullptr;
    QRadioButton *fromServer_ = nullptr;
    QRadioButton *fromDisk_ = nullptr;
};

} // namespace quarn
