#pragma once
// The reading window the help and the about window share: a page of rich text
// between the window's heading and its "Ok" button, coloured for the design.
// Links inside the page move to their heading; links to the web open in the
// browser.

#include "ui/TWemAuxForm.h"

class QTextBrowser;

namespace quarn {

class TFormHelpReading : public TWemAuxForm {
    Q_OBJECT
  public:
    // Makes the compiled-in texts under ":/help/" readable (once).
    static void initHelpTexts();

    QTextBrowser *page() const { return page_; }
    TWemCardsButton *okButton() const { return ok_; }

  protected:
    TFormHelpReading(const AuxContext &context, AuxLook look, QSize size, const QString &title,
                     QWidget *parent);
    void setPageHtml(const QString &html);

  private:
    QTextBrowser *page_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
};

} // namespace quarn
